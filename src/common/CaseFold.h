#pragma once
#include <cstddef>
#include <string_view>

namespace common {

// Upper-cases one byte the way Windows-1251 does: Latin a-z, the Cyrillic
// block E0..FF and the scattered Cyrillic pairs; every other byte is itself.
// The fold is fixed, whatever the system's code page, so that two machines
// compare paths and language names alike.
unsigned char FoldCase(unsigned char byte) noexcept;

// Both texts folded byte by byte; equal when the lengths and all folded bytes match.
bool EqualsIgnoreCase(std::string_view a, std::string_view b) noexcept;

// 1-based position of the first occurrence of needle in text under the fold;
// 0 when there is none or either text is empty.
size_t FindIgnoreCase(std::string_view text, std::string_view needle) noexcept;

inline bool ContainsIgnoreCase(std::string_view text, std::string_view needle) noexcept {
    return FindIgnoreCase(text, needle) != 0;
}

}  // namespace common
