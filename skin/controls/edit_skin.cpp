#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of edit boxes. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK EditSkinProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(edit, message, wParam, lParam);
  }
}

}  // namespace skin
