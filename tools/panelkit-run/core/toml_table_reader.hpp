#pragma once

// Reads the keys of one table of an assistant file and checks each as it goes: its type,
// whether it is there when it must be, and at the end that the table holds no key nobody
// asked for. Every failure is a LoadError at the line and column of the offending key or
// value (of the table itself for a missing key).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <toml++/toml.h>

#include "tools/panelkit-run/core/assistant.hpp"

namespace panelkit2::run {

class TableReader {
  public:
    // `what` names the table in messages ("page 'intro'"), `file` the assistant file.
    TableReader(const toml::table& table, std::string what, std::string file);

    const std::string& What() const noexcept { return mstrWhat; }
    void Rename(std::string what) { mstrWhat = std::move(what); }
    const std::string& File() const noexcept { return mstrFile; }
    FilePlace Place() const { return PlaceOf(mTable); }
    FilePlace PlaceOf(const toml::node& node) const;
    FilePlace PlaceOfKey(std::string_view key) const;

    bool Has(std::string_view key) const { return mTable.contains(key); }
    // The value of `key`, marked as read; nullptr when missing.
    const toml::node* Node(std::string_view key);
    // Required, not empty.
    std::string Text(std::string_view key);
    std::string OptionalText(std::string_view key);
    bool Boolean(std::string_view key, bool fallback);
    std::optional<int64_t> Integer(std::string_view key);
    // A whole number or a number with a fraction.
    std::optional<double> Number(std::string_view key);
    double RequiredNumber(std::string_view key);
    // A list of texts, none of them empty; empty when missing.
    std::vector<std::string> Texts(std::string_view key);
    // A list; nullptr when missing.
    const toml::array* List(std::string_view key);
    // A value as JSON (texts, numbers, true/false, lists and tables of them); null when
    // missing.
    Json Value(std::string_view key);

    // A reader of one entry of the list under `key`, which must be a table (such as
    // `example`, for the message), named as this table.
    TableReader EntryOf(const toml::node& node, std::string_view key,
                        std::string_view example) const;

    [[noreturn]] void Fail(const toml::node& node, const std::string& message) const;
    [[noreturn]] void FailAtKey(std::string_view key, const std::string& message) const;
    [[noreturn]] void FailHere(const std::string& message) const;
    // Fails on the first key nobody asked for, naming the keys that were asked for.
    void Finish() const;

    // What a node is, for "found ..." in messages.
    static std::string Describe(const toml::node& node);
    // The node as JSON; fails on dates and times.
    Json ToJson(const toml::node& node) const;

  private:
    [[noreturn]] void FailType(const toml::node& node, std::string_view key,
                               std::string_view expected) const;

    const toml::table& mTable;
    std::string mstrWhat;
    std::string mstrFile;
    // The keys asked for, in the order asked.
    std::vector<std::string> mAsked;
};

}  // namespace panelkit2::run
