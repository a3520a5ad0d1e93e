#include <doctest/doctest.h>

#include "common/PathRules.h"

using namespace common;

TEST_CASE("FileNamePart and DirectoryPart split at the last backslash or colon") {
    struct Row {
        const char* path;
        const char* directory;
        const char* name;
    };
    const Row rows[] = {
        {"C:\\Out\\x.ext", "C:\\Out\\", "x.ext"},
        {"x.ext", "", "x.ext"},
        {"C:x.ext", "C:", "x.ext"},
        {"sub\\dir\\", "sub\\dir\\", ""},
        {"a/b/c.txt", "", "a/b/c.txt"},  // forward slashes are no separators here
        {"\\\\srv\\share\\f", "\\\\srv\\share\\", "f"},
        {"", "", ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.path);
        CHECK(DirectoryPart(row.path) == row.directory);
        CHECK(FileNamePart(row.path) == row.name);
    }
}

TEST_CASE("ReplaceExtension replaces from the last full stop of the file name") {
    struct Row {
        const char* path;
        const char* expected;
    };
    const Row rows[] = {
        {"C:\\p\\Tovrin.wcx", "C:\\p\\Tovrin.ini"},
        {"C:\\p\\Tovrin.wcx64", "C:\\p\\Tovrin.ini"},
        {"C:\\p.d\\Tovrin", "C:\\p.d\\Tovrin.ini"},  // the stop before the last backslash is not an extension
        {"a.b.c", "a.b.ini"},
        {"name.", "name.ini"},
        {"C:.x", "C:.ini"},
        {"dir.x:file", "dir.x:file.ini"},
        {"", ".ini"},
    };
    for (const Row& row : rows) {
        CAPTURE(row.path);
        CHECK(ReplaceExtension(row.path, ".ini") == row.expected);
    }
}

TEST_CASE("WithTrailingBackslash adds one only when missing") {
    CHECK(WithTrailingBackslash("C:\\Out") == "C:\\Out\\");
    CHECK(WithTrailingBackslash("C:\\Out\\") == "C:\\Out\\");
    CHECK(WithTrailingBackslash("") == "\\");
    CHECK(WithTrailingBackslash("C:") == "C:\\");
}
