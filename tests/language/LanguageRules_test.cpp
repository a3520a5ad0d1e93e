#include <doctest/doctest.h>

#include <string>

#include "language/LanguageRules.h"

using namespace language;

TEST_CASE("NormaliseStoredChoice: values holding (build-in) become the built-in form") {
    struct Row {
        std::string stored;
        std::string shown;
    };
    const Row rows[] = {
        {"English (build-in)", "  English (build-in)"},  // the reader's default
        {"  English (build-in)", "  English (build-in)"},
        {" \t English (build-in) \r\n", "  English (build-in)"},  // blanks and control bytes go
        {"english (BUILD-IN)", "  english (BUILD-IN)"},  // own case kept, not the exact entry
        {"  english (Build-In)  ", "  english (Build-In)"},
        {"(build-in)", "  (build-in)"},
        {"Deutsch (build-in) x", "  Deutsch (build-in) x"},
        {"(build in)", "(build in)"},  // no match: unchanged
        {"  German (Deutsch) ", "  German (Deutsch) "},
        {"", ""},
        {" ", " "},
    };
    for (const Row& row : rows) {
        CAPTURE(row.stored);
        CHECK(NormaliseStoredChoice(row.stored) == row.shown);
    }
    CHECK(NormaliseStoredChoice(kStoredDefault) == kBuiltInEntry);
}

TEST_CASE("Language entries, base names and the file stem of a choice") {
    CHECK(EntryText("German", "Deutsch") == "German (Deutsch)");
    CHECK(EntryText("German", "") == "German");
    CHECK(EntryText("Chinese (Simplified)", "") == "Chinese (Simplified)");
    CHECK(EntryText("", "X") == " (X)");

    struct Row {
        const char* fileName;
        const char* baseName;
    };
    const Row names[] = {
        {"German.lng", "German"},
        {"a.b.lng", "a.b"},
        {".lng", ""},
        {"German", "German"},
        {"Chinese (Simplified).lng", "Chinese (Simplified)"},
    };
    for (const Row& row : names) {
        CAPTURE(std::string(row.fileName));
        CHECK(BaseName(row.fileName) == row.baseName);
    }

    const Row stems[] = {
        {"German (Deutsch)", "German"},
        {"Chinese (Simplified) (Chinese)", "Chinese"},  // the first " (" cuts
        {"German(Deutsch)", "German(Deutsch)"},         // no blank before "("
        {"  english (BUILD-IN)", "  english"},
        {"Russian", "Russian"},
        {"", ""},
        {" (x)", ""},
    };
    for (const Row& row : stems) {
        CAPTURE(std::string(row.fileName));
        CHECK(ChoiceFileStem(row.fileName) == row.baseName);
    }
}

TEST_CASE("FormatLanguageId: four upper-case digits with leading zeros") {
    CHECK(FormatLanguageId(0x0419) == "0419");
    CHECK(FormatLanguageId(0x0C0A) == "0C0A");
    CHECK(FormatLanguageId(0x0007) == "0007");
    CHECK(FormatLanguageId(0x0000) == "0000");
    CHECK(FormatLanguageId(0xFFFF) == "FFFF");
}

TEST_CASE("LanguageIdMatches: items by their last two digits") {
    struct Row {
        const char* id;
        const char* systemId;
        bool matches;
    };
    const Row rows[] = {
        {"$0419, $0422", "0422", true},  // through the second item
        {"$0419,$0422", "0422", true},
        {"22", "0422", true},
        {"0x0422", "0422", true},  // only the last two characters count
        {"2", "0422", false},       // one character never matches
        {"0419", "0422", false},
        {"", "0422", false},
        {",,", "0422", false},      // empty items never match
        {"0419,,0422", "0422", true},
        {"$0419;$0422", "0422", true},   // ";" is no separator: one item, ending in 22...
        {"$0422;$0419", "0422", false},  // ...or in 19
        {"19", "0419", true},
        {"419", "0419", true},
        {"0819", "0419", true},
        {"$0C07", "0C07", true},
        {"0c07", "0C07", true},     // folded to upper case
        {"c07", "0C07", true},
        {"$ 0 4 0 7", "0407", true},  // blanks anywhere are removed
        {"$$07$", "0407", true},
        {"04 07 , 0807", "0807", true},
        {"07\t", "0407", false},    // only the blank is removed, not a tab
        {"0407,", "0807", true},
        {"0409", "0419", false},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.id));
        CAPTURE(std::string(row.systemId));
        CHECK(LanguageIdMatches(row.id, row.systemId) == row.matches);
    }
}
