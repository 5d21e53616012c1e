// Tooltip object: one standard tooltip window ("ToolTips_class32") for one
// owner window, with rectangular tools registered on it. The skin engine uses
// it for the tips of drawn caption buttons and of skinned push buttons.
#pragma once
#include <windows.h>

namespace tooltip {

// Shape of the tooltip window made by TipWindow::Create.
enum class TipShape { Rectangle, Balloon };

// Owns one tooltip window. Every tool is described with the owner as its
// window, TTF_SUBCLASS (the tooltip watches the owner's mouse messages itself)
// and a rectangle in the owner's client coordinates. Tool ids are the
// caller's; the tooltip copies every text, so texts need not outlive a call.
// Before Create (or when creation failed) every operation sends to no window.
class TipWindow {
 public:
  TipWindow() = default;
  TipWindow(const TipWindow&) = delete;
  TipWindow& operator=(const TipWindow&) = delete;
  TipWindow(TipWindow&& other) noexcept;
  TipWindow& operator=(TipWindow&& other) noexcept;
  // Destroys the tooltip window: it has no parent, so nothing else would.
  ~TipWindow();

  // Creates the tooltip window for `owner` (an earlier one is destroyed).
  // Returns the tooltip window, or nullptr when creation failed.
  HWND Create(HWND owner, TipShape shape = TipShape::Rectangle);
  void AddTool(const RECT& rect, const char* text, UINT_PTR id);
  // A tool whose text the tooltip asks the owner for with TTN_GETDISPINFO.
  void AddCallbackTool(const RECT& rect, UINT_PTR id);
  void SetBackColour(COLORREF colour);
  void SetTextColour(COLORREF colour);
  void SetMaxWidth(int width);
  // Removes the tool (owner, id).
  void DeleteTool(UINT_PTR id);
  void MoveTool(UINT_PTR id, const RECT& rect);
  void UpdateToolText(UINT_PTR id, const char* text);
  HWND GetWindow() const { return hwnd_; }
  HWND owner() const { return owner_; }

 private:
  void SendTool(UINT message, UINT_PTR id, const RECT& rect, const char* text) const;
  void Destroy();

  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace tooltip
