// Reads a shell link file back: its target and the show command it holds.
// Needs COM initialised on the calling thread.
#pragma once
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <string>

#include "app/runtime/ansi_text.h"
#include "app/runtime/handles.h"
#include "support/temp_folder.h"

namespace test {

struct LinkContents {
  std::string target;
  DWORD showCommand = 0;
};

// Loads a shell link file and reads back what it points at.
inline std::optional<LinkContents> ReadLink(const std::string& path) {
  runtime::ComPtr<IShellLinkA> link;
  runtime::ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.out())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
      FAILED(file->Load(runtime::WidenAnsi(path).c_str(), STGM_READ))) {
    return std::nullopt;
  }
  char target[MAX_PATH] = "";
  LinkContents contents;
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  contents.target = target;
  // The show command is read from the file's header (offset 60): after
  // loading, Wine's GetShowCmd reports SW_SHOWNORMAL for every value but 3
  // and 7, as the link format lets a reader do.
  if (const auto bytes = ReadBytes(path); bytes && bytes->size() >= 64) {
    std::memcpy(&contents.showCommand, bytes->data() + 60, sizeof(DWORD));
  }
  return contents;
}

}  // namespace test
