#pragma once
#include <array>
#include <string_view>

#include "setup/Form.h"

// The settings dialog as designed: one row per control, in the visual order of
// the design (top left to bottom), with its kind, parent, pixel rectangle, tab
// order, caption, hint and flags. Tests read the same rows to check the real
// windows against them.

namespace setup {

// IsDialogMessage sends IDOK for Enter and IDCANCEL for Escape.
enum ControlId : int {
    kIdOK = IDOK,
    kIdCancel = IDCANCEL,
    kIdPazzik = 100,
    kIdSource,
    kIdSAuto,
    kIdSDos,
    kIdSWin,
    kIdSUtf,
    kIdResult,
    kIdRDos,
    kIdRWin,
    kIdRUtf,
    kIdCopy,
    kIdMail,
    kIdWeb,
    kIdIni,
    kIdLanguageLabel,
    kIdSaveDateTime,
    kIdShowBefore,
    kIdAllowDelete,
    kIdLanguage,
    kIdSKoi,
    kIdRKoi,
    kIdBOM,
};

constexpr const char* kSetupTitle = "Tovrin settings";
constexpr int kSetupClientWidth = 306;
constexpr int kSetupClientHeight = 298;
constexpr const char* kSetupFontFace = "MS Sans Serif";
constexpr int kSetupFontHeight = 11;  // 8 points at 96 DPI
constexpr int kSetupIconId = 1;       // Setup.rc
constexpr int kSetupManifestId = 2;   // Setup.rc; asks for common controls 6

// The maker's texts and addresses.
constexpr const char* kCreditLine = "\xA9 Tovrin contributors";  // A9: the copyright sign in 1251 and 1252
constexpr const char* kMailAddress = "tovrin@example.org";
constexpr const char* kWebAddress = "https://example.org/tovrin";
constexpr const char* kPazzikLine = "Pazzik: convert the text on the clipboard with one key";

using enum ControlKind;

// clang-format off
constexpr std::array<ControlSpec, 24> kSetupControls{{
//   name              kind         parent      left top  w    h   tab  id                 caption / hint / flags
    {"btOK",           Button,      nullptr,    224,  8,  75, 25,  0,  kIdOK,            "OK", "Apply and save settings", kDefaultButton | kShowHint},
    {"btCancel",       Button,      nullptr,    224, 40,  75, 25,  1,  kIdCancel,        "Cancel", "Don't save settings", kCancelButton | kShowHint | kMouseDown},
    {"gbSource",       GroupBox,    nullptr,      8,  8,  97, 105, 2,  kIdSource,        " Source ", nullptr, kNoFlags},
    {"rbSAuto",        RadioButton, "gbSource",   8, 16,  57, 17,  0,  kIdSAuto,         "Auto", nullptr, kGroupStart | kDisabled},
    {"rbSDos",         RadioButton, "gbSource",   8, 32,  57, 17,  1,  kIdSDos,          "DOS", nullptr, kDisabled},
    {"rbSKoi",         RadioButton, "gbSource",   8, 48,  57, 17,  2,  kIdSKoi,          "KOI", nullptr, kDisabled},
    {"rbSWin",         RadioButton, "gbSource",   8, 64,  57, 17,  3,  kIdSWin,          "Win", nullptr, kChecked},
    {"rbSUtf",         RadioButton, "gbSource",   8, 80,  57, 17,  4,  kIdSUtf,          "UTF", nullptr, kNoFlags},
    {"gbResult",       GroupBox,    nullptr,    112,  8, 105, 105, 3,  kIdResult,        " Result ", nullptr, kNoFlags},
    {"rbRDos",         RadioButton, "gbResult",   8, 32,  57, 17,  0,  kIdRDos,          "DOS", nullptr, kGroupStart | kDisabled},
    {"rbRKoi",         RadioButton, "gbResult",   8, 48,  57, 17,  3,  kIdRKoi,          "KOI", nullptr, kDisabled},
    {"rbRWin",         RadioButton, "gbResult",   8, 64,  57, 17,  1,  kIdRWin,          "Win", nullptr, kNoFlags},
    {"rbRUtf",         RadioButton, "gbResult",   8, 80,  49, 17,  2,  kIdRUtf,          "UTF", nullptr, kChecked},
    {"chkBOM",         CheckBox,    "gbResult",  56, 80,  46, 17,  4,  kIdBOM,           "BOM", nullptr, kNoFlags},
    {"cbSaveDateTime", CheckBox,    nullptr,      8, 128, 289, 17, 4,  kIdSaveDateTime,  "Save with original &date/time", "Save output file with original date/time", kShowHint},
    {"cbAllowDelete",  CheckBox,    nullptr,      8, 144, 289, 17, 6,  kIdAllowDelete,   "Allo&w deletion of original files", nullptr, kShowHint},
    {"cbShowBefore",   CheckBox,    nullptr,      8, 160, 289, 17, 5,  kIdShowBefore,    "Show this dialog before con&verting files", "Always show this dialog before converting files", kShowHint},
    {"lbCopy",         Label,       nullptr,      8, 186, 192, 13, kNoTabOrder, kIdCopy, kCreditLine, nullptr, kNoFlags},
    {"lbMail",         Label,       nullptr,      8, 202,  55, 13, kNoTabOrder, kIdMail, kMailAddress, "Send mail to author", kShowHint | kLinkLabel},
    {"lbWeb",          Label,       nullptr,     80, 202,  92, 13, kNoTabOrder, kIdWeb,  kWebAddress, "Open homepage", kShowHint | kLinkLabel},
    // The hint's "w\xE4hlen" is a 1252 a-umlaut and a 1251 Cyrillic de alike;
    // the Russian words are 1251 bytes. The designed texts are these bytes.
    {"lbLanguage",     Label,       nullptr,      8, 218, 243, 13, kNoTabOrder, kIdLanguageLabel, "Change the language / Sprache wechseln / \xDF\xE7\xFB\xEA:", nullptr, kNoFlags},
    {"cbLanguage",     ComboBox,    nullptr,      8, 234, 161, 21, 7,  kIdLanguage,      "", "Change language / Sprache w\xE4hlen / \xD1\xEC\xE5\xED\xE8\xF2\xFC \xFF\xE7\xFB\xEA", kShowHint},
    {"lbIni",          Label,       nullptr,      8, 258,  19, 13, kNoTabOrder, kIdIni,  "", "ini filename and path", kShowHint | kGreyLabel},
    {"lbPazzik",       Label,       nullptr,      8, 278, 128, 13, kNoTabOrder, kIdPazzik, kPazzikLine, nullptr, kShowHint | kLinkLabel | kWordWrap},
}};
// clang-format on

// The components in the order the form declares them; language files and
// ControlNames() see this order.
constexpr std::array<const char*, 24> kSetupDeclarationOrder{
    "btOK",   "btCancel", "lbPazzik", "gbSource",   "rbSAuto",        "rbSDos",       "rbSWin",        "rbSUtf",
    "gbResult", "rbRDos", "rbRWin",   "rbRUtf",     "lbCopy",         "lbMail",       "lbWeb",         "lbIni",
    "lbLanguage", "cbSaveDateTime", "cbShowBefore", "cbAllowDelete", "cbLanguage", "rbSKoi", "rbRKoi", "chkBOM",
};

constexpr const char* kSetupClassName = "TfmSetup";

// The row of a component name; nullptr when there is none.
constexpr const ControlSpec* FindSetupControl(std::string_view name) {
    for (const ControlSpec& row : kSetupControls)
        if (name == row.name) return &row;
    return nullptr;
}

}  // namespace setup
