// The demo assistant in a window: real clicks and keys choose options and turn the pages,
// and Next prints the page's actions. The program draws every page into PNG files.

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <sstream>

#include "examples/panelkit-demo/assistant.hpp"
#include "panelkit2/choice/check.hpp"
#include "panelkit2/choice/combo.hpp"
#include "panelkit2/choice/command.hpp"
#include "panelkit2/choice/radio.hpp"
#include "panelkit2/range/num_box.hpp"
#include "panelkit2/range/slide.hpp"
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

    ASSERT_EQ(Controls<Command>().size(), 2u);
    Push(*Controls<Command>()[0]);  // Back
    EXPECT_EQ(assistant->PageIndex(), 0u);
    EXPECT_EQ(out.str(), "log=on,retain=7,trace=on,\n");
    // The page is built again from the reused controls, emptied: every box shows unchecked.
    const auto again = Controls<Check>();
    ASSERT_EQ(again.size(), 3u);
    for (Check* check : again) {
        EXPECT_FALSE(check->Value());
        EXPECT_EQ(Shown<QCheckBox>(check->Box())->checkState(), Qt::Unchecked);
    }

    Push(*Controls<Command>()[0]);
    while (!finished && assistant->PageIndex() + 1 < demo::Assistant::PageCount())
        Push(*Controls<Command>().back());
    EXPECT_FALSE(finished);
    EXPECT_EQ(Controls<Command>().back()->CaptionLabel().Caption(), "Finish");
    Push(*Controls<Command>().back());
    EXPECT_TRUE(finished);
    EXPECT_EQ(assistant->PageIndex(), demo::Assistant::PageCount() - 1);
}

TEST_F(DemoTest, LogLevelAndRegionPagesPrintWhatWasPicked) {
    Push(*Controls<Command>()[0]);
    const auto radios = Controls<Radio>();
    ASSERT_EQ(radios.size(), 1u);
    EXPECT_TRUE(Controls<Check>().empty());
    auto* info = Shown<QRadioButton>(radios[0]->OptionButtonAt(2));
    ASSERT_NE(info, nullptr);
    QTest::mouseClick(info, Qt::LeftButton, {}, QPoint(6, info->height() / 2));
    QTest::keyClick(info, Qt::Key_Down);
    Push(*Controls<Command>().back());
    EXPECT_TRUE(out.str().ends_with("\nlevel=debug,,\n")) << out.str();

    Push(*Controls<Command>().back());
    const auto combos = Controls<Combo>();
    ASSERT_EQ(combos.size(), 1u);
    EXPECT_TRUE(Controls<Radio>().empty());
    ASSERT_EQ(combos[0]->ArrayCount(), 3);
    QTest::keyClick(Shown(combos[0]->Lists()[0]), Qt::Key_End);
    QTest::keyClick(Shown(combos[0]->Lists()[1]), Qt::Key_Down);
    Push(*Controls<Command>().back());
    EXPECT_EQ(assistant->PageIndex(), 4u);
    EXPECT_TRUE(out.str().ends_with("region=jp,lang=de,date=dmy,,\n")) << out.str();
}

TEST_F(DemoTest, TheBackupsPageTakesARetentionStepAndAPortTypedIn) {
    assistant->ShowPage(5);
    TheView().Sync();
    const auto slides = Controls<Slide>();
    const auto boxes = Controls<NumBox>();
    ASSERT_EQ(slides.size(), 1u);
    ASSERT_EQ(boxes.size(), 1u);
    // The page opens on a step with help, and its popup shows.
    EXPECT_EQ(slides[0]->GetSelectedOption(), "A week");
    EXPECT_TRUE(assistant->Port().HelpPopup().Visible());
    auto* track = Shown<QSlider>(slides[0]->Track());
    ASSERT_NE(track, nullptr);
    QTest::keyClick(track, Qt::Key_Right);
    EXPECT_EQ(slides[0]->GetSelectedOption(), "A month");
    EXPECT_EQ(assistant->Port().HelpPopup().Caption(), "Thirty daily copies, about 4 GB");
    // Tabbing into the field selects its number; what is typed replaces it.
    auto* field = Shown<QLineEdit>(boxes[0]->Field());
    ASSERT_NE(field, nullptr);
    QWidget* window = Shown(assistant->Window());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, "44x3");
    EXPECT_EQ(field->text(), QStringLiteral("443"));
    Push(*Controls<Command>().back());
    EXPECT_EQ(out.str(), "keep=30d,port=system,,\n");
    // The popup now shows the help of the next page's processor share.
    EXPECT_EQ(assistant->Port().HelpPopup().Caption(),
              "Leaves most of the processor to other work");
}

TEST_F(DemoTest, TheWindowFollowsTheUsersResize) {
    QWidget* window = Shown(assistant->Window());
    ASSERT_NE(window, nullptr);
    window->resize(700, 500);
    QTest::qWait(1);
    EXPECT_FLOAT_EQ(assistant->Window().Width(), Tx(700));
    EXPECT_FLOAT_EQ(assistant->Port().Surface().Height(), Ty(500) - 2550);
    TheView().Sync();
    EXPECT_EQ(Shown(assistant->Port().Surface())->width(), 700);
}

// One picture per kind of field, each showing more than the window's back colour.
TEST(DemoScreenshots, TheGalleryDrawsEveryKind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess demo;
    demo.start(PANELKIT_DEMO_PATH, {"--gallery", dir.path()});
    ASSERT_TRUE(demo.waitForFinished(120000)) << demo.errorString().toStdString();
    ASSERT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 12);
    for (const demo::GalleryEntry& entry : demo::Gallery()) {
        const QImage image(QDir(dir.path()).filePath(QString(entry.kind).toLower() + ".png"));
        ASSERT_FALSE(image.isNull()) << entry.kind;
        // The page below the heading holds the field: more than one colour there.
        QSet<QRgb> colours;
        for (int y = 200; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 2) << entry.kind;
    }
}

// A page is drawn when the caption strip holds more than the window's back colour.
TEST(DemoScreenshots, EveryPageIsWrittenAndDrawn) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pages = dir.filePath("pages");
    QProcess demo;
    demo.start(PANELKIT_DEMO_PATH, {"--screenshot-all", pages});
    ASSERT_TRUE(demo.waitForFinished(120000)) << demo.errorString().toStdString();
    EXPECT_EQ(demo.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
    const auto count = static_cast<int>(demo::Assistant::PageCount());
    EXPECT_EQ(QDir(pages).entryList(QDir::Files).size(), count);
    for (int page = 1; page <= count; ++page) {
        SCOPED_TRACE(page);
        const QImage image(QDir(pages).filePath(QString("page-%1.png").arg(page)));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(600, 620));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 2);
        // The heading's title starts 100 x 50 twips in: 7 x 3 pixels at 15 twips a pixel.
        const QRgb background = image.pixel(2, 30);
        int inked = 0;
        for (int y = 3; y < 18; ++y)
            for (int x = 7; x < 120; ++x) inked += image.pixel(x, y) != background ? 1 : 0;
        EXPECT_GT(inked, 50);
        // The backups and resources pages open on a value with help: its popup is in the
        // picture, and only there.
        const QRgb popup = QColor(255, 255, 192).rgb();
        int popupPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) popupPixels += image.pixel(x, y) == popup;
        EXPECT_EQ(popupPixels > 1000, page == 6 || page == 7) << popupPixels;
    }
}

}  // namespace
}  // namespace panelkit2::qt
