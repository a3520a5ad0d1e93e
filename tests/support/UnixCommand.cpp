#include "support/UnixCommand.h"

#include <windows.h>

#include <vector>

namespace testing {

int RunUnixCommand(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

std::string UnixPath(const std::string& windowsPath) {
    // Wine's own export; it answers with a heap block of the process heap.
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), n);
    char* unix = toUnix(wide.c_str());
    if (!unix) return {};
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

namespace {

bool Writable(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

}  // namespace

ImmutableFile::ImmutableFile(std::string windowsPath) : unixPath(UnixPath(windowsPath)), ok(false) {
    if (unixPath.empty()) return;
    // The exit code Wine reports for a Linux program is not dependable, and
    // the wait may end before the program has: watch for the effect instead.
    RunUnixCommand("Z:\\usr\\bin\\chattr +i \"" + unixPath + "\"");
    for (int i = 0; i < 200 && !ok; ++i) {
        ok = !Writable(windowsPath);
        if (!ok) Sleep(10);
    }
    path = std::move(windowsPath);
}

ImmutableFile::~ImmutableFile() {
    if (!ok) return;
    RunUnixCommand("Z:\\usr\\bin\\chattr -i \"" + unixPath + "\"");
    for (int i = 0; i < 200 && !Writable(path); ++i) Sleep(10);
}

}  // namespace testing
