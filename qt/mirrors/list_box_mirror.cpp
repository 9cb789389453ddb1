#include "qt/mirrors/list_box_mirror.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "panelkit2/toolkit/key_codes.hpp"
#include "qt/key_translation.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

namespace {
// A key may deliver several characters; the model takes one key press at a time.
std::string FirstCharacter(const QString& text) {
    return text.left(text.at(0).isHighSurrogate() ? 2 : 1).toStdString();
}
}  // namespace

QSize ListBoxDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (mintWidth > 0) size.setWidth(mintWidth);
    return size;
}

void ListBoxDelegate::initStyleOption(QStyleOptionViewItem* option,
                                      const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!mList.CaretVisible()) option->state &= ~QStyle::State_HasFocus;
}

QWidget* ListBoxMirror::CreateWidget(QWidget* parent) {
    auto* list = new QListWidget(parent);
    mDelegate = new ListBoxDelegate(mList, list);
    list->setItemDelegate(mDelegate);
    // Any pattern of selected entries must be showable; the model decides which.
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The model scrolls the focused entry into view itself (TopIndex).
    list->setAutoScroll(false);
    Watch(list->viewport());
    QObject::connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (Applying() || top == mList.TopIndex() || top >= mList.ListCount()) return;
        Forward([&] { mList.TopIndex(static_cast<int16_t>(top)); });
    });
    return list;
}

void ListBoxMirror::ApplyContent(uint32_t mask) {
    if (mask & Bit(host::WidgetProperty::List)) ShowEntries();
    if (mask & (Bit(host::WidgetProperty::Range) | Bit(host::WidgetProperty::Geometry) |
                Bit(host::WidgetProperty::List)))
        ShowHorizontalRange();
    ShowSelection();
}

// The model's list shows its whole width and scrolls over the extent beyond it: the
// entries are drawn that much wider than the part of the list Qt shows them in.
void ListBoxMirror::ShowHorizontalRange() {
    QListWidget* list = List();
    const int beyond = mList.HorizontalExtent() - list->width();
    const int width = beyond > 0 ? list->viewport()->width() + beyond : 0;
    list->setHorizontalScrollBarPolicy(beyond > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    mDelegate->EntryWidth(width);
    list->doItemsLayout();
}

void ListBoxMirror::ShowEntries() {
    QStringList entries;
    for (int16_t i = 0; i < mList.ListCount(); ++i)
        entries.append(TextPositions::ToQString(mList.List(i)));
    List()->clear();
    List()->addItems(entries);
}

void ListBoxMirror::ShowSelection() {
    QListWidget* list = List();
    const int16_t count = std::min<int16_t>(mList.ListCount(), static_cast<int16_t>(list->count()));
    for (int16_t i = 0; i < count; ++i) {
        QListWidgetItem* item = list->item(i);
        const bool selected = mList.Selected(i);
        if (item->isSelected() != selected) item->setSelected(selected);
    }
    const int16_t current = mList.ListIndex();
    if (current < count && list->currentRow() != current)
        list->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    // The focus rectangle follows the caret.
    list->viewport()->update();
    // Qt lays entries out lazily; the scroll range must cover the first shown entry.
    QScrollBar* scroll = list->verticalScrollBar();
    if (scroll->maximum() < mList.TopIndex()) list->doItemsLayout();
    if (mList.TopIndex() < count) scroll->setValue(mList.TopIndex());
}

bool ListBoxMirror::ForwardMouse(QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        const int row = List()->indexAt(mouse->position().toPoint()).row();
        if (row >= 0 && row < mList.ListCount()) {
            const int16_t shift = ShiftStateOf(mouse->modifiers());
            Forward([&] { mList.UserClickItem(static_cast<int16_t>(row), shift); });
        }
    }
    // Qt's own selection by mouse (drag-select, double click) would bypass the model.
    return true;
}

void ListBoxMirror::ForwardKey(const QKeyEvent& key) {
    const int16_t code = KeyCodeOf(key);
    const int16_t shift = ShiftStateOf(key.modifiers());
    const QString text = key.text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                       !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    Forward([&] {
        if (code != 0) mList.UserKeyDown(code, shift);
        if (typed) mList.UserKeyPress(host::key::KeyAsciiOf(FirstCharacter(text)));
    });
}

bool ListBoxMirror::FilterInput(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return watched == List()->viewport() && ForwardMouse(event);
        case QEvent::Resize:
            // The part Qt shows the entries in changed (a vertical scroll bar came or went).
            if (watched == List()->viewport()) ShowHorizontalRange();
            return false;
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (watched != List() || key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
                return false;
            ForwardKey(key);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace panelkit2::qt
