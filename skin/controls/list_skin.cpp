#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of list boxes, list views, tree views, IP-address
// and date pickers. Every message without a handler here goes on to the
// procedure the attach replaced.
LRESULT CALLBACK ListSkinProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(list, message, wParam, lParam);
  }
}

}  // namespace skin
