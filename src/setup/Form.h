#pragma once
#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The thin form layer under the settings dialog: a modal top-level window that
// owns its controls, made from a table of rows, and finds them by component
// name. Controls are the standard window classes (BUTTON, STATIC, COMBOBOX), so
// the dialog behaves like every other Windows dialog. Texts are 8-bit ANSI.

namespace setup {

enum class ControlKind { Button, Label, CheckBox, RadioButton, GroupBox, ComboBox };

// Per-row flags of the layout table.
enum ControlFlag : unsigned {
    kNoFlags = 0,
    kDefaultButton = 1u << 0,  // Enter clicks it
    kCancelButton = 1u << 1,   // Escape clicks it
    kDisabled = 1u << 2,
    kChecked = 1u << 3,
    kShowHint = 1u << 4,       // its hint shows as a tooltip; other hints are only stored
    kLinkLabel = 1u << 5,      // hand cursor, highlight colour, underlined
    kGreyLabel = 1u << 6,      // hand cursor, grey text
    kWordWrap = 1u << 7,       // a label that keeps its width and grows downwards
    kGroupStart = 1u << 8,     // first radio button of a mutually exclusive group
    kMouseDown = 1u << 9,      // the form hears mouse-button presses on it
};

constexpr int kNoTabOrder = -1;

// One control as designed. The rectangle is in pixels at 96 DPI, relative to
// the client area of the parent named in the row (nullptr: the form).
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* parent;
    int left, top, width, height;
    int tabOrder;  // within its parent; kNoTabOrder for controls Tab never visits
    int id;        // the control id; WM_COMMAND reaches the form with it
    const char* caption;
    const char* hint;  // nullptr: none
    unsigned flags;
};

struct FormSpec {
    const char* className;
    const char* title;
    int clientWidth, clientHeight;
    const char* fontFace;
    int fontHeight;  // character height in pixels
    int iconId;      // icon resource of the module that holds this code
    std::span<const ControlSpec> controls;          // the layout table, any order
    std::span<const char* const> declarationOrder;  // component names as ControlNames gives them
};

// A modal form that owns its controls and finds them by component name.
// Accessors given a name the table lacks throw std::out_of_range (a programmer
// error: the names are fixed by the table).
class Form {
public:
    // Creates the window, hidden, with the owner OwnerWindow() gives, and every
    // control as its row designs it. Throws std::runtime_error when the system
    // refuses a window.
    explicit Form(const FormSpec& spec);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND Window() const noexcept { return window; }
    HWND Handle(std::string_view name) const;

    bool HasControl(std::string_view name) const;
    ControlKind Kind(std::string_view name) const;
    std::vector<std::string> ControlNames() const;  // declaration order

    std::string Caption(std::string_view name) const;
    void SetCaption(std::string_view name, const std::string& text);  // labels re-size to their text
    std::string Hint(std::string_view name) const;
    void SetHint(std::string_view name, const std::string& text);  // shown only on kShowHint rows
    std::string Title() const;
    void SetTitle(const std::string& text);

    int Tag(std::string_view name) const;
    void SetTag(std::string_view name, int tag);
    bool Checked(std::string_view name) const;
    void SetChecked(std::string_view name, bool checked);  // a radio button clears the rest of its group
    bool Enabled(std::string_view name) const;
    void SetEnabled(std::string_view name, bool enabled);
    bool Visible(std::string_view name) const;
    void SetVisible(std::string_view name, bool visible);
    // The hand cursor of link labels; off gives the default arrow.
    void SetHandCursor(std::string_view name, bool hand);

    // The pick-only drop-down list.
    void ClearItems(std::string_view name);
    void AddItem(std::string_view name, const std::string& text);
    int ItemCount(std::string_view name) const;
    void SelectItem(std::string_view name, int index);  // -1: none
    int SelectedIndex(std::string_view name) const;     // -1: none
    std::string ItemText(std::string_view name, int index) const;
    std::string Text(std::string_view name) const;  // the selected item's text, empty when none
    // The first item equal to text ignoring case (CB_FINDSTRINGEXACT); -1 when none.
    int FindItemExact(std::string_view name, const std::string& text) const;

    // Shows the form and runs its modal loop until it closes, with the thread's
    // other windows disabled. Never fails.
    void ShowModal();
    // Asks the form to close: runs FormClose; when that throws, shows its
    // message in an error box and stays open. Never fails.
    void Close();

protected:
    // The owner of the window, asked once while the window is created.
    virtual HWND OwnerWindow() { return nullptr; }
    // A WM_COMMAND from the control with this id (BN_CLICKED, STN_CLICKED,
    // CBN_DROPDOWN, CBN_CLOSEUP...).
    virtual void Command(int id, int code) = 0;
    // A mouse button went down on a kMouseDown control; keys are the MK_ flags.
    virtual void MouseDown(int id, UINT message, WPARAM keys) = 0;
    // Runs on every close; an exception keeps the form open.
    virtual void FormClose() = 0;

private:
    struct Control;
    Control& Find(std::string_view name);
    const Control& Find(std::string_view name) const;
    void CreateControls();
    void FitLabel(Control& control);
    void ClickRadio(Control& control);
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);

    struct Resources;
    const FormSpec& spec;
    std::vector<Control> controls;
    std::unique_ptr<Resources> resources;  // class, icon, fonts, window
    HWND window = nullptr;
    HWND tooltip = nullptr;  // owned by the window
    HWND lastFocus = nullptr;
    bool closed = false;
};

// Window properties the form sets on its windows: the cursor over a control,
// and the tooltip of the form. Tests read them; the form's own cursor and
// hint handling use them too, so they cannot drift from what the user sees.
constexpr const char* kCursorProperty = "Tovrin.Cursor";
constexpr const char* kTooltipProperty = "Tovrin.Tooltip";

}  // namespace setup
