// WindowRegistry: the process-wide ordered list of skinned windows. A record's
// 1-based position is its window index, which the window carries as "Hw_lbID"
// and its skinned controls as "Hw_FuID" (backdrop controls as "Kj_FuID").
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/manager/window_record.h"

namespace skin {

class WindowRegistry {
 public:
  int Size() const { return static_cast<int>(records_.size()); }
  // The record at window index `index`, or nullptr when out of range.
  SkinWindowRecord* At(int index);
  // Appends a record; returns its window index.
  int Append(std::unique_ptr<SkinWindowRecord> record);
  // Window index of the first record for `window`, 0 when none.
  int IndexOf(HWND window) const;
  // Window index from the window's "Hw_lbID", 0 unless it names a record.
  int IndexFromProperty(HWND window) const;
  // Takes the record at `index` out of the registry; later records move down
  // by one. Their stored indices are stale until Renumber.
  std::unique_ptr<SkinWindowRecord> Remove(int index);
  // Rewrites every stored window index: "Hw_lbID" on each window, "Hw_FuID"
  // on its skinned controls and panels, "Kj_FuID" on its backdrop controls.
  void Renumber() const;
  // Frees every record (and everything it owns). Windows are not touched.
  void Clear();

 private:
  // Records are held by pointer so a record outlives registry growth while a
  // message for its window is being handled.
  std::vector<std::unique_ptr<SkinWindowRecord>> records_;
};

}  // namespace skin
