#include "app/payload/payload.h"

#include <windows.h>

namespace payload {

std::span<const std::uint8_t> Resource(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!info) return {};
  // Resource memory is mapped with the module and never freed.
  HGLOBAL data = LoadResource(module, info);
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) return {};
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info)};
}

}  // namespace payload
