#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

// Routing of the messages of track bars. Every message without a handler here
// goes on to the procedure the attach replaced.
LRESULT CALLBACK TrackBarSkinProc(HWND trackBar, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    default:
      return CallPreviousProc(trackBar, message, wParam, lParam);
  }
}

}  // namespace skin
