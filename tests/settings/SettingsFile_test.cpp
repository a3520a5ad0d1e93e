#include <doctest/doctest.h>

#include <windows.h>

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "support/TempDir.h"
#include "support/UnixCommand.h"

using settings::SettingsFile;
using testing::TempDir;

TEST_CASE("Settings reads go through the system's profile reader with the integer grammar") {
    struct Row {
        const char* stored;  // nullptr: no key at all
        int32_t asInteger;   // with the default 3
        bool asBoolTrueDefault;
        bool asBoolFalseDefault;
    };
    const Row rows[] = {
        {"0x3", 3, true, true},
        {"$3", 3, true, true},
        {"+3", 3, true, true},
        {"3.0", 3, true, false},
        {"3x", 3, true, false},
        {"-$3", 3, true, false},
        {"2147483648", 3, true, false},
        {"-2147483648", INT32_MIN, true, true},
        {"2", 2, true, true},
        {"-1", -1, true, true},
        {"0", 0, false, false},
        {"yes", 3, true, false},
        {"true", 3, true, false},
        {"", 3, true, false},
        {"  9  ", 9, true, true},  // the profile reader drops the blanks around a value
        {nullptr, 3, true, false},
    };
    TempDir dir;
    const std::string ini = dir / "Tovrin.ini";
    for (const Row& row : rows) {
        CAPTURE(row.stored ? row.stored : "(absent)");
        testing::WriteBytes(ini, row.stored ? std::string("[Main]\r\nFormat1=") + row.stored + "\r\n" : "[Main]\r\n");
        SettingsFile file(ini);
        CHECK(file.ReadInteger(settings::kFormat1, 3) == row.asInteger);
        CHECK(file.ReadBool(settings::kFormat1, true) == row.asBoolTrueDefault);
        CHECK(file.ReadBool(settings::kFormat1, false) == row.asBoolFalseDefault);
    }
}

TEST_CASE("Settings reads give the default without a file, a section or a key") {
    TempDir dir;
    SettingsFile missing(dir / "none.ini");
    CHECK(missing.ReadString(settings::kLanguage, "English (build-in)") == "English (build-in)");
    CHECK(missing.ReadInteger(settings::kFormat2, 4) == 4);
    testing::WriteBytes(dir / "other.ini", "[Other]\r\nFormat2=1\r\n");
    SettingsFile other(dir / "other.ini");
    CHECK(other.ReadInteger(settings::kFormat2, 4) == 4);
    CHECK_FALSE(testing::FileExists(dir / "none.ini"));  // reading creates nothing
}

TEST_CASE("Settings writes store decimals and 1/0, and each reader sees the last write") {
    TempDir dir;
    const std::string ini = dir / "Tovrin.ini";
    {
        SettingsFile file(ini);
        file.WriteInteger(settings::kFormat1, -7);
        file.WriteBool(settings::kNeedBOM, true);
        file.WriteBool(settings::kWantCancel, false);
        file.WriteString(settings::kLanguage, "  English (build-in)");
        CHECK(file.ReadInteger(settings::kFormat1, 3) == -7);
    }
    // Released: the flush has put everything into the file itself.
    const std::string text = testing::ReadBytes(ini);
    CHECK(text.find("[Main]") != std::string::npos);
    CHECK(text.find("Format1=-7") != std::string::npos);
    CHECK(text.find("NeedBOM=1") != std::string::npos);
    CHECK(text.find("WantCancel=0") != std::string::npos);
    SettingsFile again(ini);
    CHECK(again.ReadString(settings::kLanguage, "") == "English (build-in)");  // the reader trims blanks
}

TEST_CASE("A refused settings write raises WriteError naming the file") {
    TempDir dir;
    const std::string ini = dir / "Tovrin.ini";
    testing::WriteBytes(ini, "[Main]\r\nFormat1=3\r\n");
    testing::ImmutableFile locked(ini);
    REQUIRE(locked.Ok());
    SettingsFile file(ini);
    try {
        file.WriteBool(settings::kWantCancel, true);
        FAIL("the write was not refused");
    } catch (const settings::WriteError& e) {
        CHECK(std::string(e.what()) == "Unable to write to " + ini);
    }
    CHECK(testing::ReadBytes(ini) == "[Main]\r\nFormat1=3\r\n");
}
