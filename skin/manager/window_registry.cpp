#include "skin/manager/window_registry.h"

#include <utility>

#include "skin/manager/window_properties.h"

namespace skin {

SkinWindowRecord* WindowRegistry::At(int index) {
  if (index < 1 || index > Size()) return nullptr;
  return records_[static_cast<size_t>(index) - 1].get();
}

int WindowRegistry::Append(std::unique_ptr<SkinWindowRecord> record) {
  records_.push_back(std::move(record));
  return Size();
}

int WindowRegistry::IndexOf(HWND window) const {
  for (size_t i = 0; i < records_.size(); ++i) {
    if (records_[i]->hwnd == window) return static_cast<int>(i) + 1;
  }
  return 0;
}

int WindowRegistry::IndexFromProperty(HWND window) const {
  INT_PTR index = GetIntProp(window, kIndexProp);
  return index >= 1 && index <= Size() ? static_cast<int>(index) : 0;
}

std::unique_ptr<SkinWindowRecord> WindowRegistry::Remove(int index) {
  if (index < 1 || index > Size()) return nullptr;
  auto position = records_.begin() + (index - 1);
  std::unique_ptr<SkinWindowRecord> record = std::move(*position);
  records_.erase(position);
  return record;
}

namespace {

// Sets `name` = `index` on the window of every entry of `list` (blank entries
// have no window).
template <class Entry>
void StampOwnerIndex(const std::vector<Entry>& list, const char* name, int index) {
  for (const Entry& entry : list) {
    if (entry.hwnd) SetIntProp(entry.hwnd, name, index);
  }
}

}  // namespace

void WindowRegistry::Renumber() const {
  for (int index = 1; index <= Size(); ++index) {
    const SkinWindowRecord& record = *records_[static_cast<size_t>(index) - 1];
    SetIntProp(record.hwnd, kIndexProp, index);
    auto stampOwner = [index](const auto&... lists) {
      (StampOwnerIndex(lists, kOwnerIndexProp, index), ...);
    };
    stampOwner(record.listSkins, record.buttonSkins, record.editSkins, record.comboSkins,
               record.headerSkins, record.updownSkins, record.trackBarSkins,
               record.progressSkins, record.staticSkins, record.panels);
    StampOwnerIndex(record.backdropControls, kBackdropOwnerIndexProp, index);
  }
}

void WindowRegistry::Clear() {
  records_.clear();
  records_.shrink_to_fit();
}

}  // namespace skin

