#include "examples/panelkit-demo/assistant.hpp"

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/range/num_box.hpp"

namespace panelkit2::demo {

struct Choice {
    const char* caption;
    const char* action;
};

// One of several options, the first selected until the user picks another.
struct OptionsItem {
    const char* caption;
    std::vector<Choice> choices;
};

// Captioned drop-down lists stacked in one control, each starting on its first entry. The
// page aligns the lists by the first caption's width, so that caption is the longest.
struct ListsItem {
    struct List {
        const char* caption;
        std::vector<Choice> entries;
    };
    std::vector<List> lists;
};

// Named positions on a track, each with its action and an optional help text; the page
// opens on `selected`, whose help shows at once.
struct SlideItem {
    struct Tick {
        const char* caption;
        const char* action;
        const char* help;
    };
    const char* caption;
    std::vector<Tick> ticks;
    const char* selected;
};

// A whole number in a range, with actions for sub-ranges of it.
struct NumberItem {
    struct SubRange {
        int32_t min;
        int32_t max;
        const char* action;
    };
    const char* caption;
    int32_t min;
    int32_t max;
    int32_t value;
    std::vector<SubRange> subRanges;
};

namespace {
struct CheckItem {
    const char* caption;
    const char* onAction;
    const char* offAction;
};

using Item = std::variant<CheckItem, OptionsItem, ListsItem, SlideItem, NumberItem>;

struct Page {
    const char* caption;
    std::vector<Item> items;
};

const std::array<Page, 6> kPages = {{
    {"Step 1 of 6: Logging",
     {CheckItem{"Enable logging", "log=on", "log=off"},
      CheckItem{"Keep the log files of the last 30 days instead of the last 7", "retain=30",
                "retain=7"},
      CheckItem{"Write a detailed trace of every request the service answers, for support cases",
                "trace=on", ""}}},
    {"Step 2 of 6: Log level",
     {OptionsItem{"How much should the service write to its log?",
                  {{"Errors only", "level=error"},
                   {"Warnings and errors", "level=warning"},
                   {"Information, warnings and errors", "level=info"},
                   {"Everything, including debugging details for support cases", "level=debug"}}}}},
    {"Step 3 of 6: Updates",
     {CheckItem{"Check for updates automatically", "updates=auto", "updates=manual"},
      CheckItem{"Install security fixes without asking", "security=silent", "security=ask"},
      CheckItem{"Include preview releases", "channel=preview", "channel=stable"}}},
    {"Step 4 of 6: Region and language",
     {ListsItem{{{"Country or region",
                  {{"United Kingdom", "region=gb"},
                   {"United States", "region=us"},
                   {"Germany", "region=de"},
                   {"Japan", "region=jp"}}},
                 {"Language",
                  {{"English", "lang=en"},
                   {"German", "lang=de"},
                   {"French", "lang=fr"},
                   {"Japanese", "lang=ja"}}},
                 {"Date format",
                  {{"31/12/2026", "date=dmy"},
                   {"12/31/2026", "date=mdy"},
                   {"2026-12-31", "date=iso"}}}}}}},
    {"Step 5 of 6: Backups",
     {SlideItem{"How long should backups be kept?",
                {{"A day", "keep=1d", ""},
                 {"A week", "keep=7d", "Seven daily copies, about 1 GB"},
                 {"A month", "keep=30d", "Thirty daily copies, about 4 GB"},
                 {"A year", "keep=365d", "Daily copies for a month, then one a month"}},
                "A week"},
      NumberItem{"Port of the backup server",
                 1,
                 65535,
                 8873,
                 {{1, 1023, "port=system"},
                  {1024, 49151, "port=registered"},
                  {49152, 65535, "port=private"}}}}},
    {"Step 6 of 6: Finish",
     {CheckItem{"Create a desktop shortcut", "shortcut=on", ""},
      CheckItem{"Open the settings when the assistant closes", "open=on", ""}}},
}};

// Twips: the heading strip, the caption below it, the page below the caption.
constexpr float kHeadingHeight = 900;
constexpr float kCaptionLeft = 300;
constexpr float kCaptionTop = 1000;
constexpr float kPageTop = 1400;
constexpr float kWindowWidth = 7800;
constexpr float kWindowHeight = 6300;
constexpr int16_t kCheck = static_cast<int16_t>(ControlID::Check);
constexpr int16_t kRadio = static_cast<int16_t>(ControlID::Radio);
constexpr int16_t kCombo = static_cast<int16_t>(ControlID::Combo);
constexpr int16_t kSlide = static_cast<int16_t>(ControlID::Slide);
constexpr int16_t kNumBox = static_cast<int16_t>(ControlID::NumBox);
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

size_t Assistant::PageCount() {
    return kPages.size();
}

void Assistant::ShowPage(size_t index) {
    mPage = index;
    const Page& page = kPages[index];
    // A help popup belongs to the page it was offered on.
    mPort.HideAllPopUps();
    mPort.NewCanvas();
    mCaption.Caption(page.caption);
    for (const Item& item : page.items) {
        if (const auto* check = std::get_if<CheckItem>(&item))
            AddCheck(check->caption, check->onAction, check->offAction);
        else if (const auto* options = std::get_if<OptionsItem>(&item))
            AddOptions(*options);
        else if (const auto* lists = std::get_if<ListsItem>(&item))
            AddLists(*lists);
        else if (const auto* slide = std::get_if<SlideItem>(&item))
            AddSlide(*slide);
        else
            AddNumber(std::get<NumberItem>(item));
    }
    if (index > 0) AddButton("< Back", "BACK");
    AddButton(index + 1 < kPages.size() ? "Next >" : "Finish", "NEXT");
    mPort.Position();
    mPort.ShowControls();
    for (const auto& [slide, selected] : mSelections) slide->SetSelectedOption(selected);
    mSelections.clear();
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

void Assistant::AddOptions(const OptionsItem& item) {
    const ObjectRef control = mPort.GetNewControl(kRadio);
    auto& radio = static_cast<Radio&>(*control);
    radio.SetCaption(item.caption);
    for (const Choice& choice : item.choices) {
        radio.AddOption(choice.caption);
        radio.AddAction(choice.action);
    }
    mPort.AddControl(control);
}

// Every list exists before the first entry: a list added later starts as a copy of the
// first one, entries included.
void Assistant::AddLists(const ListsItem& item) {
    const ObjectRef control = mPort.GetNewControl(kCombo);
    auto& combo = static_cast<Combo&>(*control);
    combo.ArrayCount(static_cast<int16_t>(item.lists.size()));
    for (size_t i = 0; i < item.lists.size(); ++i) {
        auto list = static_cast<int16_t>(i);
        combo.Caption(list, item.lists[i].caption);
        for (const Choice& entry : item.lists[i].entries) {
            combo.AddItem(list, entry.caption);
            auto added = static_cast<int16_t>(combo.ItemCount(list) - 1);
            combo.Action(list, added, entry.action);
        }
    }
    mPort.AddControl(control);
}

// The tick to open on is selected once the page is shown, so that its help appears.
void Assistant::AddSlide(const SlideItem& item) {
    const ObjectRef control = mPort.GetNewControl(kSlide);
    auto& slide = static_cast<Slide&>(*control);
    slide.SetCaption(item.caption);
    for (const SlideItem::Tick& tick : item.ticks) {
        slide.AddTick(tick.caption);
        slide.AddAction(tick.action);
        if (*tick.help) slide.AddHelp(tick.help);
    }
    mPort.AddControl(control);
    mSelections.emplace_back(std::static_pointer_cast<Slide>(control), item.selected);
}

void Assistant::AddNumber(const NumberItem& item) {
    const ObjectRef control = mPort.GetNewControl(kNumBox);
    auto& box = static_cast<NumBox&>(*control);
    box.SetCaption(item.caption);
    box.Min(item.min);
    box.Max(item.max);
    for (const NumberItem::SubRange& range : item.subRanges)
        box.SetConditionalAction(range.min, range.max, range.action);
    box.Value(item.value);
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
