#include "qt/mirrors/up_down_mirror.hpp"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace panelkit2::qt {

QToolButton* UpDownMirror::CreateButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    // Spin buttons are often smaller than a tool button likes to be.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

QWidget* UpDownMirror::CreateWidget(QWidget* parent) {
    auto* pair = new QWidget(parent);
    auto* layout = new QVBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    mUp = CreateButton(pair, Qt::UpArrow);
    mDown = CreateButton(pair, Qt::DownArrow);
    layout->addWidget(mUp);
    layout->addWidget(mDown);
    QObject::connect(mUp, &QToolButton::clicked, this,
                     [this] { Forward([this] { mSpin.UserUp(); }); });
    QObject::connect(mDown, &QToolButton::clicked, this,
                     [this] { Forward([this] { mSpin.UserDown(); }); });
    return pair;
}

bool UpDownMirror::FilterInput(QObject* watched, QEvent* event) {
    if (watched != Widget() || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up)
        Forward([this] { mSpin.UserUp(); });
    else if (key == Qt::Key_Down)
        Forward([this] { mSpin.UserDown(); });
    else
        return false;
    return true;
}

}  // namespace panelkit2::qt
