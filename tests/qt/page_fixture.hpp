#pragma once

// A ControlPort filling the shown form: tests take controls from it, fill them and show
// the page as a host finishing a page does.

#include <QListWidget>
#include <QTest>
#include <vector>

#include "panelkit2/container/control_port.hpp"
#include "tests/qt/form_fixture.hpp"

namespace panelkit2::qt {

class PageFixture : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        port.Surface().SetParent(form.get());
        Place(port.Surface(), 0, 0, 400, 300);
        port.Surface().Show.Emit();
    }
    void TearDown() override {
        controls.clear();
        FormFixture::TearDown();
    }
    // The next control of a kind on the page, to be filled before ShowPage.
    template <class T>
    T& NewControl(ControlID kind) {
        controls.push_back(port.GetNewControl(static_cast<int16_t>(kind)));
        return static_cast<T&>(*controls.back());
    }
    // Adds the controls, lays the page out and shows it: the container takes a control only
    // once it has options to show.
    void ShowPage() {
        for (const ObjectRef& control : controls) port.AddControl(control);
        port.Position();
        port.ShowControls();
        TheView().Sync();
    }

    // A click on a row of a list shown on the page.
    static void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
    }
    // The rows a list shows selected.
    static std::vector<int> SelectedRows(const QListWidget* list) {
        std::vector<int> rows;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected()) rows.push_back(i);
        return rows;
    }

    ControlPort port;
    std::vector<ObjectRef> controls;
};

}  // namespace panelkit2::qt
