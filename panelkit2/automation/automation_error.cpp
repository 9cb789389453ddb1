#include "panelkit2/automation/automation_error.hpp"

#include <utility>

namespace panelkit2 {

const char* StandardDescription(int32_t number) {
    switch (number) {
        case err::InvalidCall:
            return "Invalid procedure call or argument";
        case err::Overflow:
            return "Overflow";
        case err::SubscriptOutOfRange:
            return "Subscript out of range";
        case err::DivisionByZero:
            return "Division by zero";
        case err::TypeMismatch:
            return "Type mismatch";
        case err::FileNotFound:
            return "File not found";
        case err::PathFileAccess:
            return "Path/File access error";
        case err::ObjectNotSet:
            return "Object variable or With block variable not set";
        case err::InvalidFileFormat:
            return "Invalid file format";
        case err::NoSuchElement:
            return "Control array element doesn't exist";
        case err::AlreadyLoaded:
            return "Object already loaded";
        case err::CannotUnload:
            return "Can't unload controls created at design time";
        case err::CannotUnloadHere:
            return "Unable to unload within this context";
        case err::InvalidPropertyValue:
            return "Invalid property value";
        case err::InvalidPropertyIndex:
            return "Invalid property array index";
        case err::CannotCreateObject:
            return "Cannot create object";
        case err::ArgumentNotOptional:
            return "Argument not optional";
        case err::NotSupported:
            return "Object doesn't support this property or method";
        case err::WrongArgumentCount:
            return "Wrong number of arguments or invalid property assignment";
        case err::DuplicateKey:
            return "This key is already associated with an element of this collection";
        default:
            return "";
    }
}

AutomationError::AutomationError(int32_t number, std::string source, std::string description,
                                 std::string helpFile, int32_t helpContext)
    : std::runtime_error(description),
      mlngNumber(number),
      mstrSource(std::move(source)),
      mstrDescription(std::move(description)),
      mstrHelpFile(std::move(helpFile)),
      mlngHelpContext(helpContext) {}

void RaiseStandard(int32_t number, std::string source) {
    throw AutomationError(number, std::move(source), StandardDescription(number));
}

}  // namespace panelkit2
