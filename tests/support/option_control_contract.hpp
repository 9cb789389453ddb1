#pragma once

// The contract every option control keeps towards its container and host, as one typed
// suite. A control joins it with one line in tests/controls/conformance_test.cpp; where
// a control fills differently from the common way (its options are not texts), it gives
// a ContractSample of its own next to that line.

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>

#include "panelkit2/container/control_port.hpp"
#include "panelkit2/container/control_template.hpp"
#include "panelkit2/controls/option_control.hpp"
#include "panelkit2/toolkit/host.hpp"
#include "support/assertions.hpp"

namespace panelkit2::test {

// How a host fills a control: a caption, an action before any option (a common one), then
// an option with an action of its own. Every control answers with the common action first.
template <class T>
struct ContractSample {
    // Options enough for the control to be laid out and to answer.
    static void AddOptions(Dispatchable& control) { Get(control, "AddOption", "TRUE"); }
};

template <class T>
void FillSample(Dispatchable& control) {
    Get(control, "SetCaption", "A caption for the contract");
    Get(control, "AddAction", "common");
    ContractSample<T>::AddOptions(control);
    Get(control, "AddAction", "chosen");
}

// What the container reads of a control, read as it reads it.
struct ContractView {
    int16_t ctlId;
    int32_t desiredWidth;
    std::string action;
    bool show;
    bool operator==(const ContractView&) const = default;
};

// Where a control's own rules part from the common ones, a specialisation says so (both
// members): what a cleared control shows compared with a new one, and whether loading what
// was saved brings back the same keys.
template <class T>
struct ContractRules {
    static ContractView Cleared(ContractView fresh) { return fresh; }
    static constexpr bool kLoadKeepsKeys = true;
};

inline ContractView ViewOf(Dispatchable& control) {
    return {Get(control, "CtlID").AsInteger(), Get(control, "DesiredWidth").AsLong(),
            Get(control, "GetSelectedAction").AsString(), Get(control, "Show").AsBoolean()};
}

// The kind whose template makes controls of this class.
inline int16_t KindOf(std::string_view progId) {
    for (int16_t kind = 0; kind < kControlIDCount; ++kind)
        if (TemplateOf(kind).progId == progId) return kind;
    return -1;
}

template <class T>
class OptionControlContract : public ::testing::Test {
  protected:
    void SetUp() override { host::Host::Current().ResetServices(); }
    std::shared_ptr<T> control = std::make_shared<T>();
};

TYPED_TEST_SUITE_P(OptionControlContract);

TYPED_TEST_P(OptionControlContract, EveryRowIsFoundByNameAndByIdentifier) {
    const InterfaceTable& table = this->control->Interface();
    for (const MemberDef& row : table.Members()) {
        const CallKind kind = row.kind == MemberKind::Let ? CallKind::Let : CallKind::GetOrMethod;
        std::string upper(row.name);
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(table.Find(upper, kind), &row) << row.name;
        EXPECT_EQ(table.Find(row.dispId, kind), &row) << row.name;
        if (row.kind == MemberKind::Let) {
            const MemberDef* get = table.Find(row.name, CallKind::GetOrMethod);
            ASSERT_NE(get, nullptr) << row.name << " can be written but not read";
            EXPECT_EQ(get->dispId, row.dispId) << row.name;
        }
        // Reads without arguments give the same value by name and by identifier.
        if (row.kind == MemberKind::Get && row.params.empty()) {
            EXPECT_EQ(CallByName(*this->control, row.name, CallKind::GetOrMethod, {}),
                      CallByDispId(*this->control, row.dispId, CallKind::GetOrMethod, {}))
                << row.name;
        }
    }
    // What the container reaches on every child, its own members and the extender's.
    for (std::string_view name : {"CtlID", "Show", "DesiredWidth", "GetSelectedAction", "Clear",
                                  "Left", "Top", "Width", "Height", "Visible", "TabIndex", "Move"})
        EXPECT_NE(ErrorNumber([&] { CallByName(*this->control, name, CallKind::GetOrMethod, {}); }),
                  err::NotSupported)
            << name;
}

TYPED_TEST_P(OptionControlContract, ANewControlShowsItsKindAndNoAnswer) {
    const ContractView fresh = ViewOf(*this->control);
    EXPECT_EQ(fresh.ctlId, KindOf(this->control->Interface().ProgId()));
    EXPECT_EQ(fresh.ctlId, this->control->CtlID());
    EXPECT_GT(fresh.desiredWidth, 0);
    EXPECT_EQ(fresh.action, "");
    FillSample<TypeParam>(*this->control);
    EXPECT_EQ(ViewOf(*this->control).action.rfind("common", 0), 0u);
}

TYPED_TEST_P(OptionControlContract, ClearReturnsToANewControl) {
    const ContractView fresh = ViewOf(*this->control);
    FillSample<TypeParam>(*this->control);
    Get(*this->control, "Clear");
    EXPECT_EQ(ViewOf(*this->control), ContractRules<TypeParam>::Cleared(fresh));
    // The routing starts over: the next action is a common one again.
    Get(*this->control, "AddAction", "again");
    ContractSample<TypeParam>::AddOptions(*this->control);
    EXPECT_EQ(ViewOf(*this->control).action.rfind("again", 0), 0u);
}

// A control loaded from what another saved keeps the same keys in the same order, and
// saving and loading again changes nothing more (some values are written but not read).
TYPED_TEST_P(OptionControlContract, SavedPropertiesLoadIntoANewControl) {
    FillSample<TypeParam>(*this->control);
    this->control->ForeColor(0x00102030);
    const host::PropertyBag saved = this->control->SaveProperties();
    auto reload = [](const host::PropertyBag& bag) {
        host::PropertyBag text = host::PropertyBag::LoadText(bag.SaveText());
        TypeParam loaded;
        loaded.LoadProperties(text);
        return loaded.SaveProperties();
    };
    const host::PropertyBag once = reload(saved);
    if (ContractRules<TypeParam>::kLoadKeepsKeys) {
        EXPECT_EQ(once.Keys(), saved.Keys());
    }
    EXPECT_EQ(reload(once).SaveText(), once.SaveText());
}

TYPED_TEST_P(OptionControlContract, WorksInsideAControlPort) {
    ControlPort port;
    port.Surface().Move(0, 0, 6000, 4000);
    const int16_t kind = KindOf(this->control->Interface().ProgId());
    const ObjectRef child = port.GetNewControl(kind);
    ASSERT_TRUE(std::dynamic_pointer_cast<TypeParam>(child));
    FillSample<TypeParam>(*child);
    port.AddControl(child);
    EXPECT_TRUE(port.Position());
    port.ShowControls();
    const std::string answer = Get(*child, "GetSelectedAction").AsString();
    EXPECT_EQ(port.GetSelectedActions(), answer);
    EXPECT_EQ(Get(*child, "Visible").AsBoolean(), Get(*child, "Show").AsBoolean());
    EXPECT_GT(Get(*child, "Width").AsSingle(), 0);
    port.NewCanvas();
    EXPECT_EQ(Get(*child, "GetSelectedAction").AsString(), "");
}

REGISTER_TYPED_TEST_SUITE_P(OptionControlContract, EveryRowIsFoundByNameAndByIdentifier,
                            ANewControlShowsItsKindAndNoAnswer, ClearReturnsToANewControl,
                            SavedPropertiesLoadIntoANewControl, WorksInsideAControlPort);

}  // namespace panelkit2::test
