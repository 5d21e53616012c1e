#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of combo boxes. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK ComboSkinProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(combo, message, wParam, lParam);
  }
}

}  // namespace skin
