#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of header controls. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK HeaderSkinProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(header, message, wParam, lParam);
  }
}

}  // namespace skin
