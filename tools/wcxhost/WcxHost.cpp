// wcxhost: a small stand-in for the host file manager. It loads a packer
// plug-in with LoadLibrary, hands it default parameters and a progress
// callback, and calls its entry points as the host does.
//
//   wcxhost PLUGIN caps
//   wcxhost PLUGIN configure [--ini HOSTINI]
//   wcxhost PLUGIN pack [--move] [--paths] [--ini HOSTINI] [--log] [--abort-at N]
//           [--no-progress] ARCHIVE SRCDIR NAME...
//
// pack draws a progress line on the console; --log prints every progress call
// on a line of its own instead, for tests. --abort-at N answers 0 to the Nth
// progress call. The exit code is the plug-in's result code.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "wcx/WcxApi.h"

namespace {

struct Progress {
    bool log = false;
    bool draw = true;
    long abortAt = 0;  // 0: never
    long calls = 0;
    long long done = 0;
    long long total = 0;
};
Progress progress;

int __stdcall OnProgress(char* fileName, int size) {
    ++progress.calls;
    progress.done += size;
    if (progress.log) {
        std::printf("progress %s %d\n", fileName ? fileName : "(null)", size);
    } else if (progress.draw) {
        int percent = progress.total > 0 ? static_cast<int>(progress.done * 100 / progress.total) : 100;
        std::printf("\r[%3d%%] %lld of %lld bytes  %-50.50s", percent, progress.done, progress.total,
                    fileName ? fileName : "");
    }
    std::fflush(stdout);
    return progress.abortAt != 0 && progress.calls == progress.abortAt ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: wcxhost PLUGIN caps\n"
                 "       wcxhost PLUGIN configure [--ini HOSTINI]\n"
                 "       wcxhost PLUGIN pack [--move] [--paths] [--ini HOSTINI] [--log] [--abort-at N]\n"
                 "               [--no-progress] ARCHIVE SRCDIR NAME...\n");
    return 2;
}

template <class Fn>
Fn Entry(HMODULE module, const char* name) {
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!fn) std::fprintf(stderr, "wcxhost: the plug-in has no %s\n", name);
    return fn;
}

// A host suggests its own settings file; ours sits beside wcxhost.
std::string DefaultHostIni() {
    char buffer[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, n);
    return path.substr(0, path.find_last_of('\\') + 1) + "wcxhost.ini";
}

void SetDefaults(HMODULE module, const std::string& hostIni) {
    auto setDefaults = Entry<wcx::PackSetDefaultParamsFn>(module, "PackSetDefaultParams");
    if (!setDefaults) return;
    wcx::DefaultParams params{};
    params.size = sizeof params;
    params.versionLow = 2;
    params.versionHigh = 10;
    std::strncpy(params.defaultIniName, hostIni.c_str(), sizeof params.defaultIniName - 1);
    setDefaults(&params);
}

long long ListedSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int Pack(HMODULE module, std::vector<std::string> args) {
    int flags = 0;
    std::string hostIni = DefaultHostIni();
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--move") flags |= wcx::kPackMoveFiles;
        else if (args[i] == "--paths") flags |= wcx::kPackSavePaths;
        else if (args[i] == "--log") progress.log = true;
        else if (args[i] == "--no-progress") progress.draw = false;
        else if (args[i] == "--ini" && i + 1 < args.size()) hostIni = args[++i];
        else if (args[i] == "--abort-at" && i + 1 < args.size()) progress.abortAt = std::atol(args[++i].c_str());
        else return Usage();
    }
    if (args.size() - i < 2) return Usage();
    std::string archive = args[i], srcDir = args[i + 1];
    if (!srcDir.empty() && srcDir.back() != '\\') srcDir += '\\';  // hosts pass the folder with its separator
    std::string list;
    for (size_t k = i + 2; k < args.size(); ++k) {
        list += args[k] + '\0';
        progress.total += ListedSize(srcDir + args[k]);
    }
    list += '\0';

    SetDefaults(module, hostIni);
    auto setProgress = Entry<wcx::SetProcessDataProcFn>(module, "SetProcessDataProc");
    auto packFiles = Entry<wcx::PackFilesFn>(module, "PackFiles");
    if (!setProgress || !packFiles) return 3;
    setProgress(nullptr, &OnProgress);
    std::string subPath;
    int result = packFiles(archive.data(), subPath.data(), srcDir.data(), list.data(), flags);
    if (progress.draw && !progress.log && progress.calls > 0) std::printf("\n");
    std::printf("PackFiles returned %d\n", result);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    HMODULE module = LoadLibraryA(argv[1]);
    if (!module) {
        std::fprintf(stderr, "wcxhost: cannot load %s (error %lu)\n", argv[1], GetLastError());
        return 3;
    }
    std::string command = argv[2];
    std::vector<std::string> args(argv + 3, argv + argc);
    int result = 0;
    if (command == "caps") {
        auto caps = Entry<wcx::GetPackerCapsFn>(module, "GetPackerCaps");
        result = caps ? caps() : 3;
        std::printf("GetPackerCaps returned %d\n", result);
        result = 0;
    } else if (command == "configure") {
        std::string hostIni = args.size() == 2 && args[0] == "--ini" ? args[1] : DefaultHostIni();
        SetDefaults(module, hostIni);
        auto configure = Entry<wcx::ConfigurePackerFn>(module, "ConfigurePacker");
        result = configure ? configure(GetConsoleWindow(), module) : 3;
        std::printf("ConfigurePacker returned %d\n", result);
    } else if (command == "pack") {
        result = Pack(module, args);
    } else {
        result = Usage();
    }
    FreeLibrary(module);
    return result;
}
