#include "skin/resources/pictures.h"

// Each picture is assembled into a read-only section between two labels. The
// labels are named through asm labels so the same names work with the i686
// (leading underscore) and x86_64 (none) symbol conventions.
#define TAVRIN_EMBED_PNG(label, file)                                                   \
  __asm__(".section .rdata$tavrin_pictures,\"dr\"\n"                                   \
          ".balign 4\n" #label "_begin:\n"                                               \
          ".incbin \"" TAVRIN_SOURCE_DIR "/skin/resources/" file "\"\n" #label "_end:\n" \
          ".text\n");                                                                    \
  extern "C" const std::uint8_t label##_begin[] __asm__(#label "_begin");              \
  extern "C" const std::uint8_t label##_end[] __asm__(#label "_end");

TAVRIN_EMBED_PNG(tavrin_caption_help, "caption_help.png")
TAVRIN_EMBED_PNG(tavrin_caption_menu, "caption_menu.png")
TAVRIN_EMBED_PNG(tavrin_caption_minimize, "caption_minimize.png")
TAVRIN_EMBED_PNG(tavrin_caption_maximize, "caption_maximize.png")
TAVRIN_EMBED_PNG(tavrin_caption_restore, "caption_restore.png")
TAVRIN_EMBED_PNG(tavrin_caption_close, "caption_close.png")
TAVRIN_EMBED_PNG(tavrin_check_box_empty, "check_box_empty.png")
TAVRIN_EMBED_PNG(tavrin_check_box_checked, "check_box_checked.png")
TAVRIN_EMBED_PNG(tavrin_combo_arrow, "combo_arrow.png")

namespace skin::pictures {

namespace {

std::span<const std::uint8_t> Between(const std::uint8_t* begin, const std::uint8_t* end) {
  return {begin, static_cast<std::size_t>(end - begin)};
}

}  // namespace

std::span<const std::uint8_t> CaptionPictureBytes(CaptionPicture picture) {
  switch (picture) {
    case CaptionPicture::Help:
      return Between(tavrin_caption_help_begin, tavrin_caption_help_end);
    case CaptionPicture::Menu:
      return Between(tavrin_caption_menu_begin, tavrin_caption_menu_end);
    case CaptionPicture::Minimize:
      return Between(tavrin_caption_minimize_begin, tavrin_caption_minimize_end);
    case CaptionPicture::Maximize:
      return Between(tavrin_caption_maximize_begin, tavrin_caption_maximize_end);
    case CaptionPicture::Restore:
      return Between(tavrin_caption_restore_begin, tavrin_caption_restore_end);
    case CaptionPicture::Close:
      return Between(tavrin_caption_close_begin, tavrin_caption_close_end);
  }
  return {};
}

std::span<const std::uint8_t> ControlPictureBytes(ControlPicture picture) {
  switch (picture) {
    case ControlPicture::CheckBoxEmpty:
      return Between(tavrin_check_box_empty_begin, tavrin_check_box_empty_end);
    case ControlPicture::CheckBoxChecked:
      return Between(tavrin_check_box_checked_begin, tavrin_check_box_checked_end);
    case ControlPicture::DropDownArrow:
      return Between(tavrin_combo_arrow_begin, tavrin_combo_arrow_end);
  }
  return {};
}

}  // namespace skin::pictures
