#pragma once
#include <string>

namespace testing {

// A fresh directory under the Windows temp folder, removed with everything in
// it (read-only files too) when the fixture goes.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();
    // The directory with a trailing backslash.
    const std::string& Path() const noexcept { return path; }
    std::string operator/(const std::string& name) const { return path + name; }

private:
    std::string path;
};

// Test-side file access, independent of the code under test.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);  // throws when the file cannot be read
bool FileExists(const std::string& path);
void RemoveTree(const std::string& path);

// Directory of the running test program, with a trailing backslash.
std::string ProgramDirectory();

}  // namespace testing
