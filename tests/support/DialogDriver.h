#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Drives the settings dialog the way a user does, from a second thread while
// the dialog's modal loop runs on the test's thread. Every wait polls with a
// bound; a wait that runs out throws std::runtime_error.

namespace testing {

using namespace std::chrono_literals;

class DialogDriver {
public:
    // Waits for the settings dialog of this process to be shown.
    explicit DialogDriver(std::chrono::milliseconds timeout = 20s);

    HWND Window() const noexcept { return window; }
    // The control with the component name, found by its id in the layout table.
    HWND Control(std::string_view name) const;

    std::string Title() const;
    std::string Caption(std::string_view name) const;
    bool Checked(std::string_view name) const;
    bool Enabled(std::string_view name) const;
    bool Visible(std::string_view name) const;
    // The control's rectangle in the client coordinates of the form.
    RECT Rect(std::string_view name) const;
    HWND Parent(std::string_view name) const;
    LOGFONTA Font(std::string_view name) const;  // the font the control was given
    HCURSOR Cursor(std::string_view name) const;  // the cursor the form shows over it
    std::string Hint(std::string_view name) const;  // tooltip text; empty when no hint shows
    std::vector<std::string> Items(std::string_view name) const;
    int SelectedIndex(std::string_view name) const;  // -1: none
    HWND Focus() const;                              // the dialog thread's focused window

    // Like the user: a click (BM_CLICK on buttons, a press and release on
    // labels), a key press at the focused control, the title bar's close box,
    // a right-button press.
    void Click(std::string_view name) const;
    void PressKey(UINT virtualKey) const;
    void CloseBox() const;
    void RightButtonDown(std::string_view name) const;
    // Opens (true) or closes (false) the drop-down list; the form hears
    // CBN_DROPDOWN or CBN_CLOSEUP.
    void ShowDropDown(std::string_view name, bool show) const;
    void SelectItem(std::string_view name, int index) const;

    // The error box the dialog shows, once it is up; its text.
    HWND WaitMessageBox(std::chrono::milliseconds timeout = 10s) const;
    static std::string MessageBoxText(HWND box);
    static void DismissMessageBox(HWND box);
    // Waits for the dialog to close; false when it is still open at the timeout.
    bool WaitClosed(std::chrono::milliseconds timeout = 10s) const;

private:
    HWND window;
};

// The settings dialog of this process when it is shown, else nullptr.
HWND FindSettingsDialog();

// Runs open() on this thread (it shows the dialog modally, e.g. through
// ConfigurePacker) while drive() runs on a second thread. When drive() fails
// or takes longer than timeout, the dialog is closed by force (error box
// dismissed, OK clicked) so the test never hangs; drive()'s exception, or a
// timeout error, is then rethrown here once open() has returned.
void RunWithDialog(const std::function<void()>& open, const std::function<void(DialogDriver&)>& drive,
                   std::chrono::milliseconds timeout = 60s);

}  // namespace testing
