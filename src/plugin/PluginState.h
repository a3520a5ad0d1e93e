#pragma once
#include <string>

#include "wcx/WcxApi.h"

namespace plugin {

// The only state kept between calls of the host, one instance per loaded
// library. The host calls from one thread, so nothing guards it.
struct PluginState {
    std::string settingsPath;                  // set by PackSetDefaultParams
    wcx::ProcessDataProc progressCallback{};  // set by SetProcessDataProc, null allowed
};

PluginState& State();

// SettingsPath for a handler or a batch. A host that configures or packs
// before PackSetDefaultParams gets the .ini beside the module, not an empty
// path (which the profile functions would take as a file in the Windows folder).
const std::string& SettingsPathForUse();

}  // namespace plugin
