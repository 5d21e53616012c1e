#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of panels (containers, group boxes, tab controls).
// Every message without a handler here goes on to the procedure the attach
// replaced.
LRESULT CALLBACK PanelSkinProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(panel, message, wParam, lParam);
  }
}

}  // namespace skin
