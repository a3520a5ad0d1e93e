#pragma once
#include <string>
#include <string_view>

#include "language/LanguageRules.h"

namespace setup {
class Form;
}

namespace language {

// The dialog's language handlers. None of them fails or reports anything: a
// language that cannot be found leaves the dialog as it is.

// Applies the language entry `choice`: the file named by it in the Language
// folder beside the module, or else the first file matching the system's
// language. "  English (build-in)" applies nothing.
void ApplyLanguage(setup::Form& form, const std::string& choice);

// cbLanguageDropDown: rebuilds the language box's list (the built-in entry,
// then one entry per *.lng in listing order) and selects again the entry equal
// to the text it showed, ignoring case; nothing is selected when none is.
void ListLanguages(setup::Form& form);

// cbLanguageCloseUp: applies the selected entry; with the first entry selected
// lbLanguage asks the user to reopen the dialog.
void ChooseLanguage(setup::Form& form);

}  // namespace language
