#pragma once
// What the plug-in uses of the host's packer interface, declared here from the
// interface's description: result codes, capability and flag bits, the
// default-parameters record and the callback types. Everything is 8-bit
// (ANSI) and uses the standard Windows calling convention.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace wcx {

// Result codes. The host knows more; these three are all the plug-in returns.
constexpr int kSuccess = 0;
constexpr int E_ECREATE = 16;        // cannot create the output file
constexpr int E_NOT_SUPPORTED = 24;  // function not supported

// Capability bits answered by GetPackerCaps.
constexpr int kCapsNew = 1;        // can create new archives
constexpr int kCapsMultiple = 4;   // an archive can hold several files
constexpr int kCapsOptions = 16;   // has an options dialog (ConfigurePacker)
constexpr int kCapsHide = 256;     // shown as normal files, packer icon hidden
constexpr int kPackerCaps = kCapsNew | kCapsMultiple | kCapsOptions | kCapsHide;
static_assert(kPackerCaps == 277);

// PackFiles flag bits; each is tested alone, the others are ignored.
constexpr int kPackMoveFiles = 1;  // delete the sources after packing
constexpr int kPackSavePaths = 2;  // keep the relative paths the names carry

// The default-parameters record, little-endian and unpadded. Only the
// suggested settings path is read, and never past its 260 bytes.
struct DefaultParams {
    int32_t size;
    uint32_t versionLow;
    uint32_t versionHigh;
    char defaultIniName[260];
};
static_assert(offsetof(DefaultParams, defaultIniName) == 12);
static_assert(sizeof(DefaultParams) == 272);

// The host's progress function: the file name and a byte count; 0 asks to abort.
using ProcessDataProc = int(__stdcall*)(char* fileName, int size);
// The host's volume-change function, accepted and never called.
using ChangeVolProc = int(__stdcall*)(char* arcName, int mode);

// Entry-point types, as a host looks them up with GetProcAddress.
using OpenArchiveFn = HANDLE(__stdcall*)(void* archiveData);
using ReadHeaderFn = int(__stdcall*)(HANDLE archive, void* headerData);
using ProcessFileFn = int(__stdcall*)(HANDLE archive, int operation, char* destPath, char* destName);
using CloseArchiveFn = int(__stdcall*)(HANDLE archive);
using SetChangeVolProcFn = void(__stdcall*)(HANDLE archive, ChangeVolProc proc);
using SetProcessDataProcFn = void(__stdcall*)(HANDLE archive, ProcessDataProc proc);
using GetPackerCapsFn = int(__stdcall*)();
using PackFilesFn = int(__stdcall*)(char* packedFile, char* subPath, char* srcPath, char* addList, int flags);
using ConfigurePackerFn = int(__stdcall*)(HWND parent, HINSTANCE dllInstance);
using PackSetDefaultParamsFn = void(__stdcall*)(DefaultParams* params);

}  // namespace wcx
