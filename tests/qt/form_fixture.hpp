#pragma once

// A view and a shown form to put widgets on, with the helpers input tests share.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSlider>
#include <QStringList>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <memory>

#include "panelkit2/toolkit/form.hpp"
#include "tests/qt/view_fixture.hpp"

namespace panelkit2::qt {

// Answers the next message box with OK once it is open, and remembers its title and text.
// It keeps looking until one comes, so a box is never left waiting for a person.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        QObject::connect(&mTimer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            text = box->text();
            ++answered;
            box->accept();
        });
        mTimer.start(10);
    }
    QString title;
    QString text;
    int answered = 0;

  private:
    QTimer mTimer;
};

class FormFixture : public ViewFixture {
  protected:
    void SetUp() override {
        ViewFixture::SetUp();
        form = std::make_unique<host::Form>("Page");
        form->Move(Tx(40), Ty(40), Tx(400), Ty(300));
        form->Show();
    }
    void TearDown() override {
        form.reset();
        ViewFixture::TearDown();
    }
    // Places a widget at pixels of the form.
    template <class W>
    W& Place(W& widget, int x, int y, int width, int height) {
        widget.Move(Tx(x), Ty(y), Tx(width), Ty(height));
        return widget;
    }
    // Counts the emissions of a model event.
    template <class S>
    std::shared_ptr<int> Count(S& signal) {
        auto count = std::make_shared<int>(0);
        signal.Connect([count](auto&&...) { ++*count; });
        return count;
    }
    // Makes the form's window the active one, so that focus moves by mouse and keys.
    void ActivateForm() {
        QWidget* window = Shown(*form);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // A key pressed, or keys typed, on the widget that has the focus.
    void PressOnFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }
    void TypeOnFocus(const char* keys) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, keys);
    }
    // Keeps every text the real field shows from now on in `shownTexts`.
    void RecordShownTexts(QLineEdit* field) {
        QObject::connect(field, &QLineEdit::textChanged,
                         [this](const QString& text) { shownTexts << text; });
    }
    // Not for a moment did the field show a text that matches `pattern`.
    void ExpectNeverShown(const QString& pattern) {
        ASSERT_FALSE(shownTexts.isEmpty());
        const QRegularExpression refused(pattern);
        for (const QString& text : shownTexts)
            EXPECT_FALSE(text.contains(refused)) << text.toStdString();
    }

    // Where the thumb of a track stands for `value`, in the track's pixels.
    static QPoint ThumbCentre(const QSlider& track, int value) {
        QStyleOptionSlider option;
        option.initFrom(&track);
        option.orientation = track.orientation();
        option.minimum = track.minimum();
        option.maximum = track.maximum();
        option.sliderPosition = option.sliderValue = value;
        return track.style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &track)
            .center();
    }

    std::unique_ptr<host::Form> form;
    QStringList shownTexts;
};

}  // namespace panelkit2::qt
