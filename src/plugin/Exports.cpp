// The ten entry points of the packer interface. Each checks its arguments,
// calls one function and turns the outcome into a result code.
#include <windows.h>

#include <cstring>

#include "conversion/ConversionDriver.h"
#include "plugin/ModulePath.h"
#include "plugin/PluginState.h"
#include "setup/SettingsDialog.h"
#include "wcx/WcxApi.h"

namespace {

// The host is not C++: an exception that escapes here kills its process.
template <class Body>
int Guarded(int onFailure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

}  // namespace

extern "C" {

// The plug-in has no archive format: the archive-reading calls refuse and
// touch nothing the host passed.
__declspec(dllexport) HANDLE __stdcall OpenArchive(void*) {
    return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(wcx::E_NOT_SUPPORTED));
}
__declspec(dllexport) int __stdcall ReadHeader(HANDLE, void*) { return wcx::E_NOT_SUPPORTED; }
__declspec(dllexport) int __stdcall ProcessFile(HANDLE, int, char*, char*) { return wcx::E_NOT_SUPPORTED; }
__declspec(dllexport) int __stdcall CloseArchive(HANDLE) { return wcx::E_NOT_SUPPORTED; }
__declspec(dllexport) void __stdcall SetChangeVolProc(HANDLE, wcx::ChangeVolProc) {}

__declspec(dllexport) void __stdcall SetProcessDataProc(HANDLE, wcx::ProcessDataProc proc) {
    plugin::State().progressCallback = proc;
}

__declspec(dllexport) int __stdcall GetPackerCaps() { return wcx::kPackerCaps; }

__declspec(dllexport) int __stdcall PackFiles(char* packedFile, char*, char* srcPath, char* addList, int flags) {
    return Guarded(wcx::E_ECREATE, [&] {
        // A host that passes no list, source or archive name asks for nothing.
        if (!packedFile || !srcPath || !addList) return wcx::kSuccess;
        const plugin::PluginState& state = plugin::State();
        return conversion::ConversionDriver(plugin::SettingsPathForUse(), state.progressCallback,
                                            conversion::TargetDirectory(packedFile), srcPath, addList, flags);
    });
}

__declspec(dllexport) int __stdcall ConfigurePacker(HWND, HINSTANCE) {
    return Guarded(0, [] {
        setup::ShowSettingsDialog(plugin::SettingsPathForUse());
        return 0;
    });
}

__declspec(dllexport) void __stdcall PackSetDefaultParams(wcx::DefaultParams* params) {
    Guarded(0, [&] {
        // The suggested path is read to its first zero byte and never past its
        // 260 bytes, even when the host left no terminator.
        std::string suggested;
        if (params) suggested.assign(params->defaultIniName, strnlen(params->defaultIniName, sizeof params->defaultIniName));
        plugin::State().settingsPath = plugin::SettingsLocation(plugin::ModulePath(), suggested);
        return 0;
    });
}

}  // extern "C"
