#include "qt/mirror.hpp"

#include <QEvent>
#include <QFocusEvent>

#include "panelkit2/toolkit/host.hpp"
#include "qt/accessible_name.hpp"
#include "qt/text_positions.hpp"

namespace panelkit2::qt {

namespace {
using P = host::WidgetProperty;

constexpr uint32_t kContentBits = Mirror::Bit(P::Text) | Mirror::Bit(P::Value) |
                                  Mirror::Bit(P::List) | Mirror::Bit(P::Selection) |
                                  Mirror::Bit(P::Range) | Mirror::Bit(P::Pressed) |
                                  Mirror::Bit(P::Geometry) | Mirror::Bit(P::ZOrder);

// What the accessible name is taken from: captions and tool tips, and where labels stand.
constexpr uint32_t kNamingBits = Mirror::Bit(P::Text) | Mirror::Bit(P::ToolTip) |
                                 Mirror::Bit(P::Geometry) | Mirror::Bit(P::Visible);

// Focus that a person moved: everything else is the view's own doing or Qt restoring
// focus when a window is activated.
bool IsUserFocusReason(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

// Writes a palette role; true when it changed.
bool SetRole(QPalette& palette, QPalette::ColorRole role, const QColor& color) {
    if (palette.color(QPalette::Active, role) == color &&
        palette.color(QPalette::Inactive, role) == color)
        return false;
    palette.setColor(role, color);
    return true;
}
}  // namespace

Mirror::Mirror(host::Widget& model, MirrorContext& context) : mModel(model), mContext(context) {}

Mirror::~Mirror() {
    delete mWidget.data();
}

void Mirror::Build(QWidget* parent) {
    mWidget = CreateWidget(parent);
    if (!parent) mWidget->setWindowFlags(WindowFlags());
    Watch(mWidget);
    Apply(kAll);
}

void Mirror::Rebuild() {
    QWidget* old = mWidget;
    QWidget* parent = old ? old->parentWidget() : nullptr;
    const bool focused = old && old->hasFocus();
    // The old widget may be delivering the input that caused the change.
    if (old) {
        old->hide();
        old->deleteLater();
    }
    Build(parent);
    if (focused) mWidget->setFocus(Qt::OtherFocusReason);
}

void Mirror::Retire() {
    mblnRetired = true;
    if (mWidget) mWidget->hide();
}

void Mirror::Watch(QObject* part) {
    part->installEventFilter(this);
}

void Mirror::Apply(uint32_t mask) {
    if (mblnRetired || !mWidget) return;
    ++mintApplying;
    if (mask & Bit(P::Colors)) ApplyColors();
    if (mask & Bit(P::Geometry)) ApplyGeometry();
    if (mask & kContentBits) ApplyContent(mask);
    if (mask & Bit(P::Enabled)) mWidget->setEnabled(mModel.Enabled());
    if (mask & Bit(P::ToolTip)) mWidget->setToolTip(TextPositions::ToQString(mModel.ToolTipText()));
    if (mask & kNamingBits) ApplyAccessibleName();
    if (mask & Bit(P::TabOrder)) ApplyFocusPolicy();
    // A kind may have replaced its QWidget while showing its content.
    if (mask & (Bit(P::Visible) | Bit(P::ZOrder))) ApplyVisible();
    if (mask & Bit(P::Focus)) ApplyFocus();
    if (mask & Bit(P::Refresh)) mWidget->update();
    --mintApplying;
}

// A window's Left and Top are its place on the screen; a child's are inside its parent.
void Mirror::ApplyGeometry() {
    const PixelScale scale = Scale();
    const QRect rect(scale.X(mModel.Left()), scale.Y(mModel.Top()), scale.Width(mModel.Width()),
                     scale.Height(mModel.Height()));
    if (IsWindow()) mAppliedWindowRect = rect;
    if (mWidget->geometry() != rect) mWidget->setGeometry(rect);
}

void Mirror::ApplyColors() {
    const ColorResolver& colors = mContext.Colors();
    const QColor back = colors.Resolve(mModel.BackColor());
    const QColor fore = colors.Resolve(mModel.ForeColor());
    QPalette palette = mWidget->palette();
    bool changed = false;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        changed |= SetRole(palette, role, back);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        changed |= SetRole(palette, role, fore);
    if (changed) mWidget->setPalette(palette);
    mWidget->setAutoFillBackground(FillsBackground());
}

void Mirror::ApplyAccessibleName() {
    const QString name = TextPositions::ToQString(AccessibleNameOf(mModel));
    if (mWidget->accessibleName() != name) mWidget->setAccessibleName(name);
}

void Mirror::ApplyVisible() {
    const bool visible = mModel.Visible();
    if (!IsWindow()) {
        if (mWidget->isVisibleTo(mWidget->parentWidget()) != visible) mWidget->setVisible(visible);
        return;
    }
    // Showing a window does not take the activation from the one the user works in.
    mWidget->setAttribute(Qt::WA_ShowWithoutActivating, mModel.Kind() == host::WidgetKind::Form);
    if (mWidget->isVisible() != visible) mWidget->setVisible(visible);
}

void Mirror::ApplyFocusPolicy() {
    const bool tab = TakesFocus() && mModel.TabStop();
    const bool click = TakesFocus() && TakesFocusByClick();
    if (tab && click)
        mWidget->setFocusPolicy(Qt::StrongFocus);
    else if (tab)
        mWidget->setFocusPolicy(Qt::TabFocus);
    else
        mWidget->setFocusPolicy(click ? Qt::ClickFocus : Qt::NoFocus);
}

void Mirror::ApplyFocus() {
    if (mModel.HasFocus()) {
        if (!mWidget->hasFocus()) mWidget->setFocus(Qt::OtherFocusReason);
    } else if (mWidget->hasFocus()) {
        mWidget->clearFocus();
    }
}

void Mirror::Forward(const std::function<void()>& input) {
    if (Applying() || mblnRetired) return;
    mContext.RunInput(input);
    if (!mblnRetired) Apply(kContentBits & ~Bit(P::List) & ~Bit(P::Pressed));
}

bool Mirror::eventFilter(QObject* watched, QEvent* event) {
    if (mblnRetired || Applying()) return false;
    if (watched == mWidget) {
        switch (event->type()) {
            case QEvent::FocusIn:
                ForwardFocusIn(event);
                break;
            case QEvent::Move:
                if (IsWindow()) ForwardWindowMove();
                break;
            case QEvent::Resize:
                if (IsWindow()) ForwardWindowResize();
                break;
            default:
                break;
        }
    }
    return FilterInput(watched, event);
}

void Mirror::ForwardFocusIn(const QEvent* event) {
    const auto* focus = static_cast<const QFocusEvent*>(event);
    if (!IsUserFocusReason(focus->reason()) || mModel.HasFocus()) return;
    mContext.RunInput([this] { mModel.SetFocus(); });
}

// The user dragged the window: the host reports the move to whoever watches the window.
void Mirror::ForwardWindowMove() {
    const QPoint at = mWidget->geometry().topLeft();
    const PixelScale scale = Scale();
    const QPoint model(scale.X(mModel.Left()), scale.Y(mModel.Top()));
    if (at == model || at == mAppliedWindowRect.topLeft()) return;
    mContext.RunInput([&] { MoveWindowByUser(scale.TwipsX(at.x()), scale.TwipsY(at.y())); });
}

void Mirror::MoveWindowByUser(float left, float top) {
    host::Host::Current().MoveWindow(mModel, left, top);
}

// The user resized the window: the surface takes the size and lays itself out.
void Mirror::ForwardWindowResize() {
    const QSize size = mWidget->size();
    const PixelScale scale = Scale();
    const QSize model(scale.Width(mModel.Width()), scale.Height(mModel.Height()));
    if (size == model || size == mAppliedWindowRect.size()) return;
    mContext.RunInput([&] {
        mModel.Move(mModel.Left(), mModel.Top(), scale.TwipsX(size.width()),
                    scale.TwipsY(size.height()));
    });
}

}  // namespace panelkit2::qt
