#include "language/TitleFormat.h"

namespace language {
namespace {

struct Directive {
    size_t index = 0;
    bool hasIndex = false;
    bool leftJustify = false;
    size_t width = 0;
    std::optional<size_t> precision;
};

// Reads the decimal digits at pos; nullopt when there are none or the number
// exceeds kMaxTitleFieldWidth (checked per digit, so it never overflows).
std::optional<size_t> ReadNumber(std::string_view text, size_t& pos) {
    size_t start = pos;
    size_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + static_cast<size_t>(text[pos] - '0');
        if (value > kMaxTitleFieldWidth) return std::nullopt;
    }
    if (pos == start) return std::nullopt;
    return value;
}

bool IsDigit(std::string_view text, size_t pos) { return pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; }

// Parses what follows a "%" up to and including the type "s"; pos ends past it.
std::optional<Directive> ParseDirective(std::string_view pattern, size_t& pos) {
    Directive d;
    if (IsDigit(pattern, pos)) {
        size_t digitsEnd = pos;
        while (IsDigit(pattern, digitsEnd)) ++digitsEnd;
        if (digitsEnd < pattern.size() && pattern[digitsEnd] == ':') {
            auto index = ReadNumber(pattern, pos);
            if (!index) return std::nullopt;
            d.index = *index;
            d.hasIndex = true;
            ++pos;  // the colon
        }
    }
    if (pos < pattern.size() && pattern[pos] == '-') {
        d.leftJustify = true;
        ++pos;
    }
    if (IsDigit(pattern, pos)) {
        auto width = ReadNumber(pattern, pos);
        if (!width) return std::nullopt;
        d.width = *width;
    }
    if (pos < pattern.size() && pattern[pos] == '.') {
        ++pos;
        d.precision = ReadNumber(pattern, pos);
        if (!d.precision) return std::nullopt;
    }
    if (pos >= pattern.size() || pattern[pos] != 's') return std::nullopt;
    ++pos;
    return d;
}

void AppendField(std::string& out, const Directive& d, std::string_view argument) {
    std::string_view text = argument.substr(0, d.precision.value_or(argument.size()));
    size_t pad = d.width > text.size() ? d.width - text.size() : 0;
    if (!d.leftJustify) out.append(pad, ' ');
    out += text;
    if (d.leftJustify) out.append(pad, ' ');
}

}  // namespace

std::optional<std::string> FormatTitle(std::string_view pattern, std::string_view argument) {
    std::string out;
    out.reserve(pattern.size() + argument.size());
    size_t nextIndex = 0;  // the argument a directive without an index takes
    for (size_t pos = 0; pos < pattern.size();) {
        size_t percent = pattern.find('%', pos);
        out += pattern.substr(pos, percent - pos);
        if (percent == std::string_view::npos) break;
        pos = percent + 1;
        if (pos < pattern.size() && pattern[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        auto d = ParseDirective(pattern, pos);
        if (!d) return std::nullopt;
        size_t index = d->hasIndex ? d->index : nextIndex;
        if (index != 0) return std::nullopt;  // there is one argument
        nextIndex = index + 1;
        AppendField(out, *d, argument);
    }
    return out;
}

}  // namespace language
