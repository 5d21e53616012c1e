// Attaching child controls: each per-class operation finds the direct
// children of a parent by window class, records each in its list of the
// owning window's record (window index, 1-based), stamps the properties that
// lead back to the record and installs the class's procedure. While
// ControlsSkinned is 0 every per-class operation does nothing.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

// In this order over the parent's direct children: push buttons, check and
// radio buttons, edits and combo boxes, track bars, progress bars, list-type
// controls, up-down controls, headers.
void AttachChildControls(int windowIndex, HWND parent);

// Push buttons (kinds 0, 1, 8) become owner-draw; owner-draw buttons and
// buttons already listed are left alone.
void AttachPushButtons(int windowIndex, HWND parent);
// Check boxes (kinds 2, 3, 0xA) and auto radio buttons (kind 9) keep their
// style.
void AttachCheckAndRadioButtons(int windowIndex, HWND parent);
// Edits not yet listed, then every combo box (and, in edit-panel mode, the
// edit inside it).
void AttachEditsAndComboBoxes(int windowIndex, HWND parent);
void AttachTrackBars(int windowIndex, HWND parent);
void AttachProgressBars(int windowIndex, HWND parent);
// List boxes, the list of simple combo boxes, list views, tree views,
// IP-address and date-time pickers.
void AttachListControls(int windowIndex, HWND parent);
void AttachUpDowns(int windowIndex, HWND parent);
// Headers among the children, then the header of each list view child.
void AttachHeaders(int windowIndex, HWND parent);
// Static controls not yet listed (dialogs only).
void AttachStatics(int windowIndex, HWND parent);
// Position of `control` in the window's static list, else 0.
int FindStaticIndex(int windowIndex, HWND control);

// What a caller may give AttachPanel; what is not given takes the default.
struct PanelOptions {
  std::optional<int> shadeDescendants;    // default 1
  std::optional<COLORREF> overlayColour;  // default 0: no fill
  std::optional<BYTE> overlayAlpha;       // default 255
  std::optional<int> panelStyle;          // default 0
};

// Records a container window as a panel of its owning skinned window (once),
// attaches its children, then subclasses it with PanelSkinProc. Does nothing
// when the panel has no skinned owner or is already a panel.
void AttachPanel(HWND panel, const PanelOptions& options = {});

// Records a control as a backdrop control ("Kj_" properties) and subclasses
// it with BackdropSkinProc; a control with child windows is then also
// attached as a panel (not shading its descendants), whose procedure sits
// outermost. Does nothing without a skinned owner.
void AttachBackdropControl(HWND control, std::optional<COLORREF> backColour,
                           COLORREF overlayColour, BYTE overlayAlpha);

// Every "ToolbarWindow32" child of a dialog as a backdrop control with no
// overlay (the owner is found from the dialog).
void AttachToolbars(HWND dialog);

}  // namespace skin
