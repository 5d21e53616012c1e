// The real installer, driven with real input under a real desktop: install,
// reinstall, the options toggle, the validation and failure boxes, and "运行".
#include <doctest.h>
#include <shlobj.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "installer_driver.h"
#include "support/com_apartment.h"
#include "support/link_reader.h"
#include "support/temp_folder.h"

namespace names = app::names;
using e2e::RunningInstaller;

namespace {

struct PayloadCase {
  const char* suffix;
  const char* built;  // the padded file the build embedded
  std::uintmax_t size;
};
constexpr PayloadCase kPayload[] = {
    {"\\Tavrin\\pz\\exe\\narvel.exe", "narvel.exe", 733696},
    {"\\Tavrin\\pz\\exe\\pelgar.exe", "pelgar.exe", 957952},
    {"\\Tavrin\\Tavrin.exe", "Tavrin.exe", 4415488},
    {"\\Tavrin\\pz\\exe\\dosk.exe", "dosk.exe", 1294336},
};

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  return test::ReadBytes(path).value_or(std::vector<std::uint8_t>{});
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
  return path;
}

// A fresh install folder; removed with everything the installer made there
// and its two shortcuts when the test ends.
struct InstallFolder {
  test::TempFolder folder;
  const std::string base = folder.path();
  ~InstallFolder() {
    test::RemoveTree(DesktopLink());
    test::RemoveTree(StartMenuFolder());
  }
  static std::string DesktopLink() { return SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Tavrin.lnk"; }
  static std::string StartMenuFolder() { return SpecialFolder(CSIDL_STARTMENU) + "\\Tavrin"; }
};

void InstallInto(RunningInstaller& installer, const std::string& base) {
  installer.SetText(names::kFolderEdit, base);
  installer.Click(names::kInstallButton);
  REQUIRE(e2e::WaitFor([&] { return installer.CurrentPage() == 1; }));
}

void CheckInstalled(const std::string& base) {
  for (const char* folder : {"\\Tavrin", "\\Tavrin\\pz", "\\Tavrin\\pz\\cxpz", "\\Tavrin\\pz\\exe"})
    CHECK_MESSAGE(test::IsDirectory(base + folder), folder);
  CHECK(test::ListFolder(base + "\\Tavrin\\pz\\cxpz").empty());
  for (const PayloadCase& file : kPayload) {
    CAPTURE(file.suffix);
    const auto installed = ReadAll(base + file.suffix);
    REQUIRE(installed.size() == file.size);
    CHECK(installed[0] == 'M');
    CHECK(installed[1] == 'Z');
    CHECK(installed == ReadAll(std::string(TAVRIN_PAYLOAD_DIR "/") + file.built));
  }
  const std::string target = base + "\\Tavrin\\Tavrin.exe";
  for (const std::string& link :
       {InstallFolder::DesktopLink(), InstallFolder::StartMenuFolder() + "\\Tavrin.lnk"}) {
    CAPTURE(link);
    const auto shortcut = test::ReadLink(link);
    REQUIRE(shortcut);
    CHECK(_stricmp(shortcut->target.c_str(), target.c_str()) == 0);
    CHECK(shortcut->showCommand == SW_SHOW);
  }
}

}  // namespace

TEST_CASE("install, reinstall and run the product") {
  test::ComApartment com;
  InstallFolder folder;
  {
    RunningInstaller installer;
    CHECK_FALSE(IsWindowVisible(installer.Control(names::kProgress)));
    InstallInto(installer, folder.base);
    CheckInstalled(folder.base);
    CHECK(SendMessageA(installer.Control(names::kProgress), 0x0408 /* PBM_GETPOS */, 0, 0) == 100);
    CHECK(IsWindowVisible(installer.Control(names::kRunButton)));
    CHECK_FALSE(IsWindowVisible(installer.Control(names::kInstallButton)));
  }
  // A second run over the installation rewrites the same bytes.
  RunningInstaller again;
  InstallInto(again, folder.base);
  CheckInstalled(folder.base);

  again.Click(names::kRunButton);
  CHECK(again.WaitForExit() == 0);
  HWND product = nullptr;
  CHECK(e2e::WaitFor([&] { return (product = FindWindowA(nullptr, "Tavrin")) != nullptr; }));
  if (product) PostMessageA(product, WM_CLOSE, 0, 0);
  e2e::WaitFor([] { return FindWindowA(nullptr, "Tavrin") == nullptr; });
}

TEST_CASE("更多选项 shows and collapses the install-folder row") {
  RunningInstaller installer;
  CHECK(installer.WindowHeight() == app::kDesignedHeight);
  struct Step {
    const char* label;
    int height;
  };
  for (const Step& step : {Step{"收起", app::kExpandedHeight}, Step{"更多选项", app::kCollapsedHeight}}) {
    installer.Click(names::kOptionsToggle);
    CHECK(e2e::WaitFor([&] { return installer.WindowHeight() == step.height; }, 5000));
    CHECK(installer.Text(names::kOptionsToggle) == step.label);
  }
  CHECK(installer.CurrentPage() == 0);
}

TEST_CASE("an empty or cancelled folder asks for a folder and touches nothing") {
  for (const char* base : {"", "\\"}) {
    CAPTURE(base);
    RunningInstaller installer;
    installer.SetText(names::kFolderEdit, base);
    installer.Click(names::kInstallButton);
    HWND box = installer.WaitForMessageBox("提示");
    REQUIRE(box);
    CHECK(e2e::AllText(box).find("请先浏览正确安装地址！") != std::string::npos);
    CHECK_FALSE(IsWindowVisible(installer.Control(names::kProgress)));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    CHECK(e2e::WaitFor([&] { return !IsWindow(box); }));
    CHECK(installer.CurrentPage() == 0);
  }
}

TEST_CASE("a file that cannot be replaced stops the install with its reason") {
  test::ComApartment com;
  InstallFolder folder;
  const std::string product = folder.base + "\\Tavrin\\Tavrin.exe";
  CreateDirectoryA((folder.base + "\\Tavrin").c_str(), nullptr);
  std::ofstream(product, std::ios::binary) << "old";
  SetFileAttributesA(product.c_str(), FILE_ATTRIBUTE_READONLY);

  RunningInstaller installer;
  installer.SetText(names::kFolderEdit, folder.base);
  installer.Click(names::kInstallButton);
  HWND box = installer.WaitForMessageBox("提示");
  REQUIRE(box);
  CHECK(e2e::AllText(box).find("Tavrin.exe") != std::string::npos);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  CHECK(e2e::WaitFor([&] { return !IsWindow(box); }));

  CHECK(installer.CurrentPage() == 0);
  CHECK(ReadAll(product) == std::vector<std::uint8_t>{'o', 'l', 'd'});
  // Nothing half-written: only the old file and the pz folder are there.
  CHECK(test::ListFolder(folder.base + "\\Tavrin") == std::vector<std::string>{"Tavrin.exe", "pz"});
  CHECK(GetFileAttributesA(InstallFolder::DesktopLink().c_str()) == INVALID_FILE_ATTRIBUTES);
}
