#pragma once
#include <string>
#include <string_view>

namespace common {

// A backslash and a colon both end a directory part ("C:x.txt" has the
// directory "C:"); forward slashes are ordinary bytes here, as for the host.

// What follows the last backslash or colon; the whole path when there is neither.
std::string_view FileNamePart(std::string_view path) noexcept;

// Everything up to and including the last backslash or colon; empty when there is neither.
std::string_view DirectoryPart(std::string_view path) noexcept;

// The path with its extension (from the last full stop after the last
// backslash or colon) replaced by ext; ext is appended when there is no such stop.
std::string ReplaceExtension(std::string_view path, std::string_view ext);

// The path with a backslash appended unless it already ends with one.
std::string WithTrailingBackslash(std::string_view path);

}  // namespace common
