#include "qt/qt_message_boxes.hpp"

#include <QApplication>
#include <QMessageBox>

#include "qt/text_positions.hpp"

namespace panelkit2::qt {

void QtMessageBoxes::Show(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, TextPositions::ToQString(title),
                    TextPositions::ToQString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (mfnModal) mfnModal(true);
    box.exec();
    if (mfnModal) mfnModal(false);
}

}  // namespace panelkit2::qt
