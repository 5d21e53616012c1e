#include <doctest.h>

#include <shlobj.h>

#include "app/runtime/runtime_services.h"
#include "support/com_apartment.h"
#include "support/link_reader.h"
#include "support/temp_folder.h"

namespace {

runtime::RuntimeServices& services = runtime::Win32Runtime();

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
    const auto link = test::ReadLink(temp / c.fileName);
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
