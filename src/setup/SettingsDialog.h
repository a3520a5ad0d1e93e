#pragma once
#include <string>

namespace setup {

// Constructs the settings dialog with no owner component, shows it modally on
// the calling thread and frees it before returning. By then every write the
// dialog makes has reached the settings file.
void ShowSettingsDialog(const std::string& settingsPath);

}  // namespace setup
