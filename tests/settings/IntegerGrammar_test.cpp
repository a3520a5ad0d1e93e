#include <doctest/doctest.h>

#include <optional>

#include "settings/IntegerGrammar.h"

using settings::ParseSettingsInteger;

TEST_CASE("ParseSettingsInteger accepts signed decimals and hexadecimal patterns only") {
    struct Row {
        const char* text;
        std::optional<int32_t> value;
    };
    const Row rows[] = {
        {"3", 3},
        {"0x3", 3},
        {"0X3", 3},
        {"$3", 3},
        {"x3", 3},
        {"X3", 3},
        {"+3", 3},
        {"-3", -3},
        {"   7", 7},                     // leading blanks are skipped
        {"007", 7},
        {"$FFFFFFFF", -1},               // a 32-bit pattern
        {"$ffffffff", -1},
        {"$80000000", INT32_MIN},
        {"$000000001", 1},               // leading zeros do not count against the width
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},    // out of range
        {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt},    // more than 32 bits
        {"3.0", std::nullopt},
        {"3x", std::nullopt},
        {"3 ", std::nullopt},            // nothing may follow
        {"-$3", std::nullopt},           // hexadecimal takes no sign
        {"+0x3", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"+", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"yes", std::nullopt},
        {"true", std::nullopt},
        {"\t3", std::nullopt},           // only blanks are skipped
        {"$G", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Row& row : rows) {
        CAPTURE(row.text);
        CHECK(ParseSettingsInteger(row.text) == row.value);
    }
}
