#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace settings {

// The largest value a profile read returns is one byte short of this buffer.
constexpr size_t kProfileBufferSize = 2048;

// A refused settings write; the message is "Unable to write to <path>".
class WriteError : public std::runtime_error {
public:
    explicit WriteError(const std::string& path);
};

// One value of an INI file through the system's profile reader: the default
// when the file, section or key is missing. Never fails.
std::string ReadProfileString(const std::string& path, const char* section, const char* key,
                              const std::string& defaultValue);

// Access to the settings file for one handler or one batch. Nothing is cached
// here: every read goes to the system, and releasing the access asks the
// system to flush its cached copy so the next reader sees every write.
class SettingsFile {
public:
    explicit SettingsFile(std::string path) : path(std::move(path)) {}
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;
    ~SettingsFile();

    const std::string& Path() const noexcept { return path; }

    // Reads never fail: a missing key or a value that is no number gives the default.
    std::string ReadString(const char* key, const std::string& defaultValue) const;
    int32_t ReadInteger(const char* key, int32_t defaultValue) const;
    bool ReadBool(const char* key, bool defaultValue) const;

    // Writes throw WriteError when the system refuses them.
    void WriteString(const char* key, const std::string& value) const;
    void WriteInteger(const char* key, int32_t value) const;
    void WriteBool(const char* key, bool value) const;

private:
    std::string path;
};

}  // namespace settings
