#pragma once
#include <string>

namespace plugin {

// The module-path buffer is 261 bytes (not 260): a name that fills it has no
// terminating zero and is taken whole.
constexpr size_t kModulePathBufferSize = 261;

// Full path of the module that holds this code (the plug-in), computed afresh.
// Empty when the system cannot tell.
std::string ModulePath();

// Where the settings file lives: the module's name with ".ini" when that file
// exists, otherwise "Tovrin.ini" in the directory of the host's suggestion.
std::string SettingsLocation(const std::string& modulePath, const std::string& hostSuggestedPath);

}  // namespace plugin
