// The script runner of the tests and the automation classes that exist only for them, with
// one member of every shape a script must drive.

#include "tests/console/console_harness.hpp"

#include <array>
#include <mutex>
#include <sstream>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"
#include "panelkit2/container/library_classes.hpp"
#include "panelkit2/controls/control_base.hpp"
#include "tools/console/script.hpp"

namespace panelkit2::console_test {
namespace {

using V = VarType;

// A 1-based collection, as the library hands them out.
class TestItems : public Dispatchable {
  public:
    const InterfaceTable& Interface() const override {
        using B = Bind<TestItems>;
        static const InterfaceTable table(
            "Test.Items",
            {B::Get("Count", 1, V::Long,
                    [](TestItems& c, Args) -> Variant { return int32_t(c.items.size()); }),
             B::Get("Item", 0, V::Empty,
                    [](TestItems& c, Args a) -> Variant {
                        const int32_t index = a[0].AsLong();
                        if (index < 1 || size_t(index) > c.items.size())
                            RaiseStandard(err::SubscriptOutOfRange, "Test.Items");
                        return c.items[size_t(index) - 1];
                    },
                    {ByVal("Index", V::Long)}),
             B::Method("Add", 2, V::Empty, {ByVal("Item", V::Empty)},
                       [](TestItems& c, Args a) -> Variant {
                           c.items.push_back(a[0]);
                           return {};
                       })});
        return table;
    }
    std::vector<Variant> items;
};

class TestThing : public Dispatchable {
  public:
    const InterfaceTable& Interface() const override {
        using B = Bind<TestThing>;
        static const InterfaceTable table(
            "Test.Thing",
            {B::Get("Name", 0x68030006, V::String,
                    [](TestThing& t, Args) -> Variant { return t.name; }),
             B::Let("Name", 0x68030006, {ByVal("Value", V::String)},
                    [](TestThing& t, Args a) -> Variant {
                        t.name = a[0].AsString();
                        return {};
                    }),
             // An index out of range comes back through the by-reference index as the
             // highest valid one, as the library's indexed properties do.
             B::Get("Value", 0x68030002, V::Boolean, Value, {ByRef("Index", V::Integer)}),
             B::Let("Value", 0x68030002, {ByRef("Index", V::Integer), ByVal("Value", V::Boolean)},
                    Value),
             // The assigned value is by reference: the let upper-cases the caller's text.
             B::Let("Upper", 0x68030004, {ByRef("Value", V::String)},
                    [](TestThing&, Args a) -> Variant {
                        a[0] = ToUpper(a[0].AsString());
                        return {};
                    }),
             B::Get("Me", 0x68030007, V::Object,
                    [](TestThing& t, Args) -> Variant { return t.shared_from_this(); }),
             B::Get("Items", 0x68030008, V::Object,
                    [](TestThing& t, Args) -> Variant { return ObjectRef(t.items); }),
             B::Method("Double", 0x60030001, V::Empty, {ByRef("Number", V::Long)},
                       [](TestThing&, Args a) -> Variant {
                           a[0] = ToLong(a[0].AsLong() * 2.0);
                           return {};
                       }),
             B::Method("Sum", 0x60030002, V::Long,
                       {ByVal("A", V::Long), Optional("B", V::Long, int32_t{10}),
                        Optional("C", V::Empty)},
                       [](TestThing&, Args a) -> Variant {
                           return ToLong(a[0].AsDouble() + a[1].AsDouble() +
                                         (a[2].IsMissing() ? 0 : a[2].AsDouble()));
                       }),
             B::Method("Describe", 0x60030003, V::String, {ByVal("Value", V::Empty)},
                       [](TestThing&, Args a) -> Variant {
                           return std::string(VarTypeName(a[0].Type())) + ":" +
                                  a[0].ToDisplayText();
                       }),
             B::Method("Fail", 0x60030005, V::Empty, {ByVal("Number", V::Long)},
                       [](TestThing&, Args a) -> Variant {
                           throw AutomationError(a[0].AsLong(), "Test.Thing.Fail",
                                                 "Failure " + a[0].AsString());
                       }),
             B::Method("Fire", 0x60030006, V::Empty, {ByVal("Text", V::String)},
                       [](TestThing& t, Args a) -> Variant {
                           t.RaiseEvent(1, {a[0], ++t.fired});
                           return {};
                       }),
             B::Method("Ping", 0x60030007, V::Empty, {},
                       [](TestThing& t, Args) -> Variant {
                           t.RaiseEvent(2, Args());
                           return {};
                       })},
            {EventDef{"Changed", 1, {ByVal("Text", V::String), ByVal("Count", V::Long)}},
             EventDef{"Clicked", 2, {}}});
        return table;
    }

  private:
    static Variant Value(TestThing& t, Args a) {
        const int16_t index = a[0].AsInteger();
        if (index < 0 || size_t(index) >= t.values.size()) {
            a[0] = int16_t(t.values.size() - 1);
            return false;
        }
        if (a.size() == 2) t.values[size_t(index)] = a[1].AsBoolean();
        return t.values[size_t(index)];
    }

    std::string name;
    std::array<bool, 4> values{};
    int32_t fired = 0;
    std::shared_ptr<TestItems> items = std::make_shared<TestItems>();
};

// A control with one persisted property, for `save` and `load`.
class TestControl : public ControlBase {
  public:
    TestControl() : ControlBase("TestControl") {}
    const InterfaceTable& Interface() const override {
        using B = Bind<TestControl>;
        static const InterfaceTable table(
            "Test.Control", {B::Get("Caption", 1, V::String,
                                    [](TestControl& c, Args) -> Variant { return c.caption; }),
                             B::Let("Caption", 1, {ByVal("Value", V::String)},
                                    [](TestControl& c, Args a) -> Variant {
                                        c.caption = a[0].AsString();
                                        return {};
                                    })});
        return table;
    }

  protected:
    void UserControl_WriteProperties(host::PropertyBag& bag) override {
        bag.WriteProperty("Caption", caption, "");
    }
    void UserControl_ReadProperties(host::PropertyBag& bag) override {
        caption = bag.ReadProperty("Caption", "").AsString();
    }

  private:
    std::string caption;
};

void RegisterTestClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& factory = LibraryClasses();
        factory.Register("Test.Thing", [] { return std::make_shared<TestThing>(); });
        factory.Register("Test.Control", [] { return std::make_shared<TestControl>(); });
    });
}

}  // namespace

ConsoleRun RunConsole(std::string_view script) {
    RegisterTestClasses();
    std::ostringstream out;
    const int status = console::RunScript(script, out);
    return {out.str(), status};
}

std::string Output(std::string_view script) {
    return RunConsole(script).output;
}

}  // namespace panelkit2::console_test
