#include "support/TempDir.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    char temp[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof temp, temp);
    if (n == 0 || n > MAX_PATH) throw std::runtime_error("no temp path");
    for (;;) {
        path = std::string(temp, n) + "tovrin-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(counter++) + "\\";
        if (CreateDirectoryA(path.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path);
    }
}

TempDir::~TempDir() { RemoveTree(path); }

void RemoveTree(const std::string& path) {
    std::string dir = path;
    if (!dir.empty() && dir.back() != '\\') dir += '\\';
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = dir + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ProgramDirectory() {
    std::string buffer(32768, '\0');
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(n);
    return buffer.substr(0, buffer.find_last_of('\\') + 1);
}

}  // namespace testing
