#include "conversion/Kernels.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace conversion {

// The kernels store a PackedUtf8 with memcpy and rely on its first byte
// landing first in memory.
static_assert(std::endian::native == std::endian::little);

namespace {

const uint8_t* Bytes(std::string_view text) noexcept { return reinterpret_cast<const uint8_t*>(text.data()); }

// Blocks of 16 input bytes are classified at once: ASCII text is copied and
// counted a block at a time, everything else goes byte by byte.
constexpr size_t kBlock = 16;

struct BlockClass {
    unsigned highCount;  // bytes 80..FF
    bool anyMid;         // any byte 80..BF (bit 7 set, bit 6 clear)
};

#if defined(__SSE2__)
// SSE2 is part of x86-64 itself: no CPU check.
BlockClass ClassifyBlock(const uint8_t* p) noexcept {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    unsigned high = static_cast<unsigned>(_mm_movemask_epi8(v));
    // Shifting each 16-bit lane left by one moves every byte's bit 6 into its bit 7.
    unsigned bit6 = static_cast<unsigned>(_mm_movemask_epi8(_mm_slli_epi16(v, 1)));
    return {static_cast<unsigned>(std::popcount(high)), (high & ~bit6) != 0};
}

bool BlockIsAscii(const uint8_t* p) noexcept {
    return _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))) == 0;
}
#else
// Eight bytes per word: needs nothing that a 32-bit x86 without SSE2 lacks.
constexpr uint64_t kHighBits = 0x8080808080808080u;

uint64_t Word(const uint8_t* p) noexcept {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

BlockClass ClassifyBlock(const uint8_t* p) noexcept {
    uint64_t a = Word(p), b = Word(p + 8);
    uint64_t highA = a & kHighBits, highB = b & kHighBits;
    // w << 1 moves every byte's bit 6 into its bit 7 (bit 7 leaves for the next byte's bit 0).
    uint64_t mid = (highA & ~(a << 1)) | (highB & ~(b << 1));
    return {static_cast<unsigned>(std::popcount(highA) + std::popcount(highB)), (mid & kHighBits) != 0};
}

bool BlockIsAscii(const uint8_t* p) noexcept { return ((Word(p) | Word(p + 8)) & kHighBits) == 0; }
#endif

// Stores exactly the bytes of code.
char* StoreExact(char* out, PackedUtf8 code) noexcept {
    size_t length = PackedLength(code);
    out[0] = static_cast<char>(code);
    if (length > 1) out[1] = static_cast<char>(code >> 8);
    if (length > 2) out[2] = static_cast<char>(code >> 16);
    return out + length;
}

// The unit of the lenient sequence at p[i], moving i past it; -1 when a trail
// byte is missing (the text ends first) or not 10xxxxxx.
inline int32_t DecodeSequence(const uint8_t* p, size_t n, size_t& i) noexcept {
    uint32_t lead = p[i];
    if (lead < 0x80) {
        ++i;
        return static_cast<int32_t>(lead);
    }
    if (!(lead & 0x20)) {
        if (n - i < 2 || (p[i + 1] & 0xC0) != 0x80) return -1;
        uint32_t unit = (lead & 0x1F) << 6 | (p[i + 1] & 0x3F);
        i += 2;
        return static_cast<int32_t>(unit);
    }
    if (n - i < 3 || (p[i + 1] & 0xC0) != 0x80 || (p[i + 2] & 0xC0) != 0x80) return -1;
    uint32_t unit = (lead & 0x0F) << 12 | (p[i + 1] & 0x3F) << 6 | (p[i + 2] & 0x3F);
    i += 3;
    return static_cast<int32_t>(unit);
}

}  // namespace

std::string EncodeUnits(std::u16string_view units) {
    // Size first: the sum of each unit's own length is exactly what is written.
    size_t length = 0;
    for (char16_t unit : units) length += PackedLength(EncodeUnit(unit));
    std::string out(length, '\0');
    char* o = out.data();
    for (char16_t unit : units) o = StoreExact(o, EncodeUnit(unit));
    return out;
}

std::optional<std::u16string> DecodeUtf8Lenient(std::string_view text) {
    const uint8_t* p = Bytes(text);
    size_t n = text.size();
    std::u16string out;
    out.reserve(n);  // never more than one unit per input byte
    for (size_t i = 0; i < n;) {
        int32_t unit = DecodeSequence(p, n, i);
        if (unit < 0) return std::nullopt;
        out.push_back(static_cast<char16_t>(unit));
    }
    return out;
}

std::optional<size_t> WholeSequencesPrefix(std::string_view chunk) noexcept {
    const uint8_t* p = Bytes(chunk);
    size_t n = chunk.size();
    size_t i = 0;
    while (i < n) {
        size_t length = kSequenceLength[p[i]];
        if (n - i < length) break;  // the next chunk may finish it
        if (DecodeSequence(p, n, i) < 0) return std::nullopt;
    }
    for (size_t k = i + 1; k < n; ++k)
        if ((p[k] & 0xC0) != 0x80) return std::nullopt;
    return i;
}

AnsiToUtf8Table MakeAnsiToUtf8Table(const std::array<char16_t, 256>& units) noexcept {
    AnsiToUtf8Table table{};
    table.asciiIdentity = true;
    table.upperQuarterTwoBytes = true;
    for (int b = 0; b < 256; ++b) {
        table.code[b] = EncodeUnit(units[b]);
        if (b < 0x80 && units[b] != b) table.asciiIdentity = false;
        if (b >= 0xC0 && PackedLength(table.code[b]) != 2) table.upperQuarterTwoBytes = false;
    }
    return table;
}

size_t Utf8LengthWithTable(const AnsiToUtf8Table& table, std::string_view text) noexcept {
    const uint8_t* p = Bytes(text);
    size_t n = text.size();
    size_t total = 0;
    size_t i = 0;
    if (table.asciiIdentity) {
        // A block without bytes 80..BF is ASCII (one byte each) and C0..FF
        // (two each when the table says so): its length follows from a count.
        for (; n - i >= kBlock; i += kBlock) {
            BlockClass c = ClassifyBlock(p + i);
            if (c.highCount == 0 || (table.upperQuarterTwoBytes && !c.anyMid)) {
                total += kBlock + c.highCount;
                continue;
            }
            for (size_t k = 0; k < kBlock; ++k) total += PackedLength(table.code[p[i + k]]);
        }
    }
    for (; i < n; ++i) total += PackedLength(table.code[p[i]]);
    return total;
}

void AnsiToUtf8WithTable(const AnsiToUtf8Table& table, std::string_view text, char* out) noexcept {
    const uint8_t* p = Bytes(text);
    size_t n = text.size();
    size_t i = 0;
    // Stores of all four packed bytes are safe while at least three more input
    // bytes follow the block: each gives at least one output byte, so the
    // fourth byte stored always lies inside out, and the next store or the
    // exact tail overwrites it.
    for (; n - i >= kBlock + 3; i += kBlock) {
        if (table.asciiIdentity && BlockIsAscii(p + i)) {
            std::memcpy(out, p + i, kBlock);
            out += kBlock;
            continue;
        }
        for (size_t k = 0; k < kBlock; ++k) {
            PackedUtf8 code = table.code[p[i + k]];
            std::memcpy(out, &code, sizeof code);
            out += PackedLength(code);
        }
    }
    for (; i < n; ++i) out = StoreExact(out, table.code[p[i]]);
}

std::string AnsiToUtf8WithTable(const AnsiToUtf8Table& table, std::string_view text) {
    std::string out(Utf8LengthWithTable(table, text), '\0');
    AnsiToUtf8WithTable(table, text, out.data());
    return out;
}

std::unique_ptr<UnitToAnsiTable> InverseTable(const std::array<char16_t, 256>& units, uint8_t defaultByte) {
    auto table = std::make_unique<UnitToAnsiTable>();
    table->byteOf.fill(defaultByte);
    // Backwards, so that the lowest byte wins where two give the same unit.
    for (int b = 255; b >= 0; --b) table->byteOf[units[b]] = static_cast<uint16_t>(b);
    for (uint32_t u = 0xD800; u <= 0xDFFF; ++u) table->byteOf[u] = UnitToAnsiTable::kNoExactByte;
    NoteAsciiIdentity(*table);
    return table;
}

void NoteAsciiIdentity(UnitToAnsiTable& table) noexcept {
    table.asciiIdentity = true;
    for (uint32_t u = 0; u < 0x80; ++u)
        if (table.byteOf[u] != u) table.asciiIdentity = false;
}

Utf8Scan ScanUtf8WithTable(const UnitToAnsiTable& table, std::string_view text) noexcept {
    const uint8_t* p = Bytes(text);
    size_t n = text.size();
    Utf8Scan scan;
    for (size_t i = 0; i < n;) {
        // An ASCII byte may begin an ASCII block: take it whole.
        if (table.asciiIdentity && p[i] < 0x80 && n - i >= kBlock && BlockIsAscii(p + i)) {
            scan.units += kBlock;
            i += kBlock;
            continue;
        }
        int32_t unit = DecodeSequence(p, n, i);
        if (unit < 0) {
            scan.malformed = true;
            return scan;
        }
        if (table.byteOf[unit] == UnitToAnsiTable::kNoExactByte) scan.tableExact = false;
        ++scan.units;
    }
    return scan;
}

void Utf8ToAnsiWithTable(const UnitToAnsiTable& table, std::string_view text, char* out) noexcept {
    const uint8_t* p = Bytes(text);
    size_t n = text.size();
    for (size_t i = 0; i < n;) {
        if (table.asciiIdentity && p[i] < 0x80 && n - i >= kBlock && BlockIsAscii(p + i)) {
            std::memcpy(out, p + i, kBlock);
            out += kBlock;
            i += kBlock;
            continue;
        }
        *out++ = static_cast<char>(table.byteOf[DecodeSequence(p, n, i)]);
    }
}

std::optional<std::string> Utf8ToAnsiWithTable(const UnitToAnsiTable& table, std::string_view text, Utf8Scan& scan) {
    scan = ScanUtf8WithTable(table, text);
    if (scan.malformed || !scan.tableExact) return std::nullopt;
    // One byte per unit, and the scan counted the units.
    std::string out(scan.units, '\0');
    Utf8ToAnsiWithTable(table, text, out.data());
    return out;
}

}  // namespace conversion
