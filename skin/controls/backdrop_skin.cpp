#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of backdrop controls. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK BackdropSkinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(control, message, wParam, lParam, kBackdropPrevProcProp);
  }
}

}  // namespace skin
