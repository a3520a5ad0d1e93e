#pragma once
#include <windows.h>

#include <string>

#include "wcx/WcxApi.h"

namespace testing {

// The built plug-in, copied into a folder of the test's and loaded from there
// the way a host loads it, so the settings file beside it is found for real.
class LoadedPlugin {
public:
    // Copies the plug-in built beside the test program into folder (which ends
    // with a backslash) and loads it. Throws when it cannot.
    explicit LoadedPlugin(const std::string& folder);
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;
    ~LoadedPlugin();

    const std::string& File() const noexcept { return file; }
    HMODULE Module() const noexcept { return module; }

    wcx::OpenArchiveFn OpenArchive;
    wcx::ReadHeaderFn ReadHeader;
    wcx::ProcessFileFn ProcessFile;
    wcx::CloseArchiveFn CloseArchive;
    wcx::SetChangeVolProcFn SetChangeVolProc;
    wcx::SetProcessDataProcFn SetProcessDataProc;
    wcx::GetPackerCapsFn GetPackerCaps;
    wcx::PackFilesFn PackFiles;
    wcx::ConfigurePackerFn ConfigurePacker;
    wcx::PackSetDefaultParamsFn PackSetDefaultParams;

    // PackSetDefaultParams with a record whose suggested path is hostIniPath.
    void SetDefaultParams(const std::string& hostIniPath);
    // PackFiles with the names joined into a zero-separated list.
    int Pack(const std::string& packedFile, const std::string& srcPath, const std::initializer_list<std::string>& names,
             int flags);

private:
    std::string file;
    HMODULE module;
};

// The plug-in file built beside the test program.
std::string BuiltPluginPath();

}  // namespace testing
