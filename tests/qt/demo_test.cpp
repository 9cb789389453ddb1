// The demo assistant in a window: real clicks choose options and turn the pages, and Next
// prints the page's actions.

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <sstream>

#include "examples/panelkit-demo/assistant.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/command.hpp"
#include "tests/qt/view_fixture.hpp"

namespace panelkit2::qt {
namespace {

class DemoTest : public ViewFixture {
  protected:
    void SetUp() override {
        ViewFixture::SetUp();
        assistant = demo::Assistant::Create(
            out, [this](std::function<void()> step) { steps.push_back(std::move(step)); },
            [this] { finished = true; });
        TheView().Attach(assistant->Window(), "Demo");
        assistant->Start();
        TheView().Sync();
    }
    void TearDown() override {
        assistant.reset();
        ViewFixture::TearDown();
    }
    // The shown controls of the page, in the order the assistant added them.
    template <class T>
    std::vector<T*> Controls() {
        std::vector<T*> found;
        for (const Variant& item : *assistant->Port().mcolCtl())
            if (auto* control = dynamic_cast<T*>(item.AsObject().get());
                control && control->Surface().Visible())
                found.push_back(control);
        return found;
    }
    void Push(Command& command) {
        QWidget* caption = Shown(command.CaptionLabel());
        ASSERT_NE(caption, nullptr);
        QTest::mouseClick(caption, Qt::LeftButton, {}, caption->rect().center());
        while (!steps.empty()) {
            auto step = std::move(steps.front());
            steps.pop_front();
            step();
        }
        TheView().Sync();
    }

    std::ostringstream out;
    std::deque<std::function<void()>> steps;
    bool finished = false;
    std::shared_ptr<demo::Assistant> assistant;
};

TEST_F(DemoTest, ChecksChosenByMouseAreWhatNextPrints) {
    const auto checks = Controls<Check>();
    ASSERT_EQ(checks.size(), 3u);
    for (Check* check : checks) ASSERT_NE(Shown(check->Box()), nullptr);
    QTest::mouseClick(Shown(checks[0]->Box()), Qt::LeftButton, {}, QPoint(6, 8));
    QTest::mouseClick(Shown(checks[2]->Box()), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(checks[0]->Value());
    EXPECT_FALSE(checks[1]->Value());
    const auto buttons = Controls<Command>();
    ASSERT_EQ(buttons.size(), 1u);  // no Back on the first page
    Push(*buttons[0]);
    // The pushed button's own answer is the empty last entry.
    EXPECT_EQ(out.str(), "log=on,retain=7,trace=on,\n");
    EXPECT_EQ(assistant->PageIndex(), 1u);

    // The next page reuses the controls, emptied: every box shows unchecked again.
    const auto next = Controls<Check>();
    ASSERT_EQ(next.size(), 3u);
    for (Check* check : next) {
        EXPECT_FALSE(check->Value());
        EXPECT_EQ(Shown<QCheckBox>(check->Box())->checkState(), Qt::Unchecked);
    }
    ASSERT_EQ(Controls<Command>().size(), 2u);
    Push(*Controls<Command>()[0]);  // Back
    EXPECT_EQ(assistant->PageIndex(), 0u);
    EXPECT_EQ(out.str(), "log=on,retain=7,trace=on,\n");

    Push(*Controls<Command>()[0]);
    Push(*Controls<Command>()[1]);
    Push(*Controls<Command>()[1]);  // Finish
    EXPECT_TRUE(finished);
    EXPECT_EQ(assistant->PageIndex(), 2u);
}

TEST_F(DemoTest, TheWindowFollowsTheUsersResize) {
    QWidget* window = Shown(assistant->Window());
    ASSERT_NE(window, nullptr);
    window->resize(700, 500);
    QTest::qWait(1);
    EXPECT_FLOAT_EQ(assistant->Window().Width(), Tx(700));
    EXPECT_FLOAT_EQ(assistant->Port().Surface().Height(), Ty(500) - 1400);
    TheView().Sync();
    EXPECT_EQ(Shown(assistant->Port().Surface())->width(), 700);
}

}  // namespace
}  // namespace panelkit2::qt
