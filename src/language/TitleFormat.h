#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace language {

// The largest width or precision a title directive may give. A language file's
// value is at most 2047 bytes, so no sensible title pads one field wider; a
// bound also keeps "%999999999s" from asking for a gigabyte.
constexpr size_t kMaxTitleFieldWidth = 2047;

// Formats a language file's "Caption" pattern with its one argument. Our own
// small formatter, not printf: the pattern comes from a file.
//
// Accepted, and nothing else:
//   %%                      a percent sign
//   %[0:][-][width][.prec]s the argument; "0:" names it by index (0 is the only
//                           argument), "-" left-justifies it in width blanks,
//                           prec keeps at most that many of its bytes
// A directive without an index takes the argument after the one the previous
// directive took, so a second plain "%s" asks for a second argument.
//
// nullopt on any other type, an index or a second argument beyond the one,
// a "*", a number above kMaxTitleFieldWidth, or a directive cut off by the
// end of the pattern.
std::optional<std::string> FormatTitle(std::string_view pattern, std::string_view argument);

}  // namespace language
