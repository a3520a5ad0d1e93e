#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace settings {

// Parses a stored integer: leading blanks, then either a signed decimal that
// fits in int32, or an unsigned hexadecimal after "$", "x", "X", "0x" or "0X"
// that fits in 32 bits and is taken as a bit pattern ($FFFFFFFF is -1).
// Nothing may follow. nullopt for anything else, the empty text included.
std::optional<int32_t> ParseSettingsInteger(std::string_view text) noexcept;

}  // namespace settings
