// Late binding: lookup, argument checking and coercion, write-back, extender, events.

#include "panelkit2/automation/dispatch.hpp"

#include <gtest/gtest.h>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/class_factory.hpp"
#include "panelkit2/controls/control_base.hpp"
#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

// A small control with one member of each shape.
class Gadget : public ControlBase {
  public:
    Gadget() : ControlBase("Gadget") {}
    const InterfaceTable& Interface() const override {
        using B = Bind<Gadget>;
        using V = VarType;
        static const InterfaceTable table(
            "Test.Gadget",
            {
                B::Get("Count", 0x68030000, V::Integer,
                       [](Gadget& g, Args) -> Variant { return g.count; }),
                B::Let("Count", 0x68030000, {ByVal("Value", V::Integer)},
                       [](Gadget& g, Args a) -> Variant {
                           g.count = a[0].AsInteger();
                           return {};
                       }),
                B::Get("Total", 0x68030001, V::Long,
                       [](Gadget& g, Args) -> Variant { return g.count * 2; }),
                B::Method("Grow", 0x60030000, V::Long,
                          {ByRef("amount", V::Long), Optional("times", V::Integer, int16_t{1})},
                          [](Gadget& g, Args a) -> Variant {
                              a[0].LongRef() *= 10;  // visible to the caller
                              g.count = static_cast<int16_t>(g.count + a[1].AsInteger());
                              return a[0].AsLong();
                          }),
                B::Method("Echo", 0x60030001, V::String, {ByVal("text", V::String)},
                          [](Gadget& g, Args a) -> Variant {
                              a[0].StringRef() += "!";  // by value: not visible
                              g.RaiseEvent(1, {a[0]});
                              return a[0];
                          }),
            },
            {EventDef{"Echoed", 1, {ByVal("text", V::String)}}});
        return table;
    }
    int16_t count = 0;

  protected:
    void UserControl_WriteProperties(host::PropertyBag&) override {}
    void UserControl_ReadProperties(host::PropertyBag&) override {}
};

struct RecordingSink : EventSink {
    void OnEvent(Dispatchable&, const EventDef& event, Args args) override {
        seen.push_back(std::string(event.name) + ":" + args[0].AsString());
    }
    std::vector<std::string> seen;
};

TEST(Dispatch, NamesAreCaseInsensitiveAndIdsReachTheSameMembers) {
    Gadget g;
    Variant value = int32_t{7};
    CallByName(g, "COUNT", CallKind::Let, Args(&value, 1));
    EXPECT_EQ(g.count, 7);
    EXPECT_EQ(CallByName(g, "count", CallKind::GetOrMethod, {}).AsLong(), 7);
    EXPECT_EQ(CallByDispId(g, 0x68030001, CallKind::GetOrMethod, {}).AsLong(), 14);
    EXPECT_EQ(CallByName(g, "count", CallKind::GetOrMethod, {}).Type(), VarType::Integer);
}

TEST(Dispatch, ByReferenceArgumentsAreWrittenBackAndByValueOnesAreNot) {
    Gadget g;
    Variant args[] = {Variant(int32_t{3})};
    EXPECT_EQ(CallByName(g, "Grow", CallKind::GetOrMethod, args).AsLong(), 30);
    EXPECT_EQ(args[0].AsLong(), 30);
    EXPECT_EQ(g.count, 1);  // the optional argument took its default

    Variant text[] = {Variant("hi")};
    EXPECT_EQ(CallByName(g, "Echo", CallKind::GetOrMethod, text).AsString(), "hi!");
    EXPECT_EQ(text[0].AsString(), "hi");
}

TEST(Dispatch, ArgumentsAreCoercedToTheDeclaredTypes) {
    Gadget g;
    Variant args[] = {Variant("4"), Variant(2.5)};  // 2.5 rounds to 2 (ties to even)
    CallByName(g, "Grow", CallKind::GetOrMethod, args);
    EXPECT_EQ(g.count, 2);
    EXPECT_EQ(args[0].Type(), VarType::Long);

    Variant bad[] = {Variant("four")};
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(g, "Grow", CallKind::GetOrMethod, bad); }),
              err::TypeMismatch);
    Variant huge[] = {Variant(int32_t{70000})};
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(g, "Count", CallKind::Let, huge); }),
              err::Overflow);
    EXPECT_EQ(g.count, 2);  // a failed coercion leaves the object as it was
}

TEST(Dispatch, WrongCallsReportTheStandardErrors) {
    Gadget g;
    Variant one[] = {Variant(int32_t{1})};
    Variant three[] = {Variant(int32_t{1}), Variant(int32_t{1}), Variant(int32_t{1})};
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(g, "Nope", CallKind::GetOrMethod, {}); }),
              err::NotSupported);
    EXPECT_EQ(test::ErrorNumber([&] { CallByDispId(g, 0x12345, CallKind::GetOrMethod, {}); }),
              err::NotSupported);
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(g, "Grow", CallKind::GetOrMethod, {}); }),
              err::WrongArgumentCount);
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(g, "Grow", CallKind::GetOrMethod, three); }),
              err::WrongArgumentCount);
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(g, "Total", CallKind::Let, one); }),
              err::WrongArgumentCount);
    Variant missing[] = {Variant::Missing()};
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(g, "Grow", CallKind::GetOrMethod, missing); }),
              err::ArgumentNotOptional);
    try {
        CallByName(g, "Nope", CallKind::GetOrMethod, {});
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Description(), "Object doesn't support this property or method");
    }
}

TEST(Dispatch, ExtenderMembersAnswerAfterTheObjectsOwn) {
    Gadget g;
    Variant args[] = {Variant(int32_t{100}), Variant::Missing(), Variant(int32_t{900})};
    CallByName(g, "move", CallKind::GetOrMethod, args);
    EXPECT_EQ(g.Surface().Left(), 100);
    EXPECT_EQ(g.Surface().Width(), 900);
    EXPECT_EQ(CallByName(g, "Width", CallKind::GetOrMethod, {}).AsLong(), 900);
    Variant hidden[] = {Variant(false)};
    CallByName(g, "Visible", CallKind::Let, hidden);
    EXPECT_FALSE(g.Surface().Visible());
}

TEST(Dispatch, EventsReachLiveSinksOnly) {
    auto g = std::make_shared<Gadget>();
    auto sink = std::make_shared<RecordingSink>();
    g->Advise(sink);
    Variant text[] = {Variant("a")};
    CallByName(*g, "Echo", CallKind::GetOrMethod, text);
    ASSERT_EQ(sink->seen, std::vector<std::string>{"Echoed:a!"});
    {
        auto gone = std::make_shared<RecordingSink>();
        g->Advise(gone);
    }
    g->Unadvise(sink.get());
    CallByName(*g, "Echo", CallKind::GetOrMethod, text);  // neither sink is called now
    EXPECT_EQ(sink->seen.size(), 1u);
}

TEST(ClassFactory, CreatesByProgramIdentifierAndRejectsUnknownOnes) {
    ClassFactory factory;
    factory.Register("Test.Gadget", [] { return std::make_shared<Gadget>(); });
    ObjectRef object = factory.Create("test.GADGET");
    ASSERT_TRUE(object);
    EXPECT_EQ(object->Interface().ProgId(), "Test.Gadget");
    try {
        factory.Create("PanelKit2.NoSuchThing");
        FAIL();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Number(), err::CannotCreateObject);
        EXPECT_NE(e.Description().find("PanelKit2.NoSuchThing"), std::string::npos);
    }
}

}  // namespace
}  // namespace panelkit2
