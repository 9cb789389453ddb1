#pragma once

// The pages of the demo assistant, as data: each page has a title and a few lines for its
// heading, and the fields it asks for, one item per control.

#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace panelkit2::demo {

struct Choice {
    const char* caption;
    const char* action;
};

// A yes/no choice (Check).
struct CheckItem {
    const char* caption;
    const char* onAction;
    const char* offAction;
};

// One of several options, the first selected until the user picks another (Radio).
struct OptionsItem {
    const char* caption;
    std::vector<Choice> choices;
};

// Captioned drop-down lists stacked in one control, each starting on its first entry
// (Combo). The page aligns the lists by the first caption's width, so that caption is the
// longest.
struct ListsItem {
    struct List {
        const char* caption;
        std::vector<Choice> entries;
    };
    std::vector<List> lists;
};

// A list of entries, one chosen (List) or several (MultiList: `selected` names them
// separated by "|").
struct ListItem {
    const char* caption;
    std::vector<Choice> entries;
    const char* selected;
    bool multiple = false;
};

// Rows of typed text, each with its caption, action and a text to start with (StringBox).
struct RowsItem {
    struct Row {
        const char* caption;
        const char* action;
        const char* text;
    };
    std::vector<Row> rows;
};

// Free text in a frame (TextArea).
struct TextItem {
    const char* caption;
    const char* action;
    const char* text;
};

// Named positions on a track, each with its action and an optional help text; the page
// opens on `selected`, whose help shows at once (Slide).
struct SlideItem {
    struct Tick {
        const char* caption;
        const char* action;
        const char* help;
    };
    const char* caption;
    std::vector<Tick> ticks;
    const char* selected;
};

// A number in a range with actions (and, on a track, help texts) for sub-ranges of it.
template <class T>
struct SubRange {
    T min;
    T max;
    const char* action;
    const char* help = "";
};

// A real value on a track with `decimals` places (ContinuousSlide).
struct ShareItem {
    const char* caption;
    int16_t decimals;
    float min;
    float max;
    float value;
    std::vector<SubRange<float>> subRanges;
};

// A whole number (NumBox) or a real one (RealNumBox) typed or spun in a field.
template <class T>
struct NumberItem {
    const char* caption;
    T min;
    T max;
    T value;
    std::vector<SubRange<T>> subRanges;
};

// A push button with its action (Command); pages get their Back and Next buttons anyway.
struct CommandItem {
    const char* caption;
    const char* action;
};

using Item =
    std::variant<CheckItem, OptionsItem, ListsItem, ListItem, RowsItem, TextItem, SlideItem,
                 ShareItem, NumberItem<int32_t>, NumberItem<float>, CommandItem>;

struct Page {
    const char* title;
    // A few lines under the title in the page's heading.
    std::vector<const char*> lines;
    std::vector<Item> items;
};

const std::vector<Page>& Pages();

// One field of each kind, alone on a page, named after its class, for the gallery.
struct GalleryEntry {
    const char* kind;
    Item item;
};
const std::vector<GalleryEntry>& Gallery();

}  // namespace panelkit2::demo
