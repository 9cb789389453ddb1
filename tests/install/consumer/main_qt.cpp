// The view's headers as installed: "qt/view.hpp" resolves under include/panelkit2.

#include <QApplication>

#include "panelkit2/choice/check.hpp"
#include "qt/view.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    panelkit2::qt::View view;
    panelkit2::Check check;
    view.Attach(check.Surface());
    view.Sync();
    return view.MirroredCount() > 0 ? 0 : 1;
}
