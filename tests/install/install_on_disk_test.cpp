#include <doctest.h>

#include <array>

#include "install/recording_fakes.h"
#include "support/com_apartment.h"
#include "support/link_reader.h"
#include "support/temp_folder.h"

namespace {

const std::array<std::uint8_t, 4> kNarvel{'M', 'Z', 0, 1};
const std::array<std::uint8_t, 5> kPelgar{'M', 'Z', 0, 2, 0xFF};
const std::array<std::uint8_t, 6> kTavrin{'M', 'Z', 0, 3, 0xFF, 3};
const std::array<std::uint8_t, 3> kDosk{'M', 'Z', 4};
const std::array<app::PayloadFile, 4> kPayload{{
    {"\\Tavrin\\pz\\exe\\narvel.exe", kNarvel},
    {"\\Tavrin\\pz\\exe\\pelgar.exe", kPelgar},
    {"\\Tavrin\\Tavrin.exe", kTavrin},
    {"\\Tavrin\\pz\\exe\\dosk.exe", kDosk},
}};

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  return GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) ? full : "";
}

// Removes the shortcuts the procedure makes in the prefix's real desktop and
// Start-menu folders.
struct ShortcutCleanup {
  std::string desktop = *runtime::Win32Runtime().GetSpecialFolder(runtime::SpecialFolder::Desktop);
  std::string startMenu = *runtime::Win32Runtime().GetSpecialFolder(runtime::SpecialFolder::StartMenu);
  ~ShortcutCleanup() {
    DeleteFileA((desktop + "Tavrin.lnk").c_str());
    test::RemoveTree(startMenu + "Tavrin");
  }
};

}  // namespace

TEST_CASE("install onto disk writes the product tree and both shortcuts, twice over") {
  test::ComApartment com;
  test::TempFolder temp;
  ShortcutCleanup shortcuts;
  test::CallLog log;
  // A browsed folder: ends with a backslash, so every path doubles it.
  test::RecordingHost host(log, temp.path() + "\\");
  const std::string product = temp / "Tavrin";

  for (int run = 1; run <= 2; ++run) {
    CAPTURE(run);
    log.clear();
    CHECK(app::OnInstall(host, runtime::Win32Runtime(), kPayload));
    CHECK(log.back() == "page 3");

    CHECK(test::IsDirectory(product + "\\pz\\cxpz"));
    CHECK(test::ListFolder(product + "\\pz\\cxpz").empty());
    CHECK(test::ReadBytes(product + "\\pz\\exe\\narvel.exe") == Bytes(kNarvel));
    CHECK(test::ReadBytes(product + "\\pz\\exe\\pelgar.exe") == Bytes(kPelgar));
    CHECK(test::ReadBytes(product + "\\Tavrin.exe") == Bytes(kTavrin));
    CHECK(test::ReadBytes(product + "\\pz\\exe\\dosk.exe") == Bytes(kDosk));

    for (const std::string& linkFile :
         {shortcuts.desktop + "Tavrin.lnk", shortcuts.startMenu + "Tavrin\\Tavrin.lnk"}) {
      CAPTURE(linkFile);
      const auto link = test::ReadLink(linkFile);
      REQUIRE(link);
      CHECK(FullPath(link->target) == FullPath(product + "\\Tavrin.exe"));
      CHECK(link->showCommand == SW_SHOW);
    }
  }
}
