#pragma once
// The conversion rules written out step by step, as plainly as they read, to
// check the fused table kernels against. No tables, no blocks, no shortcuts.
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "conversion/Kernels.h"

namespace reference {

// UTF-8 of each unit on its own: one, two or three bytes by range.
std::string EncodeEachUnit(std::u16string_view units);

// Lenient decoding: bit 7 and bit 5 of the lead decide the length, trails
// must be 10xxxxxx; nullopt at the first fault.
std::optional<std::u16string> DecodeLenient(std::string_view text);

// Widen each byte through units, then encode each unit.
std::string AnsiToUtf8(const std::array<char16_t, 256>& units, std::string_view text);

// Decode, then narrow each unit through the table; nullopt when malformed or
// when a unit has no exact byte.
std::optional<std::string> Utf8ToAnsi(const conversion::UnitToAnsiTable& table, std::string_view text);

// Random texts for the differential tests, from a fixed-seed engine: bytes
// drawn mostly from a few classes (ASCII, C0..FF, 80..BF, any) so that blocks,
// runs and every lead shape occur.
std::string RandomBytes(std::mt19937& rng, size_t length);
// Mostly well-formed lenient UTF-8 with an occasional random byte.
std::string RandomUtf8(std::mt19937& rng, size_t units);

}  // namespace reference
