#pragma once

// An assistant as its file describes it: a title and pages in order. A page has an id, a
// caption, an optional heading, an optional condition on an earlier answer and its controls
// in order. A control is described in the terms of the library's own members: its options
// (or items, ticks, rows, elements) with their actions, the actions common to every
// answer, help texts, ranges, decimal places, conditional actions over sub-ranges and a
// default. Values (defaults, answers, condition operands) are JSON values in the shape the
// control's kind reads and writes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/panelkit-run/core/json_value.hpp"

namespace panelkit2::run {

class Kind;

// Where something stands in the assistant file, for messages.
struct FilePlace {
    std::string file;
    uint32_t line = 0;
    uint32_t column = 0;
};

// An option, item, tick, row or state: its text and the actions that belong to it.
struct Option {
    std::string text;
    std::vector<std::string> actions;
    std::string help;
};

// A sub-range of values (both ends inclusive) with its actions and help text.
struct SubRange {
    double min = 0;
    double max = 0;
    std::vector<std::string> actions;
    std::string help;
};

// One drop-down list of a combo: its caption and items.
struct ComboElement {
    std::string caption;
    std::vector<Option> items;
};

struct ControlDef {
    const Kind* kind = nullptr;
    std::string id;
    std::string caption;
    std::vector<std::string> commonActions;
    // Check and command states, radio options, list items, slide ticks, string box rows.
    std::vector<Option> options;
    std::vector<ComboElement> elements;
    std::vector<SubRange> conditionalActions;
    double min = 0;
    double max = 0;
    int16_t decimalPlace = 0;
    // Null when the file gives none: the control then starts as its kind says.
    Json defaultValue;
    bool required = false;
    FilePlace place;
};

// A heading entry: a block of text, or a list of lines.
struct HeadingEntry {
    enum class Type { Text, List };
    Type type = Type::Text;
    std::string text;
    std::vector<std::string> lines;
};

// A page is shown only when every test holds for the answer of one control on an earlier
// page. A control on a page that was not shown has no answer, and no test holds for it.
struct Condition {
    enum class Test { Equals, NotEquals, AnyOf, Contains, AtLeast, AtMost };
    struct Operand {
        Test test;
        Json value;
    };
    std::string control;
    std::vector<Operand> tests;
    FilePlace place;
};

struct Page {
    std::string id;
    std::string caption;
    std::vector<HeadingEntry> heading;
    std::optional<Condition> showIf;
    std::vector<ControlDef> controls;
    FilePlace place;
};

struct Assistant {
    std::string title;
    std::string file;
    std::vector<Page> pages;

    // The page holding the control, or nullptr.
    const Page* PageOf(std::string_view controlId) const;
    const ControlDef* FindControl(std::string_view controlId) const;
    const Page* FindPage(std::string_view pageId) const;
};

}  // namespace panelkit2::run
