// An example assistant in a real window, offscreen, worked with the keyboard alone: Tab
// visits the controls and then the buttons in the order they are laid out, keys choose,
// Space and Return push the buttons, Escape cancels; every widget Tab visits has a name.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <deque>
#include <memory>

#include "panelkit2/toolkit/host.hpp"
#include "qt/view.hpp"
#include "tools/panelkit-run/core/assistant_loader.hpp"
#include "tools/panelkit-run/qt/window_keys.hpp"

namespace panelkit2::run {
namespace {

class KeyboardTest : public testing::Test {
  protected:
    virtual std::string Example() const { return "workstation"; }
    void SetUp() override {
        assistant =
            LoadAssistantFile(std::string(PANELKIT_RUN_EXAMPLES) + "/" + Example() + ".toml");
        view = std::make_unique<qt::View>();
        window = RunWindow::Create(
            assistant, answers,
            {.later = [this](std::function<void()> step) { steps.push_back(std::move(step)); },
             .pageShown =
                 [this] {
                     view->Sync();
                     if (keys) keys->PageShown();
                 },
             .finished = [this](const RunResult& done) { result = done; }});
        view->Attach(window->Window(), "Workstation");
        view->Sync();
        keys = std::make_unique<WindowKeys>(*view, *window);
        keys->OnEscape([this] { cancelled = true; });
        window->Start();
        QWidget* shown = view->WidgetOf(window->Window());
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
        keys->PageShown();
    }
    void TearDown() override {
        keys.reset();
        window.reset();
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A key on the focused widget, then whatever the key set off.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
        while (!steps.empty()) {
            auto step = std::move(steps.front());
            steps.pop_front();
            step();
        }
        view->Sync();
    }
    void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    QString Focused() const {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->accessibleName() : QString("(nothing)");
    }
    // The names of the widgets the focus visits from the one it is on, with Tab, until it
    // comes back.
    QStringList TabRound() {
        QStringList names{Focused()};
        QWidget* start = QApplication::focusWidget();
        for (int i = 0; i < 40; ++i) {
            Press(Qt::Key_Tab);
            if (QApplication::focusWidget() == start) break;
            names << Focused();
        }
        return names;
    }
    // Tab until the widget named so has the focus (at most once round).
    void TabTo(const QString& name) {
        for (int i = 0; i < 40 && Focused() != name; ++i) Press(Qt::Key_Tab);
        ASSERT_EQ(Focused(), name);
    }
    std::string Page() const { return window->Run().CurrentPage().id; }

    Assistant assistant;
    const Answers answers;
    std::unique_ptr<qt::View> view;
    std::shared_ptr<RunWindow> window;
    std::unique_ptr<WindowKeys> keys;
    std::deque<std::function<void()>> steps;
    std::optional<RunResult> result;
    bool cancelled = false;
};

TEST_F(KeyboardTest, TabFollowsTheLayoutAndKeysAloneFinishTheAssistant) {
    // Page 1: three drop-down lists, a list, then the button.
    EXPECT_EQ(TabRound(),
              (QStringList{"Country or region", "Language", "Date format", "Time zone", "Next >"}));
    Press(Qt::Key_Down);  // Germany
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);  // 2026-12-31
    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);  // Europe/Berlin
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "Next >");
    Press(Qt::Key_Return);
    ASSERT_EQ(Page(), "keyboard");

    // Page 2: the layouts, the track, the number and its spin buttons, Back, Next.
    EXPECT_EQ(TabRound(),
              (QStringList{"English (UK)", "English (US)", "German", "Japanese",
                           "Delay before a held key repeats (seconds)", "Repeats per second",
                           "Repeats per second", "< Back", "Next >"}));
    Press(Qt::Key_Down);  // English (US)
    Press(Qt::Key_Down);  // German
    TabTo("Delay before a held key repeats (seconds)");
    Press(Qt::Key_Right);  // the track steps ten whole units: to its upper end
    TabTo("Repeats per second");
    Type("30");
    TabTo("Next >");
    Press(Qt::Key_Space);
    ASSERT_EQ(Page(), "updates");

    // Back keeps what was chosen; Next again.
    TabTo("< Back");
    Press(Qt::Key_Return);
    ASSERT_EQ(Page(), "keyboard");
    TabTo("Next >");
    Press(Qt::Key_Return);
    ASSERT_EQ(Page(), "updates");

    // Page 3: no automatic updates, so the restart page is skipped and Next finishes.
    EXPECT_EQ(Focused(), "Install updates automatically");
    Press(Qt::Key_Space);
    TabTo("Next >");
    Press(Qt::Key_Return);
    ASSERT_TRUE(result.has_value());
    ASSERT_EQ(result->pages.size(), 3u);
    EXPECT_EQ(result->pages[0].controls[0].value,
              Json::parse(R"(["Germany", "English", "2026-12-31"])"));
    EXPECT_EQ(result->pages[0].controls[1].value, Json("Europe/Berlin"));
    EXPECT_EQ(result->pages[1].controls[0].value, Json("German"));
    EXPECT_EQ(result->pages[1].controls[1].value, Json(1.0));
    EXPECT_EQ(result->pages[1].controls[2].value, Json(30));
    EXPECT_EQ(result->pages[2].controls[0].value, Json(false));
    EXPECT_EQ(result->Actions(),
              "region=DE,lang=en,date=iso,tz=Europe/Berlin,kbd=de,kbd.delay=long,"
              "kbd.repeat=custom,updates=manual,channel=stable");
    EXPECT_FALSE(cancelled);
}

TEST_F(KeyboardTest, EscapeCancels) {
    Press(Qt::Key_Escape);
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(result.has_value());
}

class RequiredValueTest : public KeyboardTest {
  protected:
    std::string Example() const override { return "web-service"; }
};

TEST_F(RequiredValueTest, NextKeepsAPageWithoutItsRequiredValuesAndSaysWhy) {
    TabTo("Next >");
    Press(Qt::Key_Return);
    EXPECT_EQ(Page(), "service");
    EXPECT_EQ(window->StatusLabel().Caption(), "\"Host name\" needs a value before you go on.");
    TabTo("Host name");
    Type("www.example.org");
    TabTo("Administrator's e-mail");
    Type("webmaster@example.org");
    TabTo("Next >");
    Press(Qt::Key_Return);
    EXPECT_EQ(Page(), "tls");
    EXPECT_EQ(window->StatusLabel().Caption(), "");
}

}  // namespace
}  // namespace panelkit2::run
