#pragma once
// Pure kernels of the two text conversions: no system call, no I/O, no state.
// The CP_ACP calls that fill the tables sit around them, in TextConversion.cpp.
//
// The rules they implement, in one place each:
//   - a UTF-16 unit becomes UTF-8 on its own; surrogates are never paired
//     (EncodeUnit),
//   - UTF-8 is decoded leniently: only bits 7 and 5 of the lead byte count,
//     every trail must be 10xxxxxx, and the first fault fails the whole text
//     (kSequenceLength, DecodeUtf8Lenient).
// The table kernels fuse those rules with a single-byte code page's tables and
// must give exactly what the step-by-step forms give.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace conversion {

// Sequence length by lead byte. Deliberately lenient: only bits 7 and 5 count,
// so 80..BF are leads and F0..FF start three-byte sequences.
inline constexpr std::array<uint8_t, 256> kSequenceLength = [] {
    std::array<uint8_t, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = !(b & 0x80) ? 1 : !(b & 0x20) ? 2 : 3;
    return t;
}();

// The UTF-8 form of one UTF-16 unit, packed little-endian: bytes 0..2 hold the
// sequence, byte 3 its length (1..3). One load gives both, and a kernel may
// store all four bytes when the next sequence overwrites the fourth.
using PackedUtf8 = uint32_t;

[[nodiscard]] constexpr PackedUtf8 EncodeUnit(char16_t unit) noexcept {
    uint32_t u = unit;
    if (u < 0x80) return u | 1u << 24;
    if (u < 0x800) return (0xC0 | u >> 6) | (0x80 | (u & 0x3F)) << 8 | 2u << 24;
    return (0xE0 | u >> 12) | (0x80 | ((u >> 6) & 0x3F)) << 8 | (0x80 | (u & 0x3F)) << 16 | 3u << 24;
}

[[nodiscard]] constexpr size_t PackedLength(PackedUtf8 code) noexcept { return code >> 24; }

// UTF-8 of every unit on its own. Raises only std::bad_alloc.
[[nodiscard]] std::string EncodeUnits(std::u16string_view units);

// The units of lenient UTF-8; nullopt at the first trail byte that is missing
// or not 10xxxxxx. Raises only std::bad_alloc.
[[nodiscard]] std::optional<std::u16string> DecodeUtf8Lenient(std::string_view text);

// Where a chunk of lenient UTF-8 can be cut: the length of the longest prefix
// made of whole sequences, or nullopt when a trail byte present in the chunk
// is not 10xxxxxx. The bytes after the prefix (at most two) begin a sequence
// that the next chunk may finish.
[[nodiscard]] std::optional<size_t> WholeSequencesPrefix(std::string_view chunk) noexcept;

// A single-byte code page's bytes as UTF-8, from the unit that the system
// gives for each byte.
struct AnsiToUtf8Table {
    std::array<PackedUtf8, 256> code;
    bool asciiIdentity;         // 00..7F map to themselves: ASCII blocks are copied
    bool upperQuarterTwoBytes;  // C0..FF all take two bytes: such blocks are counted by mask
};

[[nodiscard]] AnsiToUtf8Table MakeAnsiToUtf8Table(const std::array<char16_t, 256>& units) noexcept;

// The exact UTF-8 length of text through the table.
[[nodiscard]] size_t Utf8LengthWithTable(const AnsiToUtf8Table& table, std::string_view text) noexcept;

// Writes text through the table into out, which holds exactly
// Utf8LengthWithTable(table, text) bytes.
void AnsiToUtf8WithTable(const AnsiToUtf8Table& table, std::string_view text, char* out) noexcept;

// The same, into a string sized once. Raises only std::bad_alloc.
[[nodiscard]] std::string AnsiToUtf8WithTable(const AnsiToUtf8Table& table, std::string_view text);

// A single-byte code page's byte for each UTF-16 unit, where one byte is what
// the system gives for that unit on its own; kNoExactByte where a table cannot
// stand for the system (surrogates, which it may pair, and any unit it does
// not narrow to exactly one byte).
struct UnitToAnsiTable {
    static constexpr uint16_t kNoExactByte = 0x100;
    std::array<uint16_t, 0x10000> byteOf;
    bool asciiIdentity;  // U+0000..U+007F give their own byte: ASCII blocks are copied
};

// Sets asciiIdentity from byteOf; the builders call it once they are done.
void NoteAsciiIdentity(UnitToAnsiTable& table) noexcept;

// The inverse of a byte table, with defaultByte for units no byte gives and
// kNoExactByte for surrogates; for benchmarks and tests that have no system
// to ask. Raises only std::bad_alloc.
[[nodiscard]] std::unique_ptr<UnitToAnsiTable> InverseTable(const std::array<char16_t, 256>& units,
                                                            uint8_t defaultByte);

// What one pass over lenient UTF-8 learned before anything is written.
struct Utf8Scan {
    bool malformed = false;   // a trail byte missing or not 10xxxxxx
    bool tableExact = true;   // every unit has an exact byte in the table
    size_t units = 0;         // units decoded (all of them when not malformed)
};

[[nodiscard]] Utf8Scan ScanUtf8WithTable(const UnitToAnsiTable& table, std::string_view text) noexcept;

// Writes the table's byte of each unit of text into out, which holds exactly
// scan.units bytes of a scan that found text well formed and table-exact.
void Utf8ToAnsiWithTable(const UnitToAnsiTable& table, std::string_view text, char* out) noexcept;

// Scan, then write into a string sized once; nullopt when the text is
// malformed or the table is not exact for it (scan says which). Raises only
// std::bad_alloc.
[[nodiscard]] std::optional<std::string> Utf8ToAnsiWithTable(const UnitToAnsiTable& table, std::string_view text,
                                                             Utf8Scan& scan);

}  // namespace conversion
