#include "language/LanguageRules.h"

#include "common/CaseFold.h"

namespace language {

std::string_view StripControls(std::string_view text) noexcept {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
    return text.substr(begin, end - begin);
}

std::string NormaliseStoredChoice(std::string_view stored) {
    if (!common::ContainsIgnoreCase(stored, "(build-in)")) return std::string(stored);
    std::string result = "  ";
    result += StripControls(stored);
    return result;
}

std::string EntryText(std::string_view baseName, std::string_view name) {
    std::string entry(baseName);
    if (!name.empty()) {
        entry += " (";
        entry += name;
        entry += ')';
    }
    return entry;
}

std::string_view BaseName(std::string_view fileName) noexcept {
    size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
}

std::string_view ChoiceFileStem(std::string_view choice) noexcept {
    size_t cut = choice.find(" (");
    return cut == std::string_view::npos ? choice : choice.substr(0, cut);
}

std::string FormatLanguageId(uint16_t langId) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i, langId >>= 4) text[i] = kDigits[langId & 0xF];
    return text;
}

namespace {

// Items compare on their primary-language part, the last two digits; the
// whole identifier matching is the same test whenever systemId has four.
bool ItemMatches(std::string_view item, std::string_view systemId) noexcept {
    if (item == systemId) return true;
    if (item.size() < 2 || systemId.size() < 2) return false;
    return item.substr(item.size() - 2) == systemId.substr(systemId.size() - 2);
}

}  // namespace

bool LanguageIdMatches(std::string_view idValue, std::string_view systemId) {
    if (idValue.empty()) return false;
    std::string items;
    items.reserve(idValue.size() + 1);  // blanks and "$" only ever shrink it
    for (char c : idValue)
        if (c != ' ' && c != '$') items += static_cast<char>(common::FoldCase(static_cast<unsigned char>(c)));
    items += ',';
    std::string_view rest = items;
    for (size_t comma = rest.find(','); comma != std::string_view::npos; comma = rest.find(',')) {
        if (ItemMatches(rest.substr(0, comma), systemId)) return true;
        rest.remove_prefix(comma + 1);
    }
    return false;
}

}  // namespace language
