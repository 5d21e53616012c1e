// The GDI+ object layer: every GDI+ drawing, image decoding and image
// encoding of the skin engine goes through these small classes, each owning
// one native GDI+ object and forwarding to the GDI+ flat interface.
//
//   GxGraphics                      drawing surface (window, DC or image)
//   GxPath                          paths, including AddRoundedRectangle
//   GxSolidBrush, GxBrush (linear gradient), GxPathGradientBrush,
//   GxTextureBrush                  brushes, all usable as GxBrushBase
//   GxPen                           pens
//   GxFont, GxFontFamily, GxStringFormat   text
//   GxImage, GxBitmap               decoding (files, bytes), pixels,
//                                   SaveToBytes / SaveToFile, RotateBitmap
//   GxMatrix                        affine transforms
//   GxStream                        bytes kept alive for lazily decoded images
//   GetImageEncoders, FindEncoder   encoder lookup by format GUID text
//   TextToWide, WideToText, GuidToText, TextToGuid   conversions
//
// Conventions: an object is empty until a Create…/Load… operation succeeds;
// a creation replaces (and releases) what the object held; Release empties
// it; the destructor releases it. Objects are not copyable. Every operation
// answers true when GDI+ answered Ok (getters return the value, or 0), and
// leaves GDI+'s status in LastStatus(). Texts are narrow strings in the ANSI
// code page (GBK for the installer); wide overloads take UTF-16 directly.
// GDI+ must be started (GdiplusStartup) before any object is created, and no
// object may outlive GdiplusShutdown.
#pragma once

#include "gdiplus/gx_bitmap.h"
#include "gdiplus/gx_brush.h"
#include "gdiplus/gx_codecs.h"
#include "gdiplus/gx_font.h"
#include "gdiplus/gx_graphics.h"
#include "gdiplus/gx_image.h"
#include "gdiplus/gx_matrix.h"
#include "gdiplus/gx_object.h"
#include "gdiplus/gx_path.h"
#include "gdiplus/gx_pen.h"
#include "gdiplus/gx_stream.h"
#include "gdiplus/gx_text.h"
