#include "panelkit2/automation/variant.hpp"

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/dispatch.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2 {

const char* VarTypeName(VarType type) {
    switch (type) {
        case VarType::Empty:
            return "Empty";
        case VarType::Integer:
            return "Integer";
        case VarType::Long:
            return "Long";
        case VarType::Single:
            return "Single";
        case VarType::Double:
            return "Double";
        case VarType::String:
            return "String";
        case VarType::Boolean:
            return "Boolean";
        case VarType::Object:
            return "Object";
        case VarType::Missing:
            return "Missing";
    }
    return "?";
}

bool Variant::IsNumeric() const noexcept {
    switch (Type()) {
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double:
        case VarType::Boolean:
            return true;
        default:
            return false;
    }
}

double Variant::AsDouble() const {
    switch (Type()) {
        case VarType::Empty:
            return 0;
        case VarType::Integer:
            return std::get<int16_t>(mvarValue);
        case VarType::Long:
            return std::get<int32_t>(mvarValue);
        case VarType::Single:
            return std::get<float>(mvarValue);
        case VarType::Double:
            return std::get<double>(mvarValue);
        case VarType::Boolean:
            return std::get<Bool>(mvarValue).value ? -1 : 0;
        case VarType::String: {
            const auto& text = std::get<std::string>(mvarValue);
            // "True" and "False" read as the Boolean values they name.
            if (EqualsNoCase(text, "True")) return -1;
            if (EqualsNoCase(text, "False")) return 0;
            return StrictNumber(text);
        }
        case VarType::Object:
        case VarType::Missing:
            break;
    }
    RaiseStandard(err::TypeMismatch);
}

int16_t Variant::AsInteger() const {
    if (Type() == VarType::Integer) return std::get<int16_t>(mvarValue);
    return ToInteger(AsDouble());
}

int32_t Variant::AsLong() const {
    if (Type() == VarType::Long) return std::get<int32_t>(mvarValue);
    return ToLong(AsDouble());
}

float Variant::AsSingle() const {
    if (Type() == VarType::Single) return std::get<float>(mvarValue);
    return ToSingle(AsDouble());
}

bool Variant::AsBoolean() const {
    if (Type() == VarType::Boolean) return std::get<Bool>(mvarValue).value;
    return AsDouble() != 0;
}

std::string Variant::AsString() const {
    switch (Type()) {
        case VarType::Empty:
            return {};
        case VarType::Integer:
            return NumberToText(static_cast<int32_t>(std::get<int16_t>(mvarValue)));
        case VarType::Long:
            return NumberToText(std::get<int32_t>(mvarValue));
        case VarType::Single:
            return NumberToText(std::get<float>(mvarValue));
        case VarType::Double:
            return NumberToText(std::get<double>(mvarValue));
        case VarType::String:
            return std::get<std::string>(mvarValue);
        case VarType::Boolean:
            return std::get<Bool>(mvarValue).value ? "True" : "False";
        case VarType::Object:
        case VarType::Missing:
            break;
    }
    RaiseStandard(err::TypeMismatch);
}

ObjectRef Variant::AsObject() const {
    if (Type() == VarType::Object) {
        auto object = std::get<ObjectRef>(mvarValue);
        if (!object) RaiseStandard(err::ObjectNotSet);
        return object;
    }
    if (Type() == VarType::Empty) RaiseStandard(err::ObjectNotSet);
    RaiseStandard(err::TypeMismatch);
}

Variant Variant::CoerceTo(VarType type) const {
    if (type == Type() || type == VarType::Empty) return *this;
    switch (type) {
        case VarType::Integer:
            return AsInteger();
        case VarType::Long:
            return AsLong();
        case VarType::Single:
            return AsSingle();
        case VarType::Double:
            return AsDouble();
        case VarType::String:
            return AsString();
        case VarType::Boolean:
            return AsBoolean();
        case VarType::Object:
            return AsObject();
        case VarType::Empty:
        case VarType::Missing:
            break;
    }
    RaiseStandard(err::TypeMismatch);
}

std::string Variant::ToDisplayText() const {
    switch (Type()) {
        case VarType::Empty:
        case VarType::Missing:
            return {};
        case VarType::Object: {
            const auto& object = std::get<ObjectRef>(mvarValue);
            if (!object) return "Nothing";
            // Appended piece by piece: g++ 12 warns falsely on the chained form at -O3.
            std::string text = "<";
            text += object->Interface().ProgId();
            text += '>';
            return text;
        }
        default:
            return AsString();
    }
}

// Values compare as a host would: numbers by value whatever their width, strings by text,
// objects by identity.
bool operator==(const Variant& a, const Variant& b) {
    if (a.IsNumeric() && b.IsNumeric()) return a.AsDouble() == b.AsDouble();
    if (a.Type() != b.Type()) return false;
    return a.mvarValue == b.mvarValue;
}

}  // namespace panelkit2
