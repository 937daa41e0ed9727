// Name tables of enumerations that data files write in words, and their lookup.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>

struct TEnumName {
    const char* Name;
    int Value;
};

// True when entry i of the table holds value i, for every entry.
template <size_t N> constexpr bool IsInValueOrder(const TEnumName (&table)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (table[i].Value != static_cast<int>(i)) return false;
    return true;
}

// Sets `value` to the value named exactly (case-sensitive) by `text`; false, with `value`
// untouched, when no name matches.
template <size_t N> bool LookupEnumName(const TEnumName (&table)[N], const std::string& text, int& value) {
    for (const TEnumName& entry : table) {
        if (text == entry.Name) {
            value = entry.Value;
            return true;
        }
    }
    return false;
}
