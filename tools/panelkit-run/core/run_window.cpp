#include "tools/panelkit-run/core/run_window.hpp"

#include <algorithm>

#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/automation/variant.hpp"
#include "panelkit2/range/track_panel.hpp"

namespace panelkit2::run {

namespace {

// Twips.
constexpr float kWindowWidth = 9600;
constexpr float kWindowHeight = 8400;
// The heading takes the height of its content up to this; beyond, it scrolls.
constexpr float kHeadingMostHeight = 2700;
constexpr float kMargin = 300;
constexpr float kCaptionHeight = 400;
constexpr float kStatusHeight = 400;
constexpr host::OleColor kStatusColor = 0x000000B0;  // dark red
constexpr int16_t kCommand = static_cast<int16_t>(ControlID::CommandButton);

}  // namespace

std::shared_ptr<RunWindow> RunWindow::Create(const Assistant& assistant, const Answers& answers,
                                             Hooks hooks) {
    std::shared_ptr<RunWindow> window(new RunWindow(assistant, answers, std::move(hooks)));
    window->mPort.Advise(window);
    return window;
}

RunWindow::RunWindow(const Assistant& assistant, const Answers& answers, Hooks hooks)
    : mAssistant(assistant),
      mHooks(std::move(hooks)),
      mWindow("Assistant"),
      mCaption(&mWindow, "lblCaption"),
      mStatus(&mWindow, "lblStatus"),
      mSession(assistant, mPort, answers) {
    mHeading.Surface().SetParent(&mWindow);
    mPort.Surface().SetParent(&mWindow);
    mCaption.AutoSize(true);
    mStatus.ForeColor(kStatusColor);
    mSession.OnCanvas([this] { MakeButtons(); });
    mSession.OnBuilt([this] { ShowPage(); });
    mWindow.Resize.Connect([this] { LayOut(); });
    mWindow.Move(0, 0, kWindowWidth, kWindowHeight);
}

Command* RunWindow::BackButton() const {
    return mBack ? &static_cast<Command&>(*mBack) : nullptr;
}

Command& RunWindow::NextButton() const {
    return static_cast<Command&>(*mNext);
}

void RunWindow::Start() {
    mPort.Surface().Show.Emit();
    mSession.Start();
    Shown();
}

// Made right after the canvas is cleared, before the page's controls: see the header.
void RunWindow::MakeButtons() {
    mBack.reset();
    if (mSession.CanGoBack()) {
        mBack = mPort.GetNewControl(kCommand);
        BackButton()->SetCaption("< Back");
    }
    mNext = mPort.GetNewControl(kCommand);
    NextButton().SetCaption(mSession.MayHavePageAfter() ? "Next >" : "Finish");
}

// The page's controls are in the container: the buttons join them, the heading and caption
// follow the page, and the page is laid out and shown before values are selected (a track
// that settles on a step with help then shows it).
void RunWindow::ShowPage() {
    const Page& page = mSession.CurrentPage();
    if (mBack) mPort.AddControl(Variant(mBack));
    mPort.AddControl(Variant(mNext));
    mPort.HideAllPopUps();
    FillHeading(page);
    mCaption.Caption(page.caption);
    mStatus.Caption({});
    ReachTracksByTab();
    LayOut();
    mPort.Position();
    mPort.ShowControls();
}

// The tracks leave the tab order by design (they take the focus when they settle); a
// person with only a keyboard reaches them by Tab here, and the arrow keys then move them.
void RunWindow::ReachTracksByTab() {
    for (const LiveControl& live : mSession.Controls())
        if (auto* track = dynamic_cast<TrackPanel*>(live.control.get()))
            track->Track().TabStop(true);
}

void RunWindow::FillHeading(const Page& page) {
    // Filled at its full size, the heading wraps its text at the window's width and gives
    // its lists their full height; it then takes the height of what it holds.
    mHeading.Surface().Visible(!page.heading.empty());
    mHeading.Surface().Move(0, 0, mWindow.Width(), kHeadingMostHeight);
    mHeading.Clear();
    for (const HeadingEntry& entry : page.heading) {
        if (entry.type == HeadingEntry::Type::Text) {
            mHeading.AddText(entry.text);
            continue;
        }
        mHeading.AddList();
        for (const std::string& line : entry.lines) mHeading.AddItem(line);
    }
    mHeading.Reposition();
}

void RunWindow::LayOut() {
    const float width = mWindow.Width();
    const bool heading = mHeading.Surface().Visible();
    const float headingHeight = heading ? std::clamp(static_cast<float>(mHeading.TotalHeight()),
                                                     kMargin, kHeadingMostHeight)
                                        : 0;
    // A hidden heading keeps a usable height: it still lays its (empty) content out.
    mHeading.Surface().Move(0, 0, width, heading ? headingHeight : kHeadingMostHeight);
    const float captionTop = headingHeight + kMargin / 2;
    mCaption.Move(kMargin, captionTop);
    const float portTop = captionTop + kCaptionHeight;
    const float statusTop = std::max(mWindow.Height() - kStatusHeight, portTop);
    mPort.Surface().Move(0, portTop, width, statusTop - portTop);
    mStatus.Move(kMargin, statusTop, std::max(width - 2 * kMargin, 0.0f), kStatusHeight - 100);
}

void RunWindow::Shown() {
    if (mHooks.pageShown) mHooks.pageShown();
}

void RunWindow::Next() {
    if (mblnFinished) return;
    if (const LiveControl* missing = mSession.FirstMissing()) {
        mStatus.Caption("\"" + missing->def->caption + "\" needs a value before you go on.");
        return;
    }
    if (mSession.Next()) return Shown();
    mblnFinished = true;
    if (mHooks.finished) mHooks.finished(mSession.Result());
}

void RunWindow::Back() {
    if (mblnFinished || !mSession.CanGoBack()) return;
    mSession.Back();
    Shown();
}

// The page turns after the push is over: the pushed button belongs to the page.
void RunWindow::OnEvent(Dispatchable&, const EventDef& event, Args) {
    if (!EqualsNoCase(event.name, "CommandButtonPushed")) return;
    const bool back = mBack && BackButton()->GetSelectedOption() == "True";
    const bool next = NextButton().GetSelectedOption() == "True";
    if (!back && !next) return;
    if (mBack) BackButton()->SetSelectionOption(false);
    NextButton().SetSelectionOption(false);
    const std::weak_ptr<RunWindow> self = weak_from_this();
    const auto turn = [self, back] {
        const auto window = self.lock();
        if (!window) return;
        if (back)
            window->Back();
        else
            window->Next();
    };
    if (mHooks.later)
        mHooks.later(turn);
    else
        turn();
}

}  // namespace panelkit2::run
