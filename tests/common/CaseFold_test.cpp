#include <doctest/doctest.h>

#include <string>

#include "common/CaseFold.h"

using common::EqualsIgnoreCase;
using common::FindIgnoreCase;
using common::FoldCase;

TEST_CASE("FoldCase: every byte folds to the Windows-1251 upper case or stays") {
    // Cyrillic pairs outside the main block, lower to upper.
    const std::pair<int, int> pairs[] = {
        {0xB8, 0xA8}, {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
        {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD},
        {0xBF, 0xAF},
    };
    for (int b = 0; b < 256; ++b) {
        CAPTURE(b);
        int expected = b;
        if (b >= 'a' && b <= 'z') expected = b - 0x20;
        if (b >= 0xE0) expected = b - 0x20;
        for (auto [lower, upper] : pairs)
            if (b == lower) expected = upper;
        CHECK(FoldCase(static_cast<unsigned char>(b)) == expected);
    }
}

TEST_CASE("EqualsIgnoreCase and FindIgnoreCase") {
    struct Row {
        const char* a;
        const char* b;
        bool equal;
        size_t position;  // of b in a, 1-based
    };
    const Row rows[] = {
        {"C:\\Dir\\A.TXT", "c:\\dir\\a.txt", true, 1},
        {"\xC0\xE1\xE2", "\xE0\xC1\xC2", true, 1},          // Абв / аБВ
        {"\xA8\xB8", "\xB8\xA8", true, 1},                  // Ёё / ёЁ
        {"\xC9", "\xE9", true, 1},                          // Й / й
        {"ab", "abc", false, 0},                            // needle longer than text
        {"xxRUSSIANxx", "russian", false, 3},
        {"English (build-in)", "(BUILD-IN)", false, 9},
        {"", "", true, 0},                                  // empty texts never contain anything
        {"abc", "", false, 0},
        {"\xE9", "\xC9\xE9", false, 0},
        {"\xFF", "\xDF", true, 1},                          // я / Я
        {"\xB5", "\xB5", true, 1},                          // µ has no pair and compares as it is
        {"\xB5", "\xA5", false, 0},
    };
    for (const Row& row : rows) {
        CAPTURE(row.a);
        CAPTURE(row.b);
        CHECK(EqualsIgnoreCase(row.a, row.b) == row.equal);
        CHECK(FindIgnoreCase(row.a, row.b) == row.position);
    }
}

TEST_CASE("FindIgnoreCase gives the first occurrence") {
    CHECK(FindIgnoreCase("ukr-UKR", "ukr") == 1);
    CHECK(FindIgnoreCase("a-UKR-ukr", "ukr") == 3);
    CHECK(FindIgnoreCase(std::string("a\0b", 3), std::string("\0B", 2)) == 2);  // zero bytes are ordinary
}
