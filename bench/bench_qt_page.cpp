// A page turn with the Qt view attached, offscreen: NewCanvas, the next page of captioned
// checks with Back and Next buttons, laid out, shown and its actions collected, then one
// pass of the event loop (layout requests, painting what the window shows). Beside it the
// same page written with plain Qt widgets and layouts in a scroll area (a new page widget
// per turn, as a hand-written assistant builds its pages), in a window of the same size,
// and the page turn of the model alone. Every page has captions of its own, so remembered
// text widths help only within a page.
//
// Both sides do the same work per turn: a page of the same captioned checks and two
// buttons, laid out, shown in a 520 x 420 window and its checked actions collected, then
// the same single pass of the event loop, which paints only what the window shows (the
// page's first rows on both sides). The view asks for its repaint while it shows a page,
// so its pass paints the page of the turn before: one page painted per turn on each side.
// The plain side builds new widgets each turn, as hand-written pages do; the view reuses
// the QWidgets of the controls the container reuses.

#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/container/control_port.hpp"
#include "panelkit2/toolkit/user_control.hpp"
#include "qt/view.hpp"

namespace {

using panelkit2::Check;
using panelkit2::Command;
using panelkit2::ControlPort;

std::string Caption(int64_t page, int64_t i) {
    return "Option number " + std::to_string(i) + " of page " + std::to_string(page);
}

// --- The page on the toolkit model --------------------------------------------------

void AddCheck(ControlPort& port, int64_t page, int64_t i) {
    panelkit2::ObjectRef control = port.GetNewControl(0);
    auto& check = static_cast<Check&>(*control);
    check.SetCaption(Caption(page, i));
    check.AddOption("TRUE");
    check.AddAction("on" + std::to_string(i));
    check.AddOption("FALSE");
    port.AddControl(control);
}

void AddButton(ControlPort& port, const char* caption, const char* action) {
    panelkit2::ObjectRef control = port.GetNewControl(2);
    auto& command = static_cast<Command&>(*control);
    command.SetCaption(caption);
    command.AddOption("TRUE");
    command.AddAction(action);
    port.AddControl(control);
}

void TurnModelPage(ControlPort& port, int64_t page, int64_t fields) {
    port.NewCanvas();
    for (int64_t i = 0; i < fields; ++i) AddCheck(port, page, i);
    AddButton(port, "< Back", "BACK");
    AddButton(port, "Next >", "NEXT");
    port.Position();
    port.ShowControls();
    benchmark::DoNotOptimize(port.GetSelectedActions());
}

// A 520 x 420 pixel window holding a container taller than the page: the scroll bar's
// Integer range could not scroll 1,000 rows. The container centres a page that fits, so
// once the first page is laid out it is moved up until the page's first rows are in the
// window, as on the plain side.
struct ModelPage {
    explicit ModelPage(int64_t fields) : window("Window") {
        port.Surface().SetParent(&window);
        window.Move(0, 0, 7800, 6300);
        port.Surface().Move(0, 0, 7800, static_cast<float>(500 * fields + 2000));
    }
    void ShowTopOfPage() {
        panelkit2::host::Widget& surface = port.Surface();
        float top = surface.Height();
        for (const panelkit2::host::Widget* row : port.ScrollAreaFrame().Children()) {
            if (!row->Visible()) continue;
            float y = 0;
            for (const panelkit2::host::Widget* at = row; at && at != &surface; at = at->Parent())
                y += at->Top();
            top = std::min(top, y);
        }
        surface.Top(150 - top);
    }
    panelkit2::host::UserControl window;
    ControlPort port;
};

void BM_ModelPageTurn(benchmark::State& state) {
    panelkit2::host::Host::Current().ResetServices();
    ModelPage page(state.range(0));
    int64_t turn = 0;
    TurnModelPage(page.port, turn++, state.range(0));
    page.ShowTopOfPage();
    for (auto _ : state) TurnModelPage(page.port, turn++, state.range(0));
}

// One turn per call, kept out of line so that a profiler can count the instructions of the
// turns alone (valgrind --tool=callgrind --toggle-collect='*ViewTurn*').
[[gnu::noinline]] void ViewTurn(ControlPort& port, int64_t page, int64_t fields) {
    TurnModelPage(port, page, fields);
    QCoreApplication::processEvents();
}

void BM_QtViewPageTurn(benchmark::State& state) {
    panelkit2::qt::View view;
    ModelPage page(state.range(0));
    view.Attach(page.window, "Bench");
    page.port.Surface().Show.Emit();
    int64_t turn = 0;
    TurnModelPage(page.port, turn++, state.range(0));
    page.ShowTopOfPage();
    QCoreApplication::processEvents();
    // The view repaints a pass after it has shown a page: every timed turn paints one.
    TurnModelPage(page.port, turn++, state.range(0));
    QCoreApplication::processEvents();
    for (auto _ : state) ViewTurn(page.port, turn++, state.range(0));
}

// --- The same page in plain Qt ------------------------------------------------------

struct PlainPage {
    QWidget* widget = nullptr;
    std::vector<QCheckBox*> boxes;
    std::vector<std::string> actions;
};

PlainPage BuildPlainPage(QScrollArea& area, int64_t turn, int64_t fields) {
    PlainPage page;
    page.widget = new QWidget;
    auto* rows = new QVBoxLayout(page.widget);
    for (int64_t i = 0; i < fields; ++i) {
        auto* box = new QCheckBox(QString::fromStdString(Caption(turn, i)), page.widget);
        rows->addWidget(box);
        page.boxes.push_back(box);
        page.actions.push_back("on" + std::to_string(i));
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(new QPushButton("< Back", page.widget));
    buttons->addWidget(new QPushButton("Next >", page.widget));
    buttons->addStretch();
    rows->addLayout(buttons);
    area.setWidget(page.widget);
    return page;
}

std::string SelectedActions(const PlainPage& page) {
    std::string actions;
    for (size_t i = 0; i < page.boxes.size(); ++i)
        if (page.boxes[i]->isChecked()) actions += page.actions[i] + ",";
    return actions;
}

[[gnu::noinline]] void PlainTurn(QScrollArea& area, PlainPage& page, int64_t turn, int64_t fields) {
    delete area.takeWidget();
    page = BuildPlainPage(area, turn, fields);
    benchmark::DoNotOptimize(SelectedActions(page));
    QCoreApplication::processEvents();
}

void BM_PlainQtPageTurn(benchmark::State& state) {
    QWidget window;
    auto* area = new QScrollArea(&window);
    area->setWidgetResizable(true);
    (new QVBoxLayout(&window))->addWidget(area);
    window.resize(520, 420);
    window.show();
    int64_t turn = 0;
    PlainPage page = BuildPlainPage(*area, turn++, state.range(0));
    QCoreApplication::processEvents();
    for (auto _ : state) PlainTurn(*area, page, turn++, state.range(0));
}

BENCHMARK(BM_ModelPageTurn)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtViewPageTurn)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainQtPageTurn)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

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
    PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
