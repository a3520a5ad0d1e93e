#include <doctest/doctest.h>

#include <string>

#include "language/TitleFormat.h"

using language::FormatTitle;

TEST_CASE("FormatTitle: accepted directives") {
    struct Row {
        const char* pattern;
        const char* title;
    };
    const Row rows[] = {
        {"%s Einstellungen", "Tovrin Einstellungen"},
        {"Tovrin settings", "Tovrin settings"},  // no directive: the text itself
        {"", ""},
        {"100%% %s", "100% Tovrin"},
        {"%%s", "%s"},
        {"[%8s]", "[  Tovrin]"},
        {"[%-8s]", "[Tovrin  ]"},
        {"[%3s]", "[Tovrin]"},  // a width never cuts
        {"[%.3s]", "[Tov]"},
        {"[%.0s]", "[]"},
        {"[%.99s]", "[Tovrin]"},
        {"[%-8.3s]", "[Tov     ]"},
        {"%0:s", "Tovrin"},
        {"%0:s / %0:s", "Tovrin / Tovrin"},  // an index may name the one argument again
        {"%00:-7.2s|", "To     |"},
        {"%0s", "Tovrin"},  // 0 without a colon is a width of 0
        {"\xcd\xe0\xf1\xf2\xf0\xee\xe9\xea\xe8 %s", "\xcd\xe0\xf1\xf2\xf0\xee\xe9\xea\xe8 Tovrin"},  // cp1251 "Настройки"
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.pattern));
        auto title = FormatTitle(row.pattern, "Tovrin");
        REQUIRE(title.has_value());
        CHECK(*title == row.title);
    }
}

TEST_CASE("FormatTitle: anything else fails") {
    const char* cases[] = {
        "%d",          // another type
        "%x", "%n", "%p", "%c", "%S", "%ls",
        "%s and %s",   // the second plain directive asks for a second argument
        "%0:s %s",     // after index 0 a plain directive takes index 1
        "%1:s",        // there is no argument 1
        "%*s",         // width from an argument
        "%.*s",        // precision from an argument
        "%*:s",
        "%:s",         // index without digits
        "%-:s",        // the flag comes after the index
        "%.s",         // precision without digits
        "%", "Tovrin %", "%-", "%5", "%0:", "%.3",  // cut off by the end
        "%5 s", "% s", "%+s", "%#s",
        "%2048s",      // one above the cap
        "%.2048s",
        "%999999999s", "%99999999999999999999999s", "%.99999999999999999999s",
        "%4294967296:s",
    };
    for (const char* pattern : cases) {
        CAPTURE(std::string(pattern));
        CHECK_FALSE(FormatTitle(pattern, "Tovrin").has_value());
    }
}

TEST_CASE("FormatTitle: the cap and long patterns stay bounded") {
    auto widest = FormatTitle("%2047s", "Tovrin");
    REQUIRE(widest.has_value());
    CHECK(widest->size() == 2047);
    CHECK(widest->substr(2041) == "Tovrin");

    // A 2047-byte value of percent signs: 1023 "%%" and one directive cut off.
    CHECK_FALSE(FormatTitle(std::string(2047, '%'), "Tovrin").has_value());
    auto even = FormatTitle(std::string(2046, '%'), "Tovrin");
    REQUIRE(even.has_value());
    CHECK(*even == std::string(1023, '%'));
}
