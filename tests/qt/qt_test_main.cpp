// Starts Qt offscreen (unless a platform is chosen) with the Fusion style, then runs the
// tests. A platform-less Qt program would abort, and so would test discovery.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QApplication>
#include <QDir>
#include <QStyle>
#include <cstdlib>
#include <string>

namespace {
void PrepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string dir =
            QDir::tempPath().toStdString() + "/panelkit2-runtime-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        chmod(dir.c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
    }
}
}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    const int result = RUN_ALL_TESTS();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
