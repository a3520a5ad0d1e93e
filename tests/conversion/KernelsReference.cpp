#include "KernelsReference.h"

namespace reference {

std::string EncodeEachUnit(std::u16string_view units) {
    std::string out;
    for (char16_t u : units) {
        if (u <= 0x7F) {
            out += static_cast<char>(u);
        } else if (u <= 0x7FF) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::optional<std::u16string> DecodeLenient(std::string_view text) {
    std::u16string out;
    size_t i = 0;
    // A byte past the end reads as zero, which is no trail byte.
    auto at = [&](size_t k) -> unsigned { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    auto isTrail = [](unsigned b) { return (b & 0xC0) == 0x80; };
    while (i < text.size()) {
        unsigned lead = at(i);
        if ((lead & 0x80) == 0) {
            out += static_cast<char16_t>(lead);
            i += 1;
        } else if ((lead & 0x20) == 0) {
            if (!isTrail(at(i + 1))) return std::nullopt;
            out += static_cast<char16_t>(((lead & 0x1F) << 6) | (at(i + 1) & 0x3F));
            i += 2;
        } else {
            if (!isTrail(at(i + 1)) || !isTrail(at(i + 2))) return std::nullopt;
            out += static_cast<char16_t>(((lead & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6) | (at(i + 2) & 0x3F));
            i += 3;
        }
    }
    return out;
}

std::string AnsiToUtf8(const std::array<char16_t, 256>& units, std::string_view text) {
    std::u16string wide;
    for (char c : text) wide += units[static_cast<unsigned char>(c)];
    return EncodeEachUnit(wide);
}

std::optional<std::string> Utf8ToAnsi(const conversion::UnitToAnsiTable& table, std::string_view text) {
    std::optional<std::u16string> units = DecodeLenient(text);
    if (!units) return std::nullopt;
    std::string out;
    for (char16_t u : *units) {
        if (table.byteOf[u] == conversion::UnitToAnsiTable::kNoExactByte) return std::nullopt;
        out += static_cast<char>(table.byteOf[u]);
    }
    return out;
}

std::string RandomBytes(std::mt19937& rng, size_t length) {
    std::string out(length, '\0');
    // Long runs of one class, so that whole blocks of it occur.
    unsigned kind = rng() % 4;
    for (char& c : out) {
        if (rng() % 16 == 0) kind = rng() % 4;
        switch (kind) {
            case 0: c = static_cast<char>(rng() % 0x80); break;          // ASCII
            case 1: c = static_cast<char>(0xC0 + rng() % 0x40); break;   // the upper quarter
            case 2: c = static_cast<char>(0x80 + rng() % 0x40); break;   // 80..BF
            default: c = static_cast<char>(rng() % 0x100); break;        // anything
        }
    }
    return out;
}

std::string RandomUtf8(std::mt19937& rng, size_t units) {
    std::u16string wide;
    unsigned kind = rng() % 4;
    for (size_t k = 0; k < units; ++k) {
        if (rng() % 16 == 0) kind = rng() % 4;
        switch (kind) {
            case 0: wide += static_cast<char16_t>(rng() % 0x80); break;            // ASCII
            case 1: wide += static_cast<char16_t>(0x400 + rng() % 0x60); break;    // Cyrillic
            case 2: wide += static_cast<char16_t>(0x80 + rng() % 0x780); break;    // two bytes
            default: wide += static_cast<char16_t>(rng() % 0x10000); break;        // any unit, surrogates too
        }
    }
    std::string text = EncodeEachUnit(wide);
    // Now and then a stray byte, so that malformed texts and odd leads occur.
    if (!text.empty() && rng() % 4 == 0) text[rng() % text.size()] = static_cast<char>(rng() % 0x100);
    return text;
}

}  // namespace reference
