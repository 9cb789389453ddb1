// panelkit-demo: the assistant in a real window. Next prints the page's actions.
//   panelkit-demo                     run it (offscreen when there is no display)
//   panelkit-demo --screenshot FILE   draw the first page offscreen into a PNG, print its
//                                     actions and exit
//   panelkit-demo --screenshot-all DIR
//                                     draw every page offscreen into DIR/page-1.png ...,
//                                     in page order (a help popup showing included), and exit
//   panelkit-demo --gallery DIR       draw one field of each kind alone into DIR/<kind>.png

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QMetaObject>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <iostream>
#include <string>

#include "examples/panelkit-demo/assistant.hpp"
#include "qt/view.hpp"

namespace {

struct Options {
    bool screenshot = false;
    bool allPages = false;
    bool gallery = false;
    QString file;
    bool valid = true;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--screenshot" && i + 1 < argc) {
            options.screenshot = true;
            options.file = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--gallery" && i + 1 < argc) {
            options.screenshot = true;
            options.gallery = true;
            options.file = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--screenshot-all" && i + 1 < argc) {
            options.screenshot = true;
            options.allPages = true;
            options.file = QString::fromLocal8Bit(argv[++i]);
        } else {
            options.valid = false;
        }
    }
    return options;
}

// Without a display (or for a screenshot) Qt draws offscreen; it wants a private runtime
// directory either way.
void PrepareEnvironment(bool offscreen) {
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (offscreen || (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string dir =
            QDir::tempPath().toStdString() + "/panelkit2-runtime-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        chmod(dir.c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
    }
}

// The view shows the page and the event loop passes once, so the window is painted as a
// person would see it.
// A help popup floats in a window of its own above the page: it is drawn over the page's
// image where it stands on the screen.
void DrawPopup(panelkit2::qt::View& view, panelkit2::demo::Assistant& assistant, QWidget& shown,
               QPixmap& image) {
    QWidget* popup = view.WidgetOf(assistant.Port().HelpPopup().PopupForm());
    if (!popup || !popup->isVisible()) return;
    QPainter painter(&image);
    painter.drawPixmap(popup->pos() - shown.mapToGlobal(QPoint(0, 0)), popup->grab());
}

int SaveScreenshot(panelkit2::qt::View& view, panelkit2::demo::Assistant& assistant,
                   const QString& file) {
    view.Sync();
    QCoreApplication::processEvents();
    QWidget* shown = view.WidgetOf(assistant.Window());
    if (!shown) {
        std::cerr << "panelkit-demo: cannot write " << file.toStdString() << "\n";
        return 1;
    }
    QPixmap image = shown->grab();
    DrawPopup(view, assistant, *shown, image);
    if (!image.save(file, "PNG")) {
        std::cerr << "panelkit-demo: cannot write " << file.toStdString() << "\n";
        return 1;
    }
    return 0;
}

int SaveAllPages(panelkit2::qt::View& view, panelkit2::demo::Assistant& assistant,
                 const QString& dir) {
    if (!QDir().mkpath(dir)) {
        std::cerr << "panelkit-demo: cannot create " << dir.toStdString() << "\n";
        return 1;
    }
    for (size_t page = 0; page < panelkit2::demo::Assistant::PageCount(); ++page) {
        assistant.ShowPage(page);
        const QString file = QDir(dir).filePath(QString("page-%1.png").arg(page + 1));
        if (const int status = SaveScreenshot(view, assistant, file); status != 0) return status;
    }
    return 0;
}

int SaveGallery(panelkit2::qt::View& view, panelkit2::demo::Assistant& assistant,
                const QString& dir) {
    if (!QDir().mkpath(dir)) {
        std::cerr << "panelkit-demo: cannot create " << dir.toStdString() << "\n";
        return 1;
    }
    const auto& gallery = panelkit2::demo::Gallery();
    for (size_t entry = 0; entry < gallery.size(); ++entry) {
        assistant.ShowGalleryEntry(entry);
        const QString file = QDir(dir).filePath(QString(gallery[entry].kind).toLower() + ".png");
        if (const int status = SaveScreenshot(view, assistant, file); status != 0) return status;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    if (!options.valid) {
        std::cerr
            << "usage: panelkit-demo [--screenshot FILE | --screenshot-all DIR | --gallery DIR]\n";
        return 2;
    }
    PrepareEnvironment(options.screenshot);
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    // The view first: the controls then lay themselves out with Qt's font.
    panelkit2::qt::View view;
    const auto later = [](std::function<void()> step) {
        QMetaObject::invokeMethod(qApp, std::move(step), Qt::QueuedConnection);
    };
    const auto assistant =
        panelkit2::demo::Assistant::Create(std::cout, later, [] { QApplication::quit(); });
    view.Attach(assistant->Window(), "PanelKit2 demo");
    assistant->Start();
    if (options.allPages) return SaveAllPages(view, *assistant, options.file);
    if (options.gallery) return SaveGallery(view, *assistant, options.file);
    if (options.screenshot) {
        const int status = SaveScreenshot(view, *assistant, options.file);
        if (status == 0) std::cout << assistant->SelectedActions() << std::endl;
        return status;
    }
    return QApplication::exec();
}
