#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace panelkit2 {

// Standard error numbers used across the library.
namespace err {
inline constexpr int32_t InvalidCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t DivisionByZero = 11;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t PathFileAccess = 75;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t InvalidFileFormat = 321;
inline constexpr int32_t NoSuchElement = 340;
inline constexpr int32_t AlreadyLoaded = 360;
inline constexpr int32_t CannotUnload = 362;
inline constexpr int32_t CannotUnloadHere = 365;
inline constexpr int32_t InvalidPropertyValue = 380;
inline constexpr int32_t InvalidPropertyIndex = 381;
inline constexpr int32_t CannotCreateObject = 429;
inline constexpr int32_t NotSupported = 438;
inline constexpr int32_t ArgumentNotOptional = 449;
inline constexpr int32_t WrongArgumentCount = 450;
inline constexpr int32_t DuplicateKey = 457;
}  // namespace err

// The standard description of an error number ("" for numbers without one).
const char* StandardDescription(int32_t number);

// A failure reported to an automation caller: number, source, description, help file and
// help context travel together from the failing procedure to the host.
class AutomationError : public std::runtime_error {
  public:
    AutomationError(int32_t number, std::string source, std::string description,
                    std::string helpFile = {}, int32_t helpContext = 0);

    int32_t Number() const noexcept { return mlngNumber; }
    const std::string& Source() const noexcept { return mstrSource; }
    const std::string& Description() const noexcept { return mstrDescription; }
    const std::string& HelpFile() const noexcept { return mstrHelpFile; }
    int32_t HelpContext() const noexcept { return mlngHelpContext; }

  private:
    int32_t mlngNumber;
    std::string mstrSource;
    std::string mstrDescription;
    std::string mstrHelpFile;
    int32_t mlngHelpContext;
};

// Raises a standard error: the number with its standard description and the given source.
[[noreturn]] void RaiseStandard(int32_t number, std::string source = "PanelKit2");

}  // namespace panelkit2
