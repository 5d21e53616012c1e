#include <doctest.h>

#include <shlobj.h>

#include <cstring>

#include "app/runtime/ansi_text.h"
#include "app/runtime/handles.h"
#include "app/runtime/runtime_services.h"
#include "runtime/com_apartment.h"
#include "runtime/temp_folder.h"

namespace {

runtime::RuntimeServices& services = runtime::Win32Runtime();

struct LinkContents {
  std::string target;
  DWORD showCommand = 0;
};

// Loads a shell link file and reads back what it points at.
std::optional<LinkContents> ReadLink(const std::string& path) {
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
  if (const auto bytes = test::ReadBytes(path); bytes && bytes->size() >= 64) {
    std::memcpy(&contents.showCommand, bytes->data() + 60, sizeof(DWORD));
  }
  return contents;
}

}  // namespace

TEST_CASE("CreateShortcut writes a link to the target, adding .lnk to a last component without a dot") {
  test::ComApartment com;
  test::TempFolder temp;
  const std::string target = temp / "目标程序.exe";
  REQUIRE(services.WriteFile(target, std::vector<std::uint8_t>{'M', 'Z'}).ok());
  REQUIRE(services.CreateDir(temp / "first.last").ok());

  struct Case {
    const char* name;      // as passed, inside the temporary folder
    const char* fileName;  // the link file that must appear
  };
  const Case cases[] = {
      {"Tavrin", "Tavrin.lnk"},
      {"快捷方式", "快捷方式.lnk"},
      // The dot of a folder (a user name such as first.last) does not count.
      {"first.last\\Tavrin", "first.last\\Tavrin.lnk"},
      {"Named.lnk", "Named.lnk"},
  };
  for (const Case& c : cases) {
    const std::string name = c.name;
    CAPTURE(name);
    CHECK(services.CreateShortcut(temp / c.name, target).ok());
    const auto link = ReadLink(temp / c.fileName);
    REQUIRE(link);
    CHECK(link->target == target);
    CHECK(link->showCommand == SW_SHOW);
  }
  CHECK_FALSE(services.FileExists(temp / "Tavrin"));
  CHECK_FALSE(services.FileExists(temp / "first.last\\Tavrin"));

  CHECK_FALSE(services.CreateShortcut(temp / "missing\\Tavrin", target).ok());
}

TEST_CASE("GetSpecialFolder gives existing desktop and Start-menu folders ending with a backslash") {
  for (auto which : {runtime::SpecialFolder::Desktop, runtime::SpecialFolder::StartMenu}) {
    CAPTURE(static_cast<int>(which));
    const auto folder = services.GetSpecialFolder(which);
    REQUIRE(folder);
    CHECK(folder->ends_with("\\"));
    CHECK_FALSE(folder->ends_with("\\\\"));
    CHECK(test::IsDirectory(*folder));
  }
  char desktop[MAX_PATH];
  REQUIRE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
  CHECK(services.GetSpecialFolder(runtime::SpecialFolder::Desktop) == std::string(desktop) + "\\");
}
