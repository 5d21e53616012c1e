// The control subclass framework: how the child controls of a skinned window
// are found, recorded in the per-class lists of the owning SkinWindowRecord
// (skin/manager/control_records.h), linked to those records by window
// properties ("Hw_hProc", "Hw_FuID", "Hw_lbID"; "Kj_hProc", "Kj_FuID",
// "Kj_lbID" for backdrop controls; "Mb_zpf" on panels) and subclassed.
//
//   control_attach.h      AttachChildControls and the per-class attach
//                         operations, AttachPanel, AttachBackdropControl,
//                         AttachToolbars, AttachStatics
//   control_lookup.h      FindWindowIndex, FindOwnerWindowIndex,
//                         FindPanelIndex, FindButtonIndex, FindEditIndex,
//                         FindSkinnedTabAncestor, IsGroupBoxButton
//   control_subclass.h    the slot rule, replacing a procedure, the links,
//                         FindControlRecord, CallPreviousProc
//   control_font.h        GetControlFontInfo
//   class_procedures.h    the installed procedure of every class
//
// Nothing here removes a record or restores a procedure: attachment lasts as
// long as the owning window's record.
#pragma once

#include "skin/controls/class_procedures.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/control_font.h"
#include "skin/controls/control_lookup.h"
#include "skin/controls/control_subclass.h"
