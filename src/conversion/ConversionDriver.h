#pragma once
#include <string>
#include <string_view>

#include "wcx/WcxApi.h"

namespace conversion {

// The directory part of the archive name with a backslash appended unless it
// ends with one; a bare name gives "\", the root of the current drive.
std::string TargetDirectory(std::string_view packedFile);

// One conversion batch: reads the options from the settings file, shows the
// settings dialog first when asked, converts every name of addList into
// targetDir and reports progress. Returns a packer result code: 0, or
// E_ECREATE when converting or writing a file failed.
int ConversionDriver(const std::string& settingsPath, wcx::ProcessDataProc progress, const std::string& targetDir,
                     const char* srcPath, const char* addList, int flags);

}  // namespace conversion
