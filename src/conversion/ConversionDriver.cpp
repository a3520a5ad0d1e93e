#include "conversion/ConversionDriver.h"

#include "common/PathRules.h"

namespace conversion {

std::string TargetDirectory(std::string_view packedFile) {
    return common::WithTrailingBackslash(common::DirectoryPart(packedFile));
}

int ConversionDriver(const std::string&, wcx::ProcessDataProc, const std::string&, const char*, const char*, int) {
    return wcx::kSuccess;  // the batch itself comes with the conversion work
}

}  // namespace conversion
