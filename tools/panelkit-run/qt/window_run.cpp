#include "tools/panelkit-run/qt/window_run.hpp"

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QMetaObject>
#include <QPainter>
#include <QPixmap>

#include "qt/view.hpp"
#include "tools/panelkit-run/qt/window_keys.hpp"

namespace panelkit2::run {

namespace {

// The offscreen platform cannot raise a window and says so for every help popup; nothing
// drawn depends on it.
QtMessageHandler gPassOn = nullptr;
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()"))) return;
    if (gPassOn) gPassOn(type, context, message);
}

// Qt wants a private runtime folder; pictures are drawn offscreen.
void PrepareQt(bool offscreen) {
    gPassOn = qInstallMessageHandler(QuietOffscreen);
    if (offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QByteArray runtime =
        QDir::temp().filePath(QString("panelkit-run-%1").arg(getuid())).toLocal8Bit();
    mkdir(runtime.constData(), 0700);
    chmod(runtime.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", runtime);
}

void RunLater(std::function<void()> step) {
    QMetaObject::invokeMethod(qApp, std::move(step), Qt::QueuedConnection);
}

// The window as a person sees it: a help popup floats in a window of its own above the
// page and is drawn where it stands.
QPixmap Picture(qt::View& view, RunWindow& window) {
    view.Sync();
    QCoreApplication::processEvents();
    QWidget* shown = view.WidgetOf(window.Window());
    if (!shown) return {};
    QPixmap picture = shown->grab();
    QWidget* popup = view.WidgetOf(window.Port().HelpPopup().PopupForm());
    if (popup && popup->isVisible()) {
        QPainter painter(&picture);
        painter.drawPixmap(popup->mapToGlobal(QPoint(0, 0)) - shown->mapToGlobal(QPoint(0, 0)),
                           popup->grab());
    }
    return picture;
}

QString PictureName(size_t step, const std::string& pageId) {
    return QString("%1-%2.png").arg(step, 2, 10, QChar('0')).arg(QString::fromStdString(pageId));
}

}  // namespace

bool WindowPossible() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::optional<RunResult> RunInWindow(const Assistant& assistant, const Answers& answers, int& argc,
                                     char** argv) {
    PrepareQt(false);
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    // The view first: the controls then lay themselves out with Qt's font.
    qt::View view;
    std::optional<RunResult> result;
    std::unique_ptr<WindowKeys> keys;
    const auto window = RunWindow::Create(assistant, answers,
                                          {.later = RunLater,
                                           .pageShown =
                                               [&] {
                                                   view.Sync();
                                                   if (keys) keys->PageShown();
                                               },
                                           .finished =
                                               [&](const RunResult& finished) {
                                                   result = finished;
                                                   QApplication::quit();
                                               }});
    view.Attach(window->Window(), QString::fromStdString(assistant.title));
    view.Sync();
    keys = std::make_unique<WindowKeys>(view, *window);
    keys->OnEscape([] { QApplication::quit(); });
    window->Start();
    QApplication::exec();
    return result;
}

std::string DrawPages(const Assistant& assistant, const Answers& answers, const std::string& dir,
                      int& argc, char** argv) {
    PrepareQt(true);
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    qt::View view;
    const auto window = RunWindow::Create(assistant, answers, {});
    view.Attach(window->Window(), QString::fromStdString(assistant.title));
    view.Sync();
    const QDir folder(QString::fromStdString(dir));
    if (!QDir().mkpath(folder.path())) return dir + ": cannot create the folder";
    window->Start();
    for (size_t step = 1; !window->Finished(); ++step) {
        const QString file = folder.filePath(PictureName(step, window->Run().CurrentPage().id));
        if (!Picture(view, *window).save(file, "PNG")) return file.toStdString() + ": cannot write";
        window->Next();
    }
    return {};
}

}  // namespace panelkit2::run
