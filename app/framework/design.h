// Design tables: what a window and each of its controls look like when the
// form framework creates them.
#pragma once
#include <span>

namespace framework {

enum class ControlKind {
  Edit,               // single-line edit box
  MultiLineEdit,      // multi-line edit box with a vertical scroll bar
  Tab,                // tab control whose pages hold the other controls
  Button,             // push button
  CheckBox,           // auto check box
  ProgressBar,        // progress bar, range 0-100
  TransparentLabel,   // text drawn over whatever lies beneath
  Timer,              // periodic event; has no window
};

// Each control gets the id kFirstControlId + its index in the design table.
inline constexpr int kFirstControlId = 1000;

// Controls on the window itself have page kWindowLevel; the others sit on the
// tab control's page with that index.
inline constexpr int kWindowLevel = -1;

struct ControlDesign {
  const char* name;
  ControlKind kind;
  int page;
  int x, y, width, height;  // relative to the window's client area or the page
  const char* text;         // tab control: page titles separated by '|'
};

struct WindowDesign {
  const char* name;
  const char* caption;
  int x, y, width, height;  // outer rectangle
  std::span<const ControlDesign> controls;
};

// Where a page's origin lies inside its tab control. Page controls are direct
// children of the tab control (the skin attaches a tab's direct children as
// one panel), so this offset turns page coordinates into tab coordinates.
inline constexpr int kPageOriginX = 4;
inline constexpr int kPageOriginY = 8;

}  // namespace framework
