#pragma once
// Re-encoding between the system's ANSI code page ("Win", CP_ACP, whatever it
// is on the machine) and UTF-8 ("UTF"). The results are byte-identical to
// widening with MultiByteToWideChar and encoding each UTF-16 unit on its own
// (surrogates are never paired), and to the lenient UTF-8 decoding followed by
// WideCharToMultiByte; how the work is done is the implementation's business.
#include <string>
#include <string_view>

namespace conversion {

// The UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8Bom{"\xEF\xBB\xBF", 3};

// ANSI text as UTF-8. Raises only std::bad_alloc.
[[nodiscard]] std::string AnsiToUtf8Text(std::string_view text);

// UTF-8 text in the ANSI code page. Malformed input gives the empty string and,
// when malformed is given, sets *malformed (so the caller can tell it from an
// empty input). Raises only std::bad_alloc.
[[nodiscard]] std::string Utf8ToAnsiText(std::string_view text, bool* malformed = nullptr);

// The same conversions fed in chunks of any size, for texts that do not fit
// in memory at once: appending every output gives exactly the bytes the
// whole-text function gives for the concatenated input. A converter holds
// back the few input bytes that a later chunk may continue (a DBCS lead byte,
// an unfinished UTF-8 sequence, a high surrogate) until that chunk or Finish.
class AnsiToUtf8Stream {
public:
    AnsiToUtf8Stream();
    void Convert(std::string_view chunk, std::string& out);
    void Finish(std::string& out);

private:
    std::string carry;
};

class Utf8ToAnsiStream {
public:
    Utf8ToAnsiStream();
    // false once the input is known to be malformed; the output so far is then
    // worthless and the caller discards it.
    [[nodiscard]] bool Convert(std::string_view chunk, std::string& out);
    [[nodiscard]] bool Finish(std::string& out);

private:
    std::string carry;
    std::wstring pendingUnits;
    bool malformed = false;
};

}  // namespace conversion
