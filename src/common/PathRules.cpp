#include "common/PathRules.h"

namespace common {
namespace {

// Index just past the last backslash or colon; 0 when there is neither.
size_t NameStart(std::string_view path) noexcept {
    size_t sep = path.find_last_of("\\:");
    return sep == std::string_view::npos ? 0 : sep + 1;
}

}  // namespace

std::string_view FileNamePart(std::string_view path) noexcept { return path.substr(NameStart(path)); }

std::string_view DirectoryPart(std::string_view path) noexcept { return path.substr(0, NameStart(path)); }

std::string ReplaceExtension(std::string_view path, std::string_view ext) {
    size_t start = NameStart(path);
    size_t dot = path.rfind('.');
    std::string result(path.substr(0, dot != std::string_view::npos && dot >= start ? dot : path.size()));
    result += ext;
    return result;
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (result.empty() || result.back() != '\\') result += '\\';
    return result;
}

}  // namespace common
