// Process-wide state of the skin engine: the theme, the control-skin switches,
// the GDI+ token, the application icon and the message-box hook. Initial
// values are those the process starts with; InitSkinModule sets the engine
// defaults again and the skin manager's operations change them later.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

// Owned bytes: a picture file, a payload file.
using ByteBlob = std::vector<std::uint8_t>;
// A GBK string owned by its holder.
using Text = std::string;

namespace globals {

// The theme: background picture bytes (empty = none), its drawing mode, the
// colour derived from it and the accent colour (COLORREF 0x00BBGGRR).
inline ByteBlob themeImage;
inline int themeMode = 0;
inline COLORREF themeBaseColour = 0;  // GetSysColor(COLOR_BTNFACE) once the manager exists
inline COLORREF accentColour = 0xDDCA22;

// Control-skin switches.
inline int ControlsSkinned = 1;
inline int EditPanelEnabled = 0;
inline int EditPanelAlpha = 160;
inline int trackBarOption = 1;

// 1 until the first WM_SIZE of any skinned window.
inline int firstSizePending = 1;

inline HICON appIcon = nullptr;
inline ULONG_PTR gdiplusToken = 0;

// The thread's CBT hook while a skinned message box is being shown, and
// whether the current box's fade-in has started.
inline HHOOK msgBoxHook = nullptr;
inline int msgBoxFadeStarted = 0;

}  // namespace globals
}  // namespace skin
