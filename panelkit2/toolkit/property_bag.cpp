#include "panelkit2/toolkit/property_bag.hpp"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/automation/numeric.hpp"

namespace panelkit2::host {

namespace {

constexpr const char* kSource = "PanelKit2.PropertyBag";
constexpr std::string_view kHeader = "PanelKit2 PropertyBag 1";
constexpr std::string_view kHeaderPrefix = "PanelKit2 PropertyBag ";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Byte length of the character at `pos`, as the numeric module counts characters; a
// byte at or above 0x80 that stands alone is not well-formed UTF-8.
size_t CharBytesAt(std::string_view text, size_t pos) {
    return CharMid(text.substr(pos), 1, 1).size();
}

bool IsMalformedAt(std::string_view text, size_t pos, size_t length) {
    return length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80;
}

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Keys appear bare in the text form: they must survive being cut at "=" and trimmed.
bool IsValidKey(std::string_view key) {
    if (key.empty() || key != TrimBlanks(key)) return false;
    for (size_t pos = 0; pos < key.size();) {
        const size_t length = CharBytesAt(key, pos);
        const auto byte = static_cast<unsigned char>(key[pos]);
        if (IsMalformedAt(key, pos, length) || IsControl(byte) || byte == '=') return false;
        pos += length;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Writing

void AppendHexByte(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

// Quoted, with escapes for quote, backslash, line breaks, tab, other control bytes and
// bytes that are not well-formed UTF-8, so the file is valid UTF-8 and one line per value.
std::string QuotedText(std::string_view text) {
    std::string out = "\"";
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = CharBytesAt(text, pos);
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (IsControl(byte) || IsMalformedAt(text, pos, length)) {
            AppendHexByte(out, byte);
        } else {
            out.append(text.substr(pos, length));
        }
        pos += length;
    }
    return out + "\"";
}

// Shortest round-trip digits; the two values that text loses get forms of their own:
// negative zero and NaN (with its exact bits).
template <class Real>
std::string RealText(Real value) {
    using Bits = std::conditional_t<sizeof(Real) == 4, uint32_t, uint64_t>;
    if (std::isnan(value)) {
        std::string out = "NaN:";
        const auto bits = std::bit_cast<Bits>(value);
        for (int shift = sizeof(Bits) * 8 - 4; shift >= 0; shift -= 4)
            out += kHexDigits[(bits >> shift) & 0xF];
        return out;
    }
    if (value == 0 && std::signbit(value)) return "-0";
    return NumberToText(value);
}

std::string ValueText(const Variant& value) {
    switch (value.Type()) {
        case VarType::Integer:
        case VarType::Long:
            return NumberToText(value.AsLong());
        case VarType::Single:
            return RealText(value.AsSingle());
        case VarType::Double:
            return RealText(value.AsDouble());
        case VarType::String:
            return QuotedText(value.AsString());
        case VarType::Boolean:
            return value.AsBoolean() ? "True" : "False";
        default:
            return {};
    }
}

// ---------------------------------------------------------------------------------------
// Reading

[[noreturn]] void RaiseFormat(size_t line, std::string_view reason) {
    throw AutomationError(err::InvalidFileFormat, kSource,
                          std::string(StandardDescription(err::InvalidFileFormat)) + " (line " +
                              std::to_string(line) + ": " + std::string(reason) + ")");
}

// At most a few characters of the input in an error description.
std::string Excerpt(std::string_view text) {
    constexpr int64_t kLimit = 32;
    return "\"" + CharMid(text, 1, kLimit) + (CharLength(text) > kLimit ? "...\"" : "\"");
}

template <class Integer>
std::optional<Integer> ParseInteger(std::string_view text) {
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

template <class Real>
std::optional<Real> ParseNaN(std::string_view hex) {
    using Bits = std::conditional_t<sizeof(Real) == 4, uint32_t, uint64_t>;
    if (hex.size() != sizeof(Bits) * 2) return std::nullopt;
    Bits bits{};
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
    if (error != std::errc() || end != hex.data() + hex.size()) return std::nullopt;
    const Real value = std::bit_cast<Real>(bits);
    if (!std::isnan(value)) return std::nullopt;
    return value;
}

// The forms RealText writes: decimal (optionally scientific), Infinity, -Infinity, NaN:bits.
template <class Real>
std::optional<Real> ParseReal(std::string_view text) {
    if (text.starts_with("NaN:")) return ParseNaN<Real>(text.substr(4));
    if (text == "Infinity") return std::numeric_limits<Real>::infinity();
    if (text == "-Infinity") return -std::numeric_limits<Real>::infinity();
    const std::string_view magnitude = text.starts_with('-') ? text.substr(1) : text;
    const bool decimal = !magnitude.empty() && magnitude.front() >= '0' &&
                         magnitude.front() <= '9' &&
                         magnitude.find_first_not_of("0123456789.Ee+-") == std::string_view::npos;
    if (!decimal) return std::nullopt;
    Real value{};
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<unsigned char> ParseHexByte(std::string_view digits) {
    const auto value = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                      : -1;
    };
    if (digits.size() != 2 || value(digits[0]) < 0 || value(digits[1]) < 0) return std::nullopt;
    return static_cast<unsigned char>(value(digits[0]) * 16 + value(digits[1]));
}

std::optional<std::string> ParseQuoted(std::string_view text, std::string& reason) {
    if (text.empty() || text.front() != '"') {
        reason = "a String value must be quoted";
        return std::nullopt;
    }
    std::string out;
    size_t pos = 1;
    for (; pos < text.size() && text[pos] != '"'; ++pos) {
        if (text[pos] != '\\') {
            out += text[pos];
            continue;
        }
        const char escape = pos + 1 < text.size() ? text[++pos] : '\0';
        switch (escape) {
            case '"':
            case '\\':
                out += escape;
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                const auto byte = ParseHexByte(text.substr(pos + 1, 2));
                if (!byte) {
                    reason = "\\x needs two hexadecimal digits";
                    return std::nullopt;
                }
                out += static_cast<char>(*byte);
                pos += 2;
                break;
            }
            default:
                reason = "unknown escape in a String value";
                return std::nullopt;
        }
    }
    if (pos >= text.size()) {
        reason = "unterminated String value";
        return std::nullopt;
    }
    if (!TrimBlanks(text.substr(pos + 1)).empty()) {
        reason = "text after the closing quote";
        return std::nullopt;
    }
    return out;
}

// `Key = Type value`; the type's name decides how the value reads.
Variant ParseValue(std::string_view type, std::string_view text, size_t line) {
    std::optional<Variant> value;
    std::string reason;
    if (type == "Empty") {
        if (text.empty()) value = Variant();
    } else if (type == "Integer") {
        if (auto number = ParseInteger<int16_t>(text)) value = *number;
    } else if (type == "Long") {
        if (auto number = ParseInteger<int32_t>(text)) value = *number;
    } else if (type == "Single") {
        if (auto number = ParseReal<float>(text)) value = *number;
    } else if (type == "Double") {
        if (auto number = ParseReal<double>(text)) value = *number;
    } else if (type == "Boolean") {
        if (text == "True" || text == "False") value = text == "True";
    } else if (type == "String") {
        if (auto quoted = ParseQuoted(text, reason)) value = std::move(*quoted);
    } else {
        RaiseFormat(line, "unknown type " + Excerpt(type));
    }
    if (value) return *value;
    RaiseFormat(line,
                reason.empty() ? "bad " + std::string(type) + " value " + Excerpt(text) : reason);
}

void CheckHeader(std::string_view line) {
    if (line == kHeader) return;
    RaiseFormat(1, line.starts_with(kHeaderPrefix) ? "unsupported version"
                                                   : "missing \"PanelKit2 PropertyBag\" header");
}

// The lines of a text without their "\n" or "\r\n".
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == text.npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

[[noreturn]] void RaiseFileError(int32_t number, const std::string& path) {
    throw AutomationError(number, kSource,
                          std::string(StandardDescription(number)) + ": \"" + path + "\"");
}

}  // namespace

const PropertyBag::Entry* PropertyBag::Find(std::string_view key) const {
    const auto found = mcolIndex.find(ToLower(key));
    return found == mcolIndex.end() ? nullptr : &mcolEntries[found->second];
}

bool PropertyBag::Append(std::string key, Variant value) {
    if (!mcolIndex.emplace(ToLower(key), mcolEntries.size()).second) return false;
    mcolEntries.push_back({std::move(key), std::move(value)});
    return true;
}

void PropertyBag::Remove(std::string_view key) {
    const auto found = mcolIndex.find(ToLower(key));
    if (found == mcolIndex.end()) return;
    const size_t position = found->second;
    mcolIndex.erase(found);
    mcolEntries.erase(mcolEntries.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& [folded, index] : mcolIndex)
        if (index > position) --index;
}

Variant PropertyBag::ReadProperty(std::string_view key, const Variant& defaultValue) const {
    const Entry* entry = Find(key);
    return entry ? entry->value : defaultValue;
}

void PropertyBag::WriteProperty(std::string_view key, const Variant& value,
                                const Variant& defaultValue) {
    if (!IsValidKey(key)) RaiseStandard(err::InvalidCall, kSource);
    if (value.Type() == VarType::Object || value.IsMissing())
        RaiseStandard(err::InvalidPropertyValue, kSource);
    if (!defaultValue.IsMissing() && value == defaultValue) return Remove(key);
    const auto found = mcolIndex.find(ToLower(key));
    if (found != mcolIndex.end())
        mcolEntries[found->second].value = value;
    else
        Append(std::string(key), value);
}

bool PropertyBag::Contains(std::string_view key) const {
    return Find(key) != nullptr;
}

std::vector<std::string> PropertyBag::Keys() const {
    std::vector<std::string> keys;
    keys.reserve(mcolEntries.size());
    for (const Entry& entry : mcolEntries) keys.push_back(entry.key);
    return keys;
}

std::string PropertyBag::SaveText() const {
    std::string text = std::string(kHeader) + "\n";
    for (const Entry& entry : mcolEntries) {
        text += entry.key + " = " + VarTypeName(entry.value.Type());
        if (!entry.value.IsEmpty()) text += " " + ValueText(entry.value);
        text += "\n";
    }
    return text;
}

PropertyBag PropertyBag::LoadText(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const auto lines = SplitLines(text);
    CheckHeader(lines.empty() ? std::string_view() : lines.front());
    PropertyBag bag;
    for (size_t index = 1; index < lines.size(); ++index) {
        const size_t number = index + 1;
        const std::string_view line = lines[index];
        if (TrimBlanks(line).empty()) continue;
        const size_t equals = line.find('=');
        if (equals == line.npos) RaiseFormat(number, "expected \"Key = Type value\"");
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        if (!IsValidKey(key)) RaiseFormat(number, "invalid key");
        const std::string_view rest = TrimBlanks(line.substr(equals + 1));
        const size_t typeEnd = std::min(rest.size(), rest.find_first_of(" \t"));
        const std::string_view type = rest.substr(0, typeEnd);
        const std::string_view value = TrimBlanks(rest.substr(typeEnd));
        if (!bag.Append(std::string(key), ParseValue(type, value, number)))
            RaiseFormat(number, "duplicate key " + Excerpt(key));
    }
    return bag;
}

void PropertyBag::SaveFile(const std::string& path) const {
    const std::string text = SaveText();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) RaiseFileError(err::PathFileAccess, path);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) RaiseFileError(err::PathFileAccess, path);
}

PropertyBag PropertyBag::LoadFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        RaiseFileError(err::FileNotFound, path);
    if (error || std::filesystem::is_directory(status)) RaiseFileError(err::PathFileAccess, path);
    std::ifstream file(path, std::ios::binary);
    if (!file) RaiseFileError(err::PathFileAccess, path);
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) RaiseFileError(err::PathFileAccess, path);
    return LoadText(content.view());
}

}  // namespace panelkit2::host
