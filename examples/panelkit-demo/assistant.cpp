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

namespace {
struct CheckItem {
    const char* caption;
    const char* onAction;
    const char* offAction;
};

using Item = std::variant<CheckItem, OptionsItem, ListsItem>;

struct Page {
    const char* caption;
    std::vector<Item> items;
};

const std::array<Page, 5> kPages = {{
    {"Step 1 of 5: Logging",
     {CheckItem{"Enable logging", "log=on", "log=off"},
      CheckItem{"Keep the log files of the last 30 days instead of the last 7", "retain=30",
                "retain=7"},
      CheckItem{"Write a detailed trace of every request the service answers, for support cases",
                "trace=on", ""}}},
    {"Step 2 of 5: Log level",
     {OptionsItem{"How much should the service write to its log?",
                  {{"Errors only", "level=error"},
                   {"Warnings and errors", "level=warning"},
                   {"Information, warnings and errors", "level=info"},
                   {"Everything, including debugging details for support cases", "level=debug"}}}}},
    {"Step 3 of 5: Updates",
     {CheckItem{"Check for updates automatically", "updates=auto", "updates=manual"},
      CheckItem{"Install security fixes without asking", "security=silent", "security=ask"},
      CheckItem{"Include preview releases", "channel=preview", "channel=stable"}}},
    {"Step 4 of 5: Region and language",
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
    {"Step 5 of 5: Finish",
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
    mPort.NewCanvas();
    mCaption.Caption(page.caption);
    for (const Item& item : page.items) {
        if (const auto* check = std::get_if<CheckItem>(&item))
            AddCheck(check->caption, check->onAction, check->offAction);
        else if (const auto* options = std::get_if<OptionsItem>(&item))
            AddOptions(*options);
        else
            AddLists(std::get<ListsItem>(item));
    }
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
