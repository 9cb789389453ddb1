// Interface rows bound to C++ members: deduced types, passing modes, refused tables.

#include "panelkit2/automation/binder.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/assertions.hpp"

namespace panelkit2 {
namespace {

class Meter : public Dispatchable {
  public:
    enum class Events : int32_t { Moved = 1, Reset = 2 };

    const InterfaceTable& Interface() const override {
        using M = Members<Meter>;
        static const InterfaceTable table(
            "Test.Meter",
            {
                M::Property("Level", 0x68030000, &Meter::Level, &Meter::Level, {By::Val}),
                M::Property("Label", 0x68030001, &Meter::Label, &Meter::Label),
                M::Get("Scale", 0x68030002, &Meter::Scale),
                M::Method("Bump", 0x60030000, &Meter::Bump),
                M::Method("Shout", 0x60030001, &Meter::Shout, {By::Val}),
                M::Method("Place", 0x60030002, &Meter::Place, {By::Val, Opt(int16_t{3})}),
                M::Method("Tint", 0x60030003, &Meter::Tint),
            },
            {Event(Events::Moved, "Moved", {ByVal("to", VarType::Long)}),
             Event(Events::Reset, "Reset")});
        return table;
    }

    int16_t Level() const noexcept { return level; }
    void Level(int16_t value) { level = value; }
    std::string Label(int16_t index) const { return index == 1 ? label : std::string(); }
    void Label(int16_t index, std::string_view text) {
        if (index == 1) label = text;
    }
    float Scale() const { return 1.5f; }
    // Changes its argument: a by-reference caller sees the change.
    void Bump(int32_t& amount) { amount += 10; }
    // Published by value: the caller's text stays as it was.
    std::string Shout(std::string& text) {
        text += "!";
        return text;
    }
    int32_t Place(int32_t left, int16_t top, std::optional<float> width) {
        return left + top + (width ? static_cast<int32_t>(*width) : 1000);
    }
    uint32_t Tint(uint32_t colour) const { return colour; }

    int16_t level = 0;
    std::string label;
};

TEST(Binder, TypesComeFromTheSignatures) {
    const InterfaceTable& table = Meter().Interface();
    const MemberDef* level = table.Find("Level", CallKind::Let);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->params[0].type, VarType::Integer);
    EXPECT_FALSE(level->params[0].byRef);
    EXPECT_EQ(table.Find("Scale", CallKind::GetOrMethod)->result, VarType::Single);
    const MemberDef* place = table.Find("Place", CallKind::GetOrMethod);
    EXPECT_EQ(place->RequiredCount(), 1u);
    EXPECT_TRUE(place->params[1].optional);
    EXPECT_TRUE(place->params[2].optional);
    EXPECT_TRUE(place->params[2].byRef);
    EXPECT_EQ(table.Find("Tint", CallKind::GetOrMethod)->result, VarType::Long);
}

TEST(Binder, ArgumentsAreConvertedAndWrittenBackOnlyByReference) {
    Meter meter;
    // A by-value let converts a text without touching the caller's variable.
    Variant value("12");
    CallByName(meter, "Level", CallKind::Let, Args(&value, 1));
    EXPECT_EQ(meter.level, 12);
    EXPECT_EQ(value.Type(), VarType::String);
    EXPECT_EQ(CallByName(meter, "level", CallKind::GetOrMethod, {}).Type(), VarType::Integer);

    // By reference: the callee's change and the declared type reach the caller.
    Variant amount(int16_t{5});
    CallByDispId(meter, 0x60030000, CallKind::GetOrMethod, Args(&amount, 1));
    EXPECT_EQ(amount.Type(), VarType::Long);
    EXPECT_EQ(amount.AsLong(), 15);

    // By value through a C++ reference: the callee works on a copy.
    Variant text("hey");
    EXPECT_EQ(CallByName(meter, "Shout", CallKind::GetOrMethod, Args(&text, 1)).AsString(), "hey!");
    EXPECT_EQ(text.AsString(), "hey");

    // Indexed let: indexes first, then the value.
    Variant labelArgs[] = {Variant(int32_t{1}), Variant("north")};
    CallByName(meter, "Label", CallKind::Let, labelArgs);
    EXPECT_EQ(meter.label, "north");
    EXPECT_EQ(labelArgs[0].Type(), VarType::Integer);
    Variant index(int16_t{1});
    EXPECT_EQ(CallByName(meter, "Label", CallKind::GetOrMethod, Args(&index, 1)).AsString(),
              "north");

    Variant colour(int32_t{-2147483633});
    EXPECT_EQ(CallByName(meter, "Tint", CallKind::GetOrMethod, Args(&colour, 1)).AsLong(),
              -2147483633);
}

TEST(Binder, OmittedOptionalsTakeTheirDefaultsAndRequiredOnesAreRefused) {
    Meter meter;
    Variant one[] = {Variant(int32_t{1})};
    EXPECT_EQ(CallByName(meter, "Place", CallKind::GetOrMethod, one).AsLong(), 1004);
    Variant skipped[] = {Variant(int32_t{1}), Variant::Missing(), Variant(2.0)};
    EXPECT_EQ(CallByName(meter, "Place", CallKind::GetOrMethod, skipped).AsLong(), 6);
    Variant first[] = {Variant::Missing()};
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(meter, "Place", CallKind::GetOrMethod, first); }),
              err::ArgumentNotOptional);
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(meter, "Place", CallKind::GetOrMethod, {}); }),
              err::WrongArgumentCount);
    Variant wrong[] = {Variant("x")};
    EXPECT_EQ(test::ErrorNumber([&] { CallByName(meter, "Place", CallKind::GetOrMethod, wrong); }),
              err::TypeMismatch);
}

// The shapes beyond plain members: a noexcept setter, a 64-bit count, a static member and
// an overloaded name.
class Tally : public Dispatchable {
  public:
    const InterfaceTable& Interface() const override {
        using M = Members<Tally>;
        static const InterfaceTable table(
            "Test.Tally",
            {
                M::Property("Armed", 0, &Tally::Armed, &Tally::Armed, {By::Val}),
                M::Get("Total", 1, &Tally::Total),
                M::Method("Low", 2, &Tally::Low, {By::Val}),
                M::Method("Take", 3, Overload<const Variant&>(&Tally::Take), {By::Val}),
                M::Method("TakeNumber", 4, Overload<int32_t&>(&Tally::Take)),
            });
        return table;
    }

    bool Armed() const noexcept { return armed; }
    void Armed(bool value) noexcept { armed = value; }
    int64_t Total() const noexcept { return total; }
    static int16_t Low(int32_t value) noexcept { return static_cast<int16_t>(value & 0xFFFF); }
    std::string Take(const Variant& item) { return "any " + item.ToDisplayText(); }
    std::string Take(int32_t& item) {
        item = 0;
        return "number";
    }

    bool armed = false;
    int64_t total = (int64_t{1} << 32) + 1;
};

TEST(Binder, NoexceptSettersStaticMembersAndWideCountsBind) {
    Tally tally;
    Variant on("True");
    CallByName(tally, "Armed", CallKind::Let, Args(&on, 1));
    EXPECT_TRUE(tally.armed);

    // A count beyond a Long arrives whole, as a Double.
    const Variant total = CallByName(tally, "Total", CallKind::GetOrMethod, {});
    EXPECT_EQ(total.Type(), VarType::Double);
    EXPECT_EQ(total.AsDouble(), 4294967297.0);

    const MemberDef* low = tally.Interface().Find("Low", CallKind::GetOrMethod);
    EXPECT_EQ(low->result, VarType::Integer);
    EXPECT_EQ(low->params[0].type, VarType::Long);
    Variant packed(int32_t{0x2FFFF});
    const Variant word = CallByName(tally, "Low", CallKind::GetOrMethod, Args(&packed, 1));
    EXPECT_EQ(word.Type(), VarType::Integer);
    EXPECT_EQ(word.AsInteger(), -1);
}

TEST(Binder, AnOverloadIsChosenByItsParameterTypes) {
    Tally tally;
    EXPECT_EQ(tally.Interface().Find("Take", CallKind::GetOrMethod)->params[0].type,
              VarType::Empty);
    Variant text("7");
    EXPECT_EQ(CallByName(tally, "Take", CallKind::GetOrMethod, Args(&text, 1)).AsString(), "any 7");
    EXPECT_EQ(text.Type(), VarType::String);

    Variant number("7");
    EXPECT_EQ(CallByName(tally, "TakeNumber", CallKind::GetOrMethod, Args(&number, 1)).AsString(),
              "number");
    EXPECT_EQ(number.Type(), VarType::Long);
    EXPECT_EQ(number.AsLong(), 0);
}

class Dummy : public Dispatchable {
  public:
    int16_t A() const { return 0; }
    int16_t B() const { return 1; }
    void B(int16_t) {}
    const InterfaceTable& Interface() const override { throw std::logic_error("unused"); }
};

TEST(Binder, TablesRefuseRepeatedNamesAndIdentifiersAndUnnumberedEvents) {
    using M = Members<Dummy>;
    enum class Events : int32_t { First = 1, Third = 3 };
    EXPECT_THROW(
        InterfaceTable("Test.Dummy", {M::Get("A", 1, &Dummy::A), M::Get("a", 2, &Dummy::B)}),
        std::logic_error);
    EXPECT_THROW(
        InterfaceTable("Test.Dummy", {M::Get("A", 1, &Dummy::A), M::Get("B", 1, &Dummy::B)}),
        std::logic_error);
    EXPECT_THROW(
        InterfaceTable("Test.Dummy", {M::Get("B", 1, &Dummy::B), M::Let("B", 2, &Dummy::B)}),
        std::logic_error);
    EXPECT_THROW(InterfaceTable("Test.Dummy", {M::Get("A", 1, &Dummy::A)},
                                {Event(Events::First, "First"), Event(Events::Third, "Third")}),
                 std::logic_error);
    EXPECT_NO_THROW(InterfaceTable(
        "Test.Dummy", {M::Get("A", 1, &Dummy::A), M::Property("B", 2, &Dummy::B, &Dummy::B)},
        {Event(Events::First, "First")}));
}

}  // namespace
}  // namespace panelkit2
