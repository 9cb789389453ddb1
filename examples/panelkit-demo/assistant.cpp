#include "examples/panelkit-demo/assistant.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/command.hpp"

namespace panelkit2::demo {

namespace {
struct Option {
    const char* caption;
    const char* onAction;
    const char* offAction;
};

struct Page {
    const char* caption;
    std::vector<Option> options;
};

const std::array<Page, 3> kPages = {{
    {"Step 1 of 3: Logging",
     {{"Enable logging", "log=on", "log=off"},
      {"Keep the log files of the last 30 days instead of the last 7", "retain=30", "retain=7"},
      {"Write a detailed trace of every request the service answers, for support cases", "trace=on",
       ""}}},
    {"Step 2 of 3: Updates",
     {{"Check for updates automatically", "updates=auto", "updates=manual"},
      {"Install security fixes without asking", "security=silent", "security=ask"},
      {"Include preview releases", "channel=preview", "channel=stable"}}},
    {"Step 3 of 3: Finish",
     {{"Create a desktop shortcut", "shortcut=on", ""},
      {"Open the settings when the assistant closes", "open=on", ""}}},
}};

// Twips: the heading strip, the caption below it, the page below the caption.
constexpr float kHeadingHeight = 900;
constexpr float kCaptionLeft = 300;
constexpr float kCaptionTop = 1000;
constexpr float kPageTop = 1400;
constexpr float kWindowWidth = 7800;
constexpr float kWindowHeight = 6300;
constexpr int16_t kCheck = static_cast<int16_t>(ControlID::Check);
constexpr int16_t kCommand = static_cast<int16_t>(ControlID::CommandButton);
}  // namespace

std::shared_ptr<Assistant> Assistant::Create(std::ostream& out,
                                             std::function<void(std::function<void()>)> later,
                                             std::function<void()> finished) {
    std::shared_ptr<Assistant> assistant(new Assistant(out, std::move(later), std::move(finished)));
    assistant->mPort.Advise(assistant);
    return assistant;
}

Assistant::Assistant(std::ostream& out, std::function<void(std::function<void()>)> later,
                     std::function<void()> finished)
    : mOut(out),
      mfnLater(std::move(later)),
      mfnFinished(std::move(finished)),
      mWindow("Assistant"),
      mHeading(&mWindow, "fraHeading"),
      mCaption(&mWindow, "lblCaption") {
    mHeading.BackColor(host::colors::White);
    mCaption.AutoSize(true);
    mPort.Surface().SetParent(&mWindow);
    mWindow.Resize.Connect([this] { LayOut(); });
    mWindow.Move(0, 0, kWindowWidth, kWindowHeight);
}

void Assistant::LayOut() {
    const float width = mWindow.Width();
    mHeading.Move(0, 0, width, kHeadingHeight);
    mCaption.Move(kCaptionLeft, kCaptionTop);
    mPort.Surface().Move(0, kPageTop, width, std::max(mWindow.Height() - kPageTop, 0.0f));
}

// The container is shown as the window system would announce it, then the first page.
void Assistant::Start() {
    mPort.Surface().Show.Emit();
    ShowPage(0);
}

void Assistant::ShowPage(size_t index) {
    mPage = index;
    const Page& page = kPages[index];
    mPort.NewCanvas();
    mCaption.Caption(page.caption);
    for (const Option& option : page.options)
        AddCheck(option.caption, option.onAction, option.offAction);
    if (index > 0) AddButton("< Back", "BACK");
    AddButton(index + 1 < kPages.size() ? "Next >" : "Finish", "NEXT");
    mPort.Position();
    mPort.ShowControls();
}

void Assistant::AddCheck(const std::string& caption, const std::string& onAction,
                         const std::string& offAction) {
    const ObjectRef control = mPort.GetNewControl(kCheck);
    auto& check = static_cast<Check&>(*control);
    check.SetCaption(caption);
    check.AddOption("TRUE");
    check.AddAction(onAction);
    check.AddOption("FALSE");
    if (!offAction.empty()) check.AddAction(offAction);
    mPort.AddControl(control);
}

void Assistant::AddButton(const std::string& caption, const std::string& action) {
    const ObjectRef control = mPort.GetNewControl(kCommand);
    auto& command = static_cast<Command&>(*control);
    command.SetCaption(caption);
    command.AddOption("TRUE");
    command.AddAction(action);
    mPort.AddControl(control);
}

// The page turns after the push is over: the pushed button belongs to the page.
void Assistant::OnEvent(Dispatchable& source, const EventDef& event, Args args) {
    (void)source;
    if (!EqualsNoCase(event.name, "CommandButtonPushed") || args.empty()) return;
    const std::string action = args[0].AsString();
    const std::weak_ptr<Assistant> self = weak_from_this();
    mfnLater([self, action] {
        const auto assistant = self.lock();
        if (!assistant) return;
        if (action == "NEXT") assistant->Next();
        if (action == "BACK") assistant->Back();
    });
}

void Assistant::Next() {
    mOut << mPort.GetSelectedActions() << std::endl;
    if (mPage + 1 < kPages.size())
        ShowPage(mPage + 1);
    else if (mfnFinished)
        mfnFinished();
}

void Assistant::Back() {
    if (mPage > 0) ShowPage(mPage - 1);
}

}  // namespace panelkit2::demo
