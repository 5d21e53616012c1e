#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of push buttons, check boxes and radio buttons. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK ButtonSkinProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(button, message, wParam, lParam);
  }
}

}  // namespace skin
