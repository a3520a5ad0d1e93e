#pragma once
// The file operations the batch driver needs for one file. Each fails in one
// fixed way, said on its declaration. No messages, no logging.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace conversion {

// A source that could not be read whole (open refused, short read, too large).
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes into text; opened exclusively (share mode 0). Throws
// ReadError (or std::bad_alloc) and then leaves text untouched.
void ReadWholeFile(const std::string& path, std::string& text);

// Makes text the complete content of path. false on any failure, and then a
// file that existed keeps its old content. Raises nothing.
[[nodiscard]] bool WriteTextFile(std::string_view text, const std::string& path);

// Writes a destination through a temporary file beside it, for content that
// arrives in pieces. Commit replaces the destination in one step; without a
// successful Commit the destination stays as it was and the temporary file
// is removed. Ok() is false when the destination may not be written at all
// (the refusals of WriteTextFile).
class ReplacingFileWriter {
public:
    explicit ReplacingFileWriter(const std::string& destination);
    ReplacingFileWriter(const ReplacingFileWriter&) = delete;
    ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;
    ~ReplacingFileWriter();
    [[nodiscard]] bool Ok() const noexcept;
    [[nodiscard]] bool Write(std::string_view bytes);  // false: failed or short write
    [[nodiscard]] bool Commit();                       // false: nothing replaced

private:
    std::string destination;
    std::string temporary;
    void* handle;  // HANDLE; windows.h stays out of this header
    bool ok;
};

// The size's low 32 bits from the directory entry, as a signed number; 0 when
// there is no entry.
[[nodiscard]] int32_t GetListedFileSize(const std::string& path);

// The last write time as a local date-time (days since 30 December 1899, two-
// second steps); 0 when there is none (missing, a directory, before 1980).
[[nodiscard]] double GetFileDateTime(const std::string& path);

// Sets the last write time from a local date-time; false on any failure.
[[nodiscard]] bool SetFileWriteTime(const std::string& path, double localDateTime);

}  // namespace conversion
