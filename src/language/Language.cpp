#include "language/Language.h"

namespace language {

// Filled in as the dialog's form layer lands.
void ApplyLanguage(setup::Form&, const std::string&) {}
void ListLanguages(setup::Form&) {}
void ChooseLanguage(setup::Form&) {}

}  // namespace language
