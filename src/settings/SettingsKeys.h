#pragma once
// The settings file's section and keys, written once. The names are data:
// existing settings files use them, so they keep their spelling.

namespace settings {

constexpr const char* kMainSection = "Main";

constexpr const char* kFormat1 = "Format1";            // source EncodingCode
constexpr const char* kFormat2 = "Format2";            // result EncodingCode
constexpr const char* kNeedBOM = "NeedBOM";            // mark in front of UTF-8 results
constexpr const char* kSaveDateTime = "SaveDateTime";  // carry the source's time over
constexpr const char* kAllowDelete = "AllowDelete";    // delete sources on a move
constexpr const char* kShowBefore = "ShowBefore";      // dialog before each batch
constexpr const char* kWantCancel = "WantCancel";      // dialog-to-driver cancel handshake
constexpr const char* kLanguage = "Language";          // the dialog's language entry

// EncodingCode: how the settings name an encoding.
enum EncodingCode : int { kAuto = 0, kDos = 1, kKoi = 2, kWin = 3, kUtf = 4 };

}  // namespace settings
