// Shell services: the folder-browse dialog, special folders and shell links.
#include <shlobj.h>

#include "app/runtime/ansi_text.h"
#include "app/runtime/handles.h"
#include "app/runtime/win32_services.h"

namespace runtime {
namespace {

// A link file name gets ".lnk" when its last component has no extension. Only
// the last component counts: a dot in a folder (a user name such as
// "first.last") must not stop the extension being added.
std::string LinkFileName(const std::string& linkPath) {
  const auto slash = linkPath.find_last_of("\\/");
  const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
  return linkPath.find('.', nameStart) == std::string::npos ? linkPath + ".lnk" : linkPath;
}

Outcome FromHresult(HRESULT result) {
  return {FAILED(result) ? static_cast<DWORD>(result) : 0};
}

}  // namespace

std::string Win32Services::BrowseForFolder(HWND owner, const std::string& title) {
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
  if (!chosen) return "";
  char path[MAX_PATH] = "";
  const bool isPath = SHGetPathFromIDListA(chosen, path);
  CoTaskMemFree(chosen);
  return isPath ? path : "";
}

std::optional<std::string> Win32Services::GetSpecialFolder(SpecialFolder which) {
  const int csidl = which == SpecialFolder::Desktop ? CSIDL_DESKTOPDIRECTORY : CSIDL_STARTMENU;
  char path[MAX_PATH] = "";
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE) || !*path) return std::nullopt;
  std::string folder = path;
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

// Needs COM initialised on the calling thread (the installer does so at
// start-up, apartment threaded).
Outcome Win32Services::CreateShortcut(const std::string& linkPath, const std::string& target) {
  ComPtr<IShellLinkA> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    link.out());
  if (FAILED(result)) return FromHresult(result);
  // SetPath answers S_FALSE for a target that does not exist yet; the link is
  // still written, so only a failure code counts.
  if (FAILED(result = link->SetPath(target.c_str()))) return FromHresult(result);
  if (FAILED(result = link->SetShowCmd(SW_SHOW))) return FromHresult(result);

  ComPtr<IPersistFile> file;
  if (FAILED(result = link->QueryInterface(IID_IPersistFile, file.out()))) {
    return FromHresult(result);
  }
  return FromHresult(file->Save(WidenAnsi(LinkFileName(linkPath)).c_str(), TRUE));
}

}  // namespace runtime
