// The image operations behind the theme and the windows' own backgrounds:
// estimating a picture's average colour, fading a picture's edges into a
// colour, and reading a GDI+ pixel as a COLORREF. SkinManager::SetBackground
// sets the process-wide theme with them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "skin/manager/engine_globals.h"

namespace skin {

// Background picture modes (theme and window pictures). The first two also
// choose the faded edge when the picture is stored: the side away from the
// corner it is drawn in.
inline constexpr int kImageModeTopLeft = 0;  // right edge faded
inline constexpr int kImageModeTopRight = 1;  // left edge faded
inline constexpr int kImageModeCentred = 2;
inline constexpr int kImageModeStretched = 3;
inline constexpr int kImageModeTiled = 4;  // the mode when none is given

// Pixels sampled for the base colour of a new theme or window picture.
inline constexpr int kThemeSamples = 2000;

// The accent colour a caller passes to make the accent follow the base colour.
inline constexpr COLORREF kAccentFollowsBase = static_cast<COLORREF>(-1);
// The accent colour when none is given.
inline constexpr COLORREF kDefaultAccent = 0xDDCA22;

// A picture given either as a file (name in the ANSI code page) or as its
// bytes; a file name that is not empty wins over the bytes.
struct PictureSource {
  std::span<const std::uint8_t> bytes;
  std::string_view fileName;
};

// The average colour of `count` pixels drawn at random, as a COLORREF with
// 0xFF in its top byte. The generator is seeded from the current day count,
// so one picture sampled on one calendar day always gives the same colour.
// With `rightBand` (`bottomBand`) of at least 1, only that many columns on
// the right (rows at the bottom) are sampled. A picture that cannot be
// decoded, or a count below 1, samples nothing and gives 0xFF000000.
COLORREF SampleImageColour(const PictureSource& picture, int count,
                           std::optional<int> rightBand = std::nullopt,
                           std::optional<int> bottomBand = std::nullopt);

// The picture as a 32-bit PNG whose right edge (left edge when `rightHand`
// is given as 0) and bottom edge fade into `colour` over `fadeWidth` pixels
// (default 30 % of the width, the same for the bottom band). Empty when the
// picture cannot be decoded.
ByteBlob ProcessBackgroundImage(const PictureSource& picture, std::optional<int> fadeWidth,
                                COLORREF colour, std::optional<int> rightHand = std::nullopt);

// Red + 256 x green + 65536 x blue of a GDI+ ARGB pixel; its alpha goes to
// `alpha`.
COLORREF ArgbToColorRef(std::uint32_t pixel, int& alpha);

}  // namespace skin
