#include "plugin/PluginState.h"

#include "common/PathRules.h"
#include "plugin/ModulePath.h"

namespace plugin {

PluginState& State() {
    static PluginState state;
    return state;
}

const std::string& SettingsPathForUse() {
    std::string& path = State().settingsPath;
    if (path.empty()) path = common::ReplaceExtension(ModulePath(), ".ini");
    return path;
}

}  // namespace plugin
