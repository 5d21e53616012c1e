// The skin engine's embedded pictures: PNG files carried inside the program
// (drawn by the scripts in tools/) and handed out as read-only bytes.
#pragma once
#include <cstdint>
#include <span>

namespace skin::pictures {

// The caption-button pictures: RGBA PNGs 26 x 18 pixels, the close picture
// 38 x 18, each a white glyph on a transparent background.
enum class CaptionPicture { Help, Menu, Minimize, Maximize, Restore, Close };

// The PNG file bytes of a caption-button picture; valid for the process's life.
std::span<const std::uint8_t> CaptionPictureBytes(CaptionPicture picture);

// The control pictures: RGBA PNGs of the empty and the checked check box
// (13 x 13) and the combo box's drop-down arrow (7 x 4).
enum class ControlPicture { CheckBoxEmpty, CheckBoxChecked, DropDownArrow };

// The PNG file bytes of a control picture; valid for the process's life.
std::span<const std::uint8_t> ControlPictureBytes(ControlPicture picture);

}  // namespace skin::pictures
