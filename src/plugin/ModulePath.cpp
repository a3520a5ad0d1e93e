#include "plugin/ModulePath.h"

#include <windows.h>

#include <cstring>

#include "common/PathRules.h"

namespace plugin {

std::string ModulePath() {
    HMODULE self = nullptr;
    // The module that holds this function: the plug-in in the product, the
    // test program when the tests link these sources directly.
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&ModulePath), &self))
        return {};
    char buffer[kModulePathBufferSize] = {};
    GetModuleFileNameA(self, buffer, kModulePathBufferSize);
    return std::string(buffer, strnlen(buffer, kModulePathBufferSize));
}

std::string SettingsLocation(const std::string& modulePath, const std::string& hostSuggestedPath) {
    std::string besideModule = common::ReplaceExtension(modulePath, ".ini");
    DWORD attributes = GetFileAttributesA(besideModule.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return besideModule;
    return std::string(common::DirectoryPart(hostSuggestedPath)) + "Tovrin.ini";
}

}  // namespace plugin
