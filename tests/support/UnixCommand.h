#pragma once
#include <string>

namespace testing {

// Wine starts Linux programs through CreateProcess; the tests use that to
// make conditions Windows APIs cannot make under Wine as root (an immutable
// file, a full file system). Returns the program's exit code, -1 when it
// could not be started. Name the program by its Windows path (Z:\\usr\\bin\\...):
// Wine takes a bare "/usr/bin/x" for a path on the current drive.
int RunUnixCommand(const std::string& commandLine);

// The Linux path behind a Windows path of the Wine prefix; empty if none.
std::string UnixPath(const std::string& windowsPath);

// A file that nobody, root included, may change while this object lives
// (chattr +i). Wine as root ignores the read-only attribute, so this is how
// the tests make a write fail for real.
class ImmutableFile {
public:
    explicit ImmutableFile(std::string windowsPath);
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    ~ImmutableFile();
    bool Ok() const noexcept { return ok; }

private:
    std::string unixPath;
    std::string path;
    bool ok;
};

}  // namespace testing
