#pragma once

// A number field keeps its sub-ranges from index 0. A new field holds an empty placeholder
// there, which its first sub-range replaces; a cleared one (a field reused on a later page)
// keeps a sub-range of its default range there and puts new sub-ranges after it, and an
// action for a sub-range with the placeholder's ends would join the placeholder, out of
// the file's order. Giving the placeholder ends no sub-range of a file can have (its upper
// end below its lower one) keeps every sub-range of the file in the file's order, and the
// placeholder then holds no value.

#include <cstdint>

namespace panelkit2::run {

template <class Field>
void RetirePlaceholder(Field& field) {
    int16_t first = 0;
    field.ActionMin(first, 1);
    first = 0;
    field.ActionMax(first, 0);
}

}  // namespace panelkit2::run
