#pragma once

// The value that travels through late-bound calls: Empty, Integer (int16), Long (int32),
// Single, Double, String (UTF-8), Boolean (True = -1), Object, Missing (an omitted
// optional argument). Conversions follow the library's numeric semantics.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>

namespace panelkit2 {

class Dispatchable;
using ObjectRef = std::shared_ptr<Dispatchable>;

enum class VarType : uint8_t {
    Empty,
    Integer,
    Long,
    Single,
    Double,
    String,
    Boolean,
    Object,
    Missing
};

const char* VarTypeName(VarType type);

class Variant {
  public:
    Variant() = default;
    Variant(int16_t value) : mvarValue(value) {}
    Variant(int32_t value) : mvarValue(value) {}
    Variant(float value) : mvarValue(value) {}
    Variant(double value) : mvarValue(value) {}
    Variant(std::string value) : mvarValue(std::move(value)) {}
    Variant(const char* value) : mvarValue(std::string(value)) {}
    Variant(bool value) : mvarValue(Bool{value}) {}
    Variant(ObjectRef value) : mvarValue(std::move(value)) {}

    static Variant Missing() {
        Variant v;
        v.mvarValue = MissingTag{};
        return v;
    }

    VarType Type() const noexcept { return static_cast<VarType>(mvarValue.index()); }
    bool IsEmpty() const noexcept { return Type() == VarType::Empty; }
    bool IsMissing() const noexcept { return Type() == VarType::Missing; }
    bool IsNumeric() const noexcept;

    // Conversions; a value that cannot be converted raises error 13, a number outside the
    // target range error 6.
    int16_t AsInteger() const;
    int32_t AsLong() const;
    float AsSingle() const;
    double AsDouble() const;
    std::string AsString() const;
    bool AsBoolean() const;
    ObjectRef AsObject() const;  // error 91 for Empty, 13 for other non-objects

    // A copy converted to the given type (Empty and Missing stay as they are when the
    // target is Empty, meaning "any type").
    Variant CoerceTo(VarType type) const;

    // Direct access to the stored value of a known type, for by-reference parameters that
    // a callee changes in place. Precondition: Type() is the matching type.
    std::string& StringRef() { return std::get<std::string>(mvarValue); }
    int16_t& IntegerRef() { return std::get<int16_t>(mvarValue); }
    int32_t& LongRef() { return std::get<int32_t>(mvarValue); }
    float& SingleRef() { return std::get<float>(mvarValue); }
    double& DoubleRef() { return std::get<double>(mvarValue); }
    bool& BooleanRef() { return std::get<Bool>(mvarValue).value; }
    void SetBoolean(bool value) { mvarValue = Bool{value}; }

    // Text as a host prints it: numbers in shortest round-trip form, True/False,
    // "<ProgId>" for objects, nothing for Empty.
    std::string ToDisplayText() const;

    friend bool operator==(const Variant& a, const Variant& b);

  private:
    struct Bool {
        bool value;
        bool operator==(const Bool&) const = default;
    };
    struct MissingTag {
        bool operator==(const MissingTag&) const = default;
    };
    std::variant<std::monostate, int16_t, int32_t, float, double, std::string, Bool, ObjectRef,
                 MissingTag>
        mvarValue;
};

// Arguments of a late-bound call, in declaration order; by-reference arguments are
// written back into these slots.
using Args = std::span<Variant>;

}  // namespace panelkit2
