#include "examples/panelkit-demo/assistant.hpp"

#include <algorithm>

#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/list.hpp"
#include "panelkit2/choice/multi_list.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/choice/string_box.hpp"
#include "panelkit2/choice/text_area.hpp"
#include "panelkit2/range/continuous_slide.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/range/real_num_box.hpp"
#include "panelkit2/range/slide.hpp"

namespace panelkit2::demo {

namespace {
// Twips: the heading strip on top, the page below it.
constexpr float kHeadingHeight = 2500;
constexpr float kPageTop = 2550;
constexpr float kWindowWidth = 9000;
constexpr float kWindowHeight = 9300;

// A number field's range, its sub-ranges with their actions, then its value.
template <class Field, class T>
void FillNumber(Field& field, const NumberItem<T>& item) {
    field.SetCaption(item.caption);
    field.Min(item.min);
    field.Max(item.max);
    for (const SubRange<T>& range : item.subRanges)
        field.SetConditionalAction(range.min, range.max, range.action);
    field.Value(item.value);
}
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
      mWindow("Assistant") {
    mHeading.BackColor(host::colors::White);
    mHeading.Surface().SetParent(&mWindow);
    mPort.Surface().SetParent(&mWindow);
    mWindow.Resize.Connect([this] { LayOut(); });
    mWindow.Move(0, 0, kWindowWidth, kWindowHeight);
}

void Assistant::LayOut() {
    const float width = mWindow.Width();
    mHeading.Surface().Move(0, 0, width, kHeadingHeight);
    mPort.Surface().Move(0, kPageTop, width, std::max(mWindow.Height() - kPageTop, 0.0f));
}

// The container is shown as the window system would announce it, then the first page.
void Assistant::Start() {
    mPort.Surface().Show.Emit();
    ShowPage(0);
}

size_t Assistant::PageCount() {
    return Pages().size();
}

void Assistant::ShowPage(size_t index) {
    mPage = index;
    const Page& page = Pages()[index];
    ShowHeading("Step " + std::to_string(index + 1) + " of " + std::to_string(PageCount()) + ": " +
                    page.title,
                page.lines);
    ShowItems(page.items, true);
}

void Assistant::ShowGalleryEntry(size_t index) {
    const GalleryEntry& entry = Gallery()[index];
    ShowHeading(entry.kind, {"One field of this kind on a page of its own."});
    ShowItems({entry.item}, false);
}

// A help popup belongs to the page it was offered on. The buttons of an assistant page
// come last; a gallery page has none.
void Assistant::ShowItems(const std::vector<Item>& items, bool withButtons) {
    mPort.HideAllPopUps();
    mPort.NewCanvas();
    for (const Item& item : items) std::visit([this](const auto& field) { Add(field); }, item);
    if (withButtons) {
        if (mPage > 0) AddButton("< Back", "BACK");
        AddButton(mPage + 1 < PageCount() ? "Next >" : "Finish", "NEXT");
    }
    mPort.Position();
    mPort.ShowControls();
    for (const auto& choose : mAfterShow) choose();
    mAfterShow.clear();
}

// The title, then the lines as a list.
void Assistant::ShowHeading(const std::string& title, const std::vector<const char*>& lines) {
    mHeading.Clear();
    mHeading.AddText(title);
    mHeading.AddList();
    for (const char* line : lines) mHeading.AddItem(line);
    mHeading.Reposition();
}

ObjectRef Assistant::NewControl(ControlID kind) {
    return mPort.GetNewControl(static_cast<int16_t>(kind));
}

void Assistant::Add(const CheckItem& item) {
    const ObjectRef control = NewControl(ControlID::Check);
    auto& check = static_cast<Check&>(*control);
    check.SetCaption(item.caption);
    check.AddOption("TRUE");
    check.AddAction(item.onAction);
    check.AddOption("FALSE");
    if (*item.offAction) check.AddAction(item.offAction);
    mPort.AddControl(control);
}

void Assistant::Add(const OptionsItem& item) {
    const ObjectRef control = NewControl(ControlID::Radio);
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
void Assistant::Add(const ListsItem& item) {
    const ObjectRef control = NewControl(ControlID::Combo);
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

void Assistant::Add(const ListItem& item) {
    const ObjectRef control = NewControl(item.multiple ? ControlID::MultiList : ControlID::List);
    auto& list = static_cast<ItemList&>(*control);
    list.Caption(item.caption);
    for (const Choice& entry : item.entries) {
        list.AddOption(entry.caption);
        list.AddAction(entry.action);
    }
    if (item.multiple)
        static_cast<MultiList&>(list).SetSelectedOption(item.selected);
    else
        static_cast<List&>(list).SetSelectedOption(item.selected);
    mPort.AddControl(control);
}

// Each row's text is set in its field, as typed.
void Assistant::Add(const RowsItem& item) {
    const ObjectRef control = NewControl(ControlID::StringBox);
    auto& rows = static_cast<StringBox&>(*control);
    for (const RowsItem::Row& row : item.rows) {
        rows.AddOption(row.caption);
        rows.AddAction(row.action);
    }
    for (size_t i = 0; i < item.rows.size(); ++i)
        rows.TextFields()[static_cast<int32_t>(i)].Text(item.rows[i].text);
    mPort.AddControl(control);
}

void Assistant::Add(const TextItem& item) {
    const ObjectRef control = NewControl(ControlID::TextArea);
    auto& area = static_cast<TextArea&>(*control);
    area.SetCaption(item.caption);
    area.AddAction(item.action);
    area.Text(item.text);
    mPort.AddControl(control);
}

void Assistant::Add(const SlideItem& item) {
    const ObjectRef control = NewControl(ControlID::Slide);
    auto& slide = static_cast<Slide&>(*control);
    slide.SetCaption(item.caption);
    for (const SlideItem::Tick& tick : item.ticks) {
        slide.AddTick(tick.caption);
        slide.AddAction(tick.action);
        if (*tick.help) slide.AddHelp(tick.help);
    }
    mPort.AddControl(control);
    const auto shared = std::static_pointer_cast<Slide>(control);
    mAfterShow.push_back(
        [shared, selected = item.selected] { shared->SetSelectedOption(selected); });
}

void Assistant::Add(const ShareItem& item) {
    const ObjectRef control = NewControl(ControlID::ContinuousSlide);
    auto& slide = static_cast<ContinuousSlide&>(*control);
    slide.SetCaption(item.caption);
    slide.SetDecimalPlace(item.decimals);
    slide.DefaultMin(item.min);
    slide.DefaultMax(item.max);
    for (const SubRange<float>& range : item.subRanges) {
        slide.AddOption(range.min, range.max);
        slide.AddAction(range.action);
        if (*range.help) slide.AddHelp(range.help);
    }
    mPort.AddControl(control);
    const auto shared = std::static_pointer_cast<ContinuousSlide>(control);
    mAfterShow.push_back([shared, value = item.value] { shared->SetSlideValue(value); });
}

void Assistant::Add(const NumberItem<int32_t>& item) {
    const ObjectRef control = NewControl(ControlID::NumBox);
    FillNumber(static_cast<NumBox&>(*control), item);
    mPort.AddControl(control);
}

void Assistant::Add(const NumberItem<float>& item) {
    const ObjectRef control = NewControl(ControlID::RealNumBox);
    FillNumber(static_cast<RealNumBox&>(*control), item);
    mPort.AddControl(control);
}

void Assistant::AddButton(const std::string& caption, const std::string& action) {
    const ObjectRef control = NewControl(ControlID::CommandButton);
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
    if (mPage + 1 < PageCount())
        ShowPage(mPage + 1);
    else if (mfnFinished)
        mfnFinished();
}

void Assistant::Back() {
    if (mPage > 0) ShowPage(mPage - 1);
}

}  // namespace panelkit2::demo
