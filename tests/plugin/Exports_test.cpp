#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>

#include "plugin/ModulePath.h"
#include "support/PluginLoader.h"
#include "support/TempDir.h"

using testing::LoadedPlugin;
using testing::TempDir;

TEST_CASE("GetPackerCaps answers 277 and the archive-reading calls refuse with 24") {
    TempDir dir;
    LoadedPlugin plugin(dir.Path());
    CHECK(plugin.GetPackerCaps() == 277);
    CHECK(reinterpret_cast<INT_PTR>(plugin.OpenArchive(nullptr)) == 24);
    CHECK(plugin.ReadHeader(nullptr, nullptr) == 24);
    CHECK(plugin.ProcessFile(nullptr, 0, nullptr, nullptr) == 24);
    CHECK(plugin.CloseArchive(nullptr) == 24);
    plugin.SetChangeVolProc(nullptr, nullptr);

    // The records passed in are neither read nor written: a page that may not
    // be touched at all proves it.
    void* noAccess = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
    REQUIRE(noAccess);
    HANDLE archive = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1));
    CHECK(reinterpret_cast<INT_PTR>(plugin.OpenArchive(noAccess)) == 24);
    CHECK(plugin.ReadHeader(archive, noAccess) == 24);
    CHECK(plugin.ProcessFile(archive, 2, static_cast<char*>(noAccess), static_cast<char*>(noAccess)) == 24);
    VirtualFree(noAccess, 0, MEM_RELEASE);
}

TEST_CASE("PackSetDefaultParams reads the host's path to 260 bytes and never past offset 271") {
    // The record ends exactly where an inaccessible page begins; a read past
    // offset 271 would fault.
    char* pages = static_cast<char*>(VirtualAlloc(nullptr, 8192, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    REQUIRE(pages);
    DWORD old;
    REQUIRE(VirtualProtect(pages + 4096, 4096, PAGE_NOACCESS, &old));
    auto* params = reinterpret_cast<wcx::DefaultParams*>(pages + 4096 - sizeof(wcx::DefaultParams));
    params->size = sizeof *params;
    std::memset(params->defaultIniName, 'a', sizeof params->defaultIniName);
    params->defaultIniName[2] = '\\';
    TempDir dir;
    {
        LoadedPlugin plugin(dir.Path());
        plugin.PackSetDefaultParams(params);
        plugin.PackSetDefaultParams(nullptr);  // a host without a record gets the bare name, not a crash
    }
    VirtualFree(pages, 0, MEM_RELEASE);
}

TEST_CASE("Settings location: the .ini beside the module wins, else the host's directory") {
    TempDir dir;
    const std::string module = dir / "Tovrin.wcx";
    struct Row {
        const char* host;
        bool iniBesideModule;
        std::string expected;
    };
    const Row rows[] = {
        {"C:\\Host\\wincmd.ini", true, dir / "Tovrin.ini"},
        {"C:\\Host\\wincmd.ini", false, "C:\\Host\\Tovrin.ini"},
        {"C:wincmd.ini", false, "C:Tovrin.ini"},
        {"wincmd.ini", false, "Tovrin.ini"},  // the profile functions look in the Windows folder
        {"", false, "Tovrin.ini"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.host);
        CAPTURE(row.iniBesideModule);
        if (row.iniBesideModule)
            testing::WriteBytes(dir / "Tovrin.ini", "");
        else
            DeleteFileA((dir / "Tovrin.ini").c_str());
        CHECK(plugin::SettingsLocation(module, row.host) == row.expected);
    }
    // A directory of that name is no settings file.
    CreateDirectoryA((dir / "Tovrin.ini").c_str(), nullptr);
    CHECK(plugin::SettingsLocation(module, "C:\\Host\\x.ini") == "C:\\Host\\Tovrin.ini");
    // The host's path of 260 bytes without a terminator is taken whole.
    std::string longHost(250, 'h');
    longHost += "\\123456789";
    CHECK(plugin::SettingsLocation(module, longHost) == std::string(251, 'h').replace(250, 1, "\\") + "Tovrin.ini");
}

TEST_CASE("ModulePath names the module that holds the code") {
    const std::string path = plugin::ModulePath();
    CHECK(path == testing::ProgramDirectory() + path.substr(path.find_last_of('\\') + 1));
    CHECK(path.size() > 4);
}
