#include "setup/SettingsDialog.h"

namespace setup {

void ShowSettingsDialog(const std::string&) {}  // the dialog comes with its own work

}  // namespace setup
