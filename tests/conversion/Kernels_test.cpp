#include <doctest/doctest.h>

#include <random>
#include <string>
#include <vector>

#include "KernelsReference.h"
#include "conversion/Kernels.h"

using namespace conversion;

namespace {

std::string Hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
        out += ' ';
    }
    return out;
}

// Byte-to-unit tables that exercise the kernels' shortcuts and their absence.
struct NamedTable {
    const char* name;
    std::array<char16_t, 256> units;
};

std::vector<NamedTable> Tables() {
    std::vector<NamedTable> tables;
    NamedTable latin{"Latin-1 like", {}};  // C0..FF take two bytes: blocks are counted by mask
    NamedTable cyrillic{"Cyrillic like", {}};
    NamedTable scattered{"scattered", {}};  // units of every length anywhere, surrogates too
    NamedTable shifted{"ASCII not identity", {}};
    std::mt19937 rng(1251);
    for (int b = 0; b < 256; ++b) {
        latin.units[b] = static_cast<char16_t>(b == 0x80 ? 0x20AC : b);
        cyrillic.units[b] = static_cast<char16_t>(b < 0x80 ? b : b >= 0xC0 ? 0x410 + (b - 0xC0) : 0x2000 + b);
        scattered.units[b] = static_cast<char16_t>(b < 0x80 ? b : rng() % 0x10000);
        shifted.units[b] = static_cast<char16_t>(b == 'A' ? 0x391 : b);
    }
    return {latin, cyrillic, scattered, shifted};
}

std::string AllBytes() {
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b) all[b] = static_cast<char>(b);
    return all;
}

}  // namespace

TEST_CASE("EncodeUnit: all 65,536 units, each on its own") {
    for (uint32_t u = 0; u < 0x10000; ++u) {
        CAPTURE(u);
        std::u16string unit(1, static_cast<char16_t>(u));
        REQUIRE(EncodeUnits(unit) == reference::EncodeEachUnit(unit));
        // Back through the lenient decoder: every unit survives, surrogates too.
        REQUIRE(DecodeUtf8Lenient(EncodeUnits(unit)) == unit);
    }
}

TEST_CASE("DecodeUtf8Lenient: lenient shapes and faults") {
    struct Row {
        std::string_view input;
        std::optional<std::u16string> units;
    };
    const Row rows[] = {
        {"", u""},
        {{"A\0B", 3}, std::u16string(u"A\0B", 3)},    // zero bytes are characters
        {"\x80\x80", std::u16string(1, u'\0')},       // 0x80 is a two-byte lead, the unit U+0000
        {"\xC0\xAF", u"/"},                           // overlong forms are accepted
        {"\xED\xA0\x80", u"\xD800"},                  // an encoded surrogate gives the bare unit
        {"\xEF\xBB\xBF" "A", u"\xFEFF" "A"},          // the mark is an ordinary character
        {"\xF0\x9F\x98", u"\x07D8"},                  // F0 starts three bytes; bit 4 is lost
        {"AB\xC3", std::nullopt},                     // two-byte lead cut off by the end
        {"A\x80" "B", std::nullopt},                  // 0x80 is taken as a lead; 'B' is no trail
        {"\xF0\x9F\x98\x80", std::nullopt},           // 4th byte read as a lead with no trail
        {"\xE0\x80", std::nullopt},                   // three-byte lead cut off after one trail
        {"\xE0\x41\x80", std::nullopt},               // first trail not 10xxxxxx
    };
    for (const Row& row : rows) {
        CAPTURE(Hex(row.input));
        CHECK(DecodeUtf8Lenient(row.input) == row.units);
    }
}

TEST_CASE("DecodeUtf8Lenient: every lead byte with every class of trail agrees with the plain rules") {
    // Trails at the edges of 10xxxxxx and of the other classes.
    const uint8_t trails[] = {0x00, 0x3F, 0x40, 0x7F, 0x80, 0x9F, 0xA0, 0xBF, 0xC0, 0xDF, 0xE0, 0xFF};
    for (int lead = 0; lead < 256; ++lead) {
        std::string one(1, static_cast<char>(lead));
        REQUIRE(DecodeUtf8Lenient(one) == reference::DecodeLenient(one));
        for (uint8_t t1 : trails) {
            std::string two = one + static_cast<char>(t1);
            CAPTURE(Hex(two));
            REQUIRE(DecodeUtf8Lenient(two) == reference::DecodeLenient(two));
            for (uint8_t t2 : trails) {
                std::string three = two + static_cast<char>(t2);
                REQUIRE(DecodeUtf8Lenient(three) == reference::DecodeLenient(three));
            }
        }
    }
}

TEST_CASE("WholeSequencesPrefix: where a chunk can be cut") {
    struct Row {
        std::string_view chunk;
        std::optional<size_t> prefix;
    };
    const Row rows[] = {
        {"", 0},
        {"AB", 2},
        {"A\xD0", 1},            // a lead the next chunk may finish
        {"A\xE2\x82", 1},        // a three-byte lead and one trail
        {"\xD0\x90\xE2", 2},
        {"A\xE2" "B", std::nullopt},  // the trail present already fails
        {"\xC3" "A", std::nullopt},   // a whole sequence with a bad trail
        {"\x80\x80", 2},         // 80 80 is a whole sequence
    };
    for (const Row& row : rows) {
        CAPTURE(Hex(row.chunk));
        CHECK(WholeSequencesPrefix(row.chunk) == row.prefix);
    }
}

TEST_CASE("AnsiToUtf8WithTable: every byte and random texts agree with widening then encoding") {
    std::mt19937 rng(20240611);
    for (const NamedTable& t : Tables()) {
        CAPTURE(t.name);
        AnsiToUtf8Table table = MakeAnsiToUtf8Table(t.units);
        for (int b = 0; b < 256; ++b) {
            std::string one(1, static_cast<char>(b));
            REQUIRE(AnsiToUtf8WithTable(table, one) == reference::AnsiToUtf8(t.units, one));
        }
        REQUIRE(AnsiToUtf8WithTable(table, AllBytes()) == reference::AnsiToUtf8(t.units, AllBytes()));
        // Lengths around the block size and the tail, then longer texts.
        for (int k = 0; k < 3000; ++k) {
            std::string text = reference::RandomBytes(rng, k < 2000 ? k % 70 : rng() % 2000);
            CAPTURE(Hex(text));
            REQUIRE(Utf8LengthWithTable(table, text) == reference::AnsiToUtf8(t.units, text).size());
            REQUIRE(AnsiToUtf8WithTable(table, text) == reference::AnsiToUtf8(t.units, text));
        }
    }
}

TEST_CASE("Utf8ToAnsiWithTable: agrees with decoding then narrowing each unit") {
    std::mt19937 rng(65001);
    for (const NamedTable& t : Tables()) {
        CAPTURE(t.name);
        std::unique_ptr<UnitToAnsiTable> table = InverseTable(t.units, '?');
        for (int k = 0; k < 3000; ++k) {
            std::string text = k < 1000 ? reference::RandomBytes(rng, k % 40)
                                        : reference::RandomUtf8(rng, k < 2500 ? k % 70 : rng() % 1500);
            CAPTURE(Hex(text));
            Utf8Scan scan;
            std::optional<std::string> fused = Utf8ToAnsiWithTable(*table, text, scan);
            std::optional<std::string> plain = reference::Utf8ToAnsi(*table, text);
            REQUIRE(fused == plain);
            REQUIRE(scan.malformed == !reference::DecodeLenient(text).has_value());
            if (!scan.malformed) REQUIRE(scan.units == reference::DecodeLenient(text)->size());
        }
    }
}

TEST_CASE("Table kernels: every byte of a single-byte table survives the round trip") {
    for (const NamedTable& t : Tables()) {
        CAPTURE(t.name);
        AnsiToUtf8Table toUtf8 = MakeAnsiToUtf8Table(t.units);
        std::unique_ptr<UnitToAnsiTable> toAnsi = InverseTable(t.units, '?');
        for (int b = 0; b < 256; ++b) {
            CAPTURE(b);
            bool unique = true;  // a byte whose unit another byte also gives cannot come back
            for (int other = 0; other < b; ++other) unique = unique && t.units[other] != t.units[b];
            bool surrogate = t.units[b] >= 0xD800 && t.units[b] <= 0xDFFF;
            if (!unique || surrogate) continue;
            std::string one(1, static_cast<char>(b));
            Utf8Scan scan;
            CHECK(Utf8ToAnsiWithTable(*toAnsi, AnsiToUtf8WithTable(toUtf8, one), scan) == one);
        }
    }
}

TEST_CASE("ScanUtf8WithTable: surrogates and units without an exact byte send the text to the system") {
    std::unique_ptr<UnitToAnsiTable> table = InverseTable(Tables()[0].units, '?');
    table->byteOf[0x4E2D] = UnitToAnsiTable::kNoExactByte;
    struct Row {
        std::string_view text;
        bool exact;
    };
    const Row rows[] = {
        {"plain ASCII text, longer than one block", true},
        {"\xC3\xA9", true},                                   // U+00E9
        {"0123456789abcdef\xED\xA0\x80", false},              // U+D800 after a block
        {"\xED\xBF\xBF", false},                              // U+DFFF
        {"\xE4\xB8\xAD", false},                              // U+4E2D, made inexact above
    };
    for (const Row& row : rows) {
        CAPTURE(Hex(row.text));
        Utf8Scan scan = ScanUtf8WithTable(*table, row.text);
        CHECK_FALSE(scan.malformed);
        CHECK(scan.tableExact == row.exact);
    }
}
