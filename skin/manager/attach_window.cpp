// AttachWindow: turns an ordinary top-level window into a skinned one. The
// engine then draws caption, frame, caption buttons and status bar in the
// client area; the window's own caption is left alone (only WS_SYSMENU is
// added) and the window gets neither a region nor the layered style here.
#include <algorithm>
#include <memory>

#include "skin/controls/control_framework.h"
#include "skin/manager/skin_manager.h"
#include "skin/resources/pictures.h"

namespace skin {

namespace {

using pictures::CaptionPicture;

constexpr int kMinCaptionHeight = 25;
constexpr int kFrameBorder = 3;
constexpr int kButtonWidth = 26;
constexpr int kCloseButtonWidth = 38;
constexpr int kButtonHeight = 18;
constexpr int kStripHeight = 22;
constexpr int kMinTrackWidth = 200;
constexpr int kMinTrackHeight = 150;

ByteBlob PictureBlob(CaptionPicture picture) {
  const auto bytes = pictures::CaptionPictureBytes(picture);
  return ByteBlob(bytes.begin(), bytes.end());
}

void AddCaptionButton(SkinWindowRecord& record, CaptionCommand command, CaptionPicture picture,
                      const char* tip) {
  CaptionButton& button = record.captionButtons.emplace_back();
  button.command = command;
  button.width = command == CaptionCommand::Close ? kCloseButtonWidth : kButtonWidth;
  button.height = kButtonHeight;
  button.image = PictureBlob(picture);
  if (command == CaptionCommand::MaximizeRestore) button.altImage = PictureBlob(CaptionPicture::Restore);
  button.tipText = tip;
}

// The standard buttons in strip order, left to right; each exists only when
// the record asks for it, the close button always.
void AddStandardButtons(SkinWindowRecord& record) {
  record.captionButtons.clear();
  if (record.showHelpButton) {
    AddCaptionButton(record, CaptionCommand::Help, CaptionPicture::Help, "帮助");
  }
  if (record.showMenuButton) {
    AddCaptionButton(record, CaptionCommand::MainMenu, CaptionPicture::Menu, "主菜单");
  }
  if (record.showMinimizeButton) {
    AddCaptionButton(record, CaptionCommand::Minimize, CaptionPicture::Minimize, "最小化");
  }
  if (record.showMaximizeButton) {
    AddCaptionButton(record, CaptionCommand::MaximizeRestore, CaptionPicture::Maximize, "最大化");
  }
  AddCaptionButton(record, CaptionCommand::Close, CaptionPicture::Close, "关闭");
}

// The strip is the buttons' widths, one pixel between neighbours and three
// to spare, at the client's right edge inside the frame.
void PlaceButtonStrip(SkinWindowRecord& record, int clientWidth, int frameBorder) {
  int total = 0;
  for (const CaptionButton& button : record.captionButtons) total += button.width;
  const int count = static_cast<int>(record.captionButtons.size());
  record.buttonStripWidth = total + (count - 1) + 3;
  record.buttonStripHeight = kStripHeight;
  record.buttonStripX = clientWidth - frameBorder - record.buttonStripWidth - 2;
  record.buttonStripY = 0;
}

// The window's own picture and the colour sampled from it; modes 0 and 1
// store the picture with an edge faded into that colour.
void TakeWindowImage(SkinWindowRecord& record, std::span<const std::uint8_t> image) {
  if (image.empty()) return;
  const PictureSource source{image, {}};
  record.baseColour = SampleImageColour(source, kThemeSamples);
  if (record.imageMode == kImageModeTopLeft) {
    record.backgroundImage = ProcessBackgroundImage(source, std::nullopt, record.baseColour);
  } else if (record.imageMode == kImageModeTopRight) {
    record.backgroundImage = ProcessBackgroundImage(source, std::nullopt, record.baseColour, 0);
  } else {
    record.backgroundImage.assign(image.begin(), image.end());
  }
}

std::unique_ptr<SkinWindowRecord> MakeRecord(HWND window, const AttachOptions& options,
                                             LONG_PTR style, const RECT& client, int frameBorder) {
  auto record = std::make_unique<SkinWindowRecord>();
  record->hwnd = window;
  record->captionHeight = std::max(options.captionHeight.value_or(kMinCaptionHeight), kMinCaptionHeight);
  record->showHelpButton = options.showHelpButton.value_or(0);
  record->showMenuButton = options.showMenuButton.value_or(0);
  record->showMinimizeButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
  record->showMaximizeButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
  record->showCloseButton = 1;
  record->captionEnabled = options.captionEnabled.value_or(1);
  record->resizable = options.resizable.value_or(1);
  record->drawCaptionText = options.drawCaptionText.value_or(1);
  record->captionGloss = options.captionGloss.value_or(0);
  record->imageMode = options.imageMode.value_or(globals::themeMode);
  record->minTrackWidth = kMinTrackWidth;
  record->minTrackHeight = kMinTrackHeight;
  record->maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
  record->maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);
  TakeWindowImage(*record, options.windowImage);
  record->captionTextColour = 0xFFFFFF;
  record->captionShadowColour = 0x808080;
  record->captionFontName = "宋体";
  record->captionFontSize = 12;
  record->captionFontStyle = 1;
  AddStandardButtons(*record);
  PlaceButtonStrip(*record, client.right - client.left, frameBorder);
  return record;
}

// One tool per caption button, ids 1..n; LayoutCaptionButtons gives them
// their rectangles.
void AddCaptionTips(SkinWindowRecord& record) {
  record.captionTips.Create(record.hwnd);
  for (size_t i = 0; i < record.captionButtons.size(); ++i) {
    const FloatRect& b = record.captionButtons[i].bounds;
    const RECT rect{static_cast<LONG>(b.x), static_cast<LONG>(b.y), static_cast<LONG>(b.x + b.width),
                    static_cast<LONG>(b.y + b.height)};
    record.captionTips.AddTool(rect, record.captionButtons[i].tipText.c_str(), i + 1);
    record.captionTipCount = static_cast<int>(i + 1);
  }
}

}  // namespace

void SkinManager::AttachWindow(HWND window, const AttachOptions& options) {
  if (FindWindowIndex(window) >= 1) return;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  RECT client{};
  GetClientRect(window, &client);
  frameBorder = kFrameBorder;

  auto made = MakeRecord(window, options, style, client, frameBorder);
  SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_SYSMENU);
  const int index = theWindowRegistry().Append(std::move(made));
  SkinWindowRecord& record = *theWindowRegistry().At(index);

  AddCaptionTips(record);
  LayoutCaptionButtons(index);
  if (const int height = options.statusBarHeight.value_or(0); height >= 1) {
    SetupStatusBar(index, height, options.statusPanes);
    record.statusGlowTextColour = 0;
    record.statusGlowColour = 0xFFFFFF;
    record.statusFontName = "宋体";
    record.statusFontSize = 12;
  }
  LayoutStatusBar(index);
  AttachChildControls(index, window);

  record.attached = 1;
  record.fullRepaint = 1;
  record.prevWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinnedWindowProc)));
  SetPropA(window, kPrevProcProp, reinterpret_cast<HANDLE>(record.prevWndProc));
  SetIntProp(window, kIndexProp, index);
}

}  // namespace skin
