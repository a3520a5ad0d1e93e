#include "common/CaseFold.h"

#include <array>
#include <cstdint>

namespace common {
namespace {

constexpr std::array<uint8_t, 256> kUpper = [] {
    std::array<uint8_t, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = static_cast<uint8_t>(b);
    for (int b = 'a'; b <= 'z'; ++b) t[b] = static_cast<uint8_t>(b - 0x20);  // Latin
    for (int b = 0xE0; b <= 0xFF; ++b) t[b] = static_cast<uint8_t>(b - 0x20);  // а..я
    // Cyrillic letters outside the main block: ё, ђ, ѓ, љ, њ, ќ, ћ, џ, ў, і, ґ, є, ј, ѕ, ї.
    constexpr std::pair<uint8_t, uint8_t> kPairs[] = {
        {0xB8, 0xA8}, {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C},
        {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2},
        {0xB4, 0xA5}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF},
    };
    for (auto [lower, upper] : kPairs) t[lower] = upper;
    return t;
}();

}  // namespace

unsigned char FoldCase(unsigned char byte) noexcept { return kUpper[byte]; }

bool EqualsIgnoreCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (kUpper[static_cast<uint8_t>(a[i])] != kUpper[static_cast<uint8_t>(b[i])]) return false;
    return true;
}

size_t FindIgnoreCase(std::string_view text, std::string_view needle) noexcept {
    if (text.empty() || needle.empty() || needle.size() > text.size()) return 0;
    for (size_t start = 0; start + needle.size() <= text.size(); ++start)
        if (EqualsIgnoreCase(text.substr(start, needle.size()), needle)) return start + 1;
    return 0;
}

}  // namespace common
