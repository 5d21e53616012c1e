#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of progress bars. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK ProgressSkinProc(HWND progress, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(progress, message, wParam, lParam);
  }
}

}  // namespace skin
