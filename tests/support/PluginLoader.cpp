#include "support/PluginLoader.h"

#include <cstring>
#include <stdexcept>

#include "support/TempDir.h"

namespace testing {
namespace {

template <class Fn>
void Resolve(HMODULE module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!fn) throw std::runtime_error(std::string("plug-in lacks ") + name);
}

}  // namespace

std::string BuiltPluginPath() { return ProgramDirectory() + TOVRIN_PLUGIN_FILE; }

LoadedPlugin::LoadedPlugin(const std::string& folder) : file(folder + TOVRIN_PLUGIN_FILE) {
    if (!CopyFileA(BuiltPluginPath().c_str(), file.c_str(), FALSE)) throw std::runtime_error("cannot copy plug-in");
    module = LoadLibraryA(file.c_str());
    if (!module) throw std::runtime_error("cannot load " + file);
    Resolve(module, "OpenArchive", OpenArchive);
    Resolve(module, "ReadHeader", ReadHeader);
    Resolve(module, "ProcessFile", ProcessFile);
    Resolve(module, "CloseArchive", CloseArchive);
    Resolve(module, "SetChangeVolProc", SetChangeVolProc);
    Resolve(module, "SetProcessDataProc", SetProcessDataProc);
    Resolve(module, "GetPackerCaps", GetPackerCaps);
    Resolve(module, "PackFiles", PackFiles);
    Resolve(module, "ConfigurePacker", ConfigurePacker);
    Resolve(module, "PackSetDefaultParams", PackSetDefaultParams);
}

LoadedPlugin::~LoadedPlugin() { FreeLibrary(module); }

void LoadedPlugin::SetDefaultParams(const std::string& hostIniPath) {
    wcx::DefaultParams params{};
    params.size = sizeof params;
    std::memcpy(params.defaultIniName, hostIniPath.data(), std::min(hostIniPath.size(), sizeof params.defaultIniName));
    PackSetDefaultParams(&params);
}

int LoadedPlugin::Pack(const std::string& packedFile, const std::string& srcPath,
                       const std::initializer_list<std::string>& names, int flags) {
    std::string list;
    for (const std::string& name : names) list += name + '\0';
    list += '\0';
    std::string packed = packedFile, src = srcPath, sub;
    return PackFiles(packed.data(), sub.data(), src.data(), list.data(), flags);
}

}  // namespace testing
