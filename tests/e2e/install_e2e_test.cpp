// The real installer, driven with real input under a real desktop: install,
// reinstall, the options toggle, the validation and failure boxes, and "运行".
#include <doctest.h>
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "installer_driver.h"

namespace fs = std::filesystem;
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

std::vector<char> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
  return path;
}

struct Shortcut {
  std::string target;
  int showCommand = 0;
};

Shortcut ReadShortcut(const std::string& linkPath) {
  Shortcut result;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return result;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    std::wstring wide(fs::path(linkPath).wstring());
    if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
      char target[MAX_PATH] = "";
      link->GetPath(target, MAX_PATH, nullptr, 0);
      result.target = target;
    }
    file->Release();
  }
  link->Release();
  // The show command is read from the link's header (offset 0x3C): Wine's
  // IShellLink::GetShowCmd turns a stored SW_SHOW into SW_SHOWNORMAL.
  const auto bytes = ReadAll(linkPath);
  if (bytes.size() >= 0x40) std::memcpy(&result.showCommand, bytes.data() + 0x3C, 4);
  return result;
}

// A fresh install folder under the temp folder, removed with everything the
// installer made (including its two shortcuts) when the test ends.
struct InstallFolder {
  std::string base;
  InstallFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    base = std::string(temp) + "tavrin-e2e-" + std::to_string(GetCurrentProcessId());
    fs::remove_all(base);
    fs::create_directories(base);
  }
  ~InstallFolder() {
    for (const fs::path& p : {fs::path(base), fs::path(DesktopLink()),
                              fs::path(StartMenuFolder())}) {
      std::error_code ignored;
      fs::permissions(p / "Tavrin" / "Tavrin.exe", fs::perms::owner_write, fs::perm_options::add,
                      ignored);
      fs::remove_all(p, ignored);
    }
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
    CHECK_MESSAGE(fs::is_directory(base + folder), folder);
  CHECK(fs::is_empty(base + "\\Tavrin\\pz\\cxpz"));
  for (const PayloadCase& file : kPayload) {
    CAPTURE(file.suffix);
    const auto installed = ReadAll(base + file.suffix);
    REQUIRE(installed.size() == file.size);
    CHECK(installed[0] == 'M');
    CHECK(installed[1] == 'Z');
    CHECK(installed == ReadAll(fs::path(TAVRIN_PAYLOAD_DIR) / file.built));
  }
  const std::string target = base + "\\Tavrin\\Tavrin.exe";
  for (const std::string& link :
       {InstallFolder::DesktopLink(), InstallFolder::StartMenuFolder() + "\\Tavrin.lnk"}) {
    CAPTURE(link);
    const Shortcut shortcut = ReadShortcut(link);
    CHECK(_stricmp(shortcut.target.c_str(), target.c_str()) == 0);
    CHECK(shortcut.showCommand == SW_SHOW);
  }
}

struct ComApartment {
  ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComApartment() { CoUninitialize(); }
};

}  // namespace

TEST_CASE("install, reinstall and run the product") {
  ComApartment com;
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
  ComApartment com;
  InstallFolder folder;
  const fs::path product = fs::path(folder.base) / "Tavrin" / "Tavrin.exe";
  fs::create_directories(product.parent_path());
  std::ofstream(product, std::ios::binary) << "old";
  fs::permissions(product, fs::perms::owner_write, fs::perm_options::remove);

  RunningInstaller installer;
  installer.SetText(names::kFolderEdit, folder.base);
  installer.Click(names::kInstallButton);
  HWND box = installer.WaitForMessageBox("提示");
  REQUIRE(box);
  CHECK(e2e::AllText(box).find("Tavrin.exe") != std::string::npos);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  CHECK(e2e::WaitFor([&] { return !IsWindow(box); }));

  CHECK(installer.CurrentPage() == 0);
  CHECK(ReadAll(product) == std::vector<char>{'o', 'l', 'd'});
  // Nothing half-written: only the old file and the pz folder are there.
  std::vector<std::string> entries;
  for (const auto& entry : fs::directory_iterator(product.parent_path()))
    entries.push_back(entry.path().filename().string());
  CHECK(entries.size() == 2);
  CHECK_FALSE(fs::exists(InstallFolder::DesktopLink()));
}
