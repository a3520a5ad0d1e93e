#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The rules of language entries and language identifiers that need no system
// call, so that they are tested natively too.

namespace language {

// The built-in entry of the language box: two blanks mark it as no file's.
constexpr std::string_view kBuiltInEntry = "  English (build-in)";
// What the settings reader gives when no language is stored.
constexpr std::string_view kStoredDefault = "English (build-in)";

// The stored Language value as the dialog shows it: a value containing
// "(build-in)" in any case becomes two blanks plus the value stripped of the
// bytes up to 32 at both ends; any other value is kept. Never fails.
std::string NormaliseStoredChoice(std::string_view stored);

// The value stripped of leading and trailing bytes up to 32 (blanks and
// control characters). Never fails.
std::string_view StripControls(std::string_view text) noexcept;

// A file's language entry: the base name, then " (name)" when name is not
// empty. Never fails.
std::string EntryText(std::string_view baseName, std::string_view name);

// The file name without its extension (the last full stop and what follows);
// the whole name when it has no full stop. Never fails.
std::string_view BaseName(std::string_view fileName) noexcept;

// The part of a choice that names its file: what precedes the first " (",
// found case-sensitively; the whole choice when there is none. Never fails.
std::string_view ChoiceFileStem(std::string_view choice) noexcept;

// A language identifier as exactly four upper-case hexadecimal digits. Never fails.
std::string FormatLanguageId(uint16_t langId);

// Whether a language file's "Id" value names the system's language, given as
// FormatLanguageId gives it: items separated by ",", blanks and "$" ignored,
// letter case folded; an item matches when it equals systemId or ends with
// the same two characters. Empty values and one-character items never match.
// Never fails.
bool LanguageIdMatches(std::string_view idValue, std::string_view systemId);

}  // namespace language
