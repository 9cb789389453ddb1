#include "qt/mirrors/wrap_label_mirror.hpp"

#include <QMouseEvent>

#include "qt/key_translation.hpp"
#include "qt/mirrors/lines_widget.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

namespace {
int16_t ButtonsOf(Qt::MouseButtons buttons) {
    int16_t result = 0;
    if (buttons & Qt::LeftButton) result |= host::WrapLabel::LeftButton;
    if (buttons & Qt::RightButton) result |= host::WrapLabel::RightButton;
    if (buttons & Qt::MiddleButton) result |= host::WrapLabel::MiddleButton;
    return result;
}
}  // namespace

QWidget* WrapLabelMirror::CreateWidget(QWidget* parent) {
    auto* label = new LinesWidget(parent);
    label->setMouseTracking(true);
    return label;
}

// The wrapped lines depend on the width as much as on the text. They are asked of the
// model when the label is painted or read: of a page of captions only those in sight are.
void WrapLabelMirror::ApplyContent(uint32_t mask) {
    const bool resized =
        (mask & Bit(host::WidgetProperty::Geometry)) && mLabel.Width() != msngWrappedWidth;
    if (!(mask & Bit(host::WidgetProperty::Text)) && !resized) return;
    msngWrappedWidth = mLabel.Width();
    static_cast<LinesWidget*>(Widget())->Invalidate([this]() -> std::optional<QStringList> {
        if (Retired() || !Context().ModelSettled()) return std::nullopt;
        QStringList lines;
        for (const std::string& line : mLabel.WrappedLines())
            lines.append(TextPositions::ToQString(line));
        return lines;
    });
}

// A double click arrives from Qt as a second press; the label takes it as one, so a
// double click is two clicks.
bool WrapLabelMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget()) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const PixelScale scale = Scale();
    const QPoint at = mouse->position().toPoint();
    const float x = scale.TwipsX(at.x());
    const float y = scale.TwipsY(at.y());
    const int16_t shift = ShiftStateOf(mouse->modifiers());
    Forward([&] {
        if (type == QEvent::MouseMove)
            mLabel.UserMouseMove(ButtonsOf(mouse->buttons()), shift, x, y);
        else if (type == QEvent::MouseButtonRelease)
            mLabel.UserMouseUp(ButtonsOf(mouse->button()), shift, x, y);
        else
            mLabel.UserMouseDown(ButtonsOf(mouse->button()), shift, x, y);
    });
    return true;
}

}  // namespace panelkit2::qt
