#include "settings/SettingsFile.h"

#include <windows.h>

#include "settings/IntegerGrammar.h"
#include "settings/SettingsKeys.h"

namespace settings {

WriteError::WriteError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}

std::string ReadProfileString(const std::string& path, const char* section, const char* key,
                              const std::string& defaultValue) {
    std::string buffer(kProfileBufferSize, '\0');
    DWORD n = GetPrivateProfileStringA(section, key, defaultValue.c_str(), buffer.data(),
                                       static_cast<DWORD>(buffer.size()), path.c_str());
    buffer.resize(n);
    return buffer;
}

SettingsFile::~SettingsFile() {
    // All three null: the system writes its cached copy of the file out.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

std::string SettingsFile::ReadString(const char* key, const std::string& defaultValue) const {
    return ReadProfileString(path, kMainSection, key, defaultValue);
}

int32_t SettingsFile::ReadInteger(const char* key, int32_t defaultValue) const {
    return ParseSettingsInteger(ReadString(key, "")).value_or(defaultValue);
}

bool SettingsFile::ReadBool(const char* key, bool defaultValue) const {
    return ReadInteger(key, defaultValue ? 1 : 0) != 0;
}

void SettingsFile::WriteString(const char* key, const std::string& value) const {
    if (!WritePrivateProfileStringA(kMainSection, key, value.c_str(), path.c_str())) throw WriteError(path);
}

void SettingsFile::WriteInteger(const char* key, int32_t value) const { WriteString(key, std::to_string(value)); }

void SettingsFile::WriteBool(const char* key, bool value) const { WriteString(key, value ? "1" : "0"); }

}  // namespace settings
