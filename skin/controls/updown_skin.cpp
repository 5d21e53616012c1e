#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of up-down controls. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK UpDownSkinProc(HWND upDown, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(upDown, message, wParam, lParam);
  }
}

}  // namespace skin
