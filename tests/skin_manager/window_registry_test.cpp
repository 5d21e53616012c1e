// Removing a window's record renumbers the windows and controls that remain.
#include <doctest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "engine_fixture.h"
#include "skin/manager/skin_manager.h"

using skin::SkinWindowRecord;

namespace {

// A child control and the property through which it names its owner.
struct StampedControl {
  HWND control;
  const char* property;
  HWND owner;
};

// Three registered windows, each with one control in every class list, a
// second push button and an unattached child that carries no index.
struct ThreeSkinnedWindows : test::EngineFixture {
  std::vector<std::unique_ptr<test::TestWindow>> windows;
  std::vector<std::unique_ptr<test::TestWindow>> children;
  std::vector<StampedControl> stamped;

  ThreeSkinnedWindows() {
    for (int i = 0; i < 3; ++i) {
      windows.push_back(std::make_unique<test::TestWindow>());
      HWND window = windows.back()->hwnd;
      SkinWindowRecord& record = test::RegisterWindow(window);
      auto add = [&](auto& list, const char* property) {
        children.push_back(std::make_unique<test::TestWindow>(window));
        HWND control = children.back()->hwnd;
        test::AddControl(list, control);
        skin::SetIntProp(control, property, i + 1);
        stamped.push_back({control, property, window});
      };
      add(record.buttonSkins, "Hw_FuID");
      add(record.buttonSkins, "Hw_FuID");
      add(record.editSkins, "Hw_FuID");
      add(record.listSkins, "Hw_FuID");
      add(record.trackBarSkins, "Hw_FuID");
      add(record.progressSkins, "Hw_FuID");
      add(record.comboSkins, "Hw_FuID");
      add(record.updownSkins, "Hw_FuID");
      add(record.headerSkins, "Hw_FuID");
      add(record.staticSkins, "Hw_FuID");
      add(record.panels, "Hw_FuID");
      add(record.backdropControls, "Kj_FuID");
    }
  }

  // Overwrites every stored index with a stale value.
  void Scramble() {
    for (auto& window : windows) skin::SetIntProp(window->hwnd, "Hw_lbID", 99);
    for (const StampedControl& s : stamped) skin::SetIntProp(s.control, s.property, 99);
  }

  // Every remaining window and its controls carry the window's registry index.
  void CheckStampsMatchRegistry() {
    skin::WindowRegistry& registry = skin::theWindowRegistry();
    for (const StampedControl& s : stamped) {
      int owner = registry.IndexOf(s.owner);
      if (owner == 0) continue;
      CAPTURE(s.property);
      CHECK(skin::GetIntProp(s.owner, "Hw_lbID") == owner);
      CHECK(skin::GetIntProp(s.control, s.property) == owner);
    }
  }
};

INT_PTR Prop(HWND window, const char* name) { return skin::GetIntProp(window, name); }

}  // namespace

TEST_CASE_FIXTURE(ThreeSkinnedWindows, "removing window 1 of three renumbers the other two") {
  HWND first = windows[0]->hwnd, second = windows[1]->hwnd, third = windows[2]->hwnd;
  skin::theSkinManager().ReleaseWindowSkin(first);

  skin::WindowRegistry& registry = skin::theWindowRegistry();
  REQUIRE(registry.Size() == 2);
  CHECK(registry.At(1)->hwnd == second);
  CHECK(registry.At(2)->hwnd == third);
  CHECK(Prop(second, "Hw_lbID") == 1);
  CHECK(Prop(third, "Hw_lbID") == 2);
  CheckStampsMatchRegistry();
  // The destroyed window keeps its properties.
  CHECK(Prop(first, "Hw_lbID") == 1);
}

TEST_CASE_FIXTURE(ThreeSkinnedWindows, "removing the middle window leaves the first alone") {
  skin::theSkinManager().ReleaseWindowSkin(windows[1]->hwnd);
  CHECK(skin::theWindowRegistry().Size() == 2);
  CHECK(Prop(windows[0]->hwnd, "Hw_lbID") == 1);
  CHECK(Prop(windows[2]->hwnd, "Hw_lbID") == 2);
  CheckStampsMatchRegistry();
}

TEST_CASE_FIXTURE(ThreeSkinnedWindows, "ReleaseWindowSkin of an unknown window only renumbers") {
  test::TestWindow stranger;
  Scramble();
  skin::theSkinManager().ReleaseWindowSkin(stranger.hwnd);
  CHECK(skin::theWindowRegistry().Size() == 3);
  for (int i = 0; i < 3; ++i) CHECK(Prop(windows[static_cast<size_t>(i)]->hwnd, "Hw_lbID") == i + 1);
  CheckStampsMatchRegistry();
  CHECK(GetPropA(stranger.hwnd, "Hw_lbID") == nullptr);
}

TEST_CASE("Hw_lbID finds a record only while it names one") {
  test::EngineFixture engine;
  test::TestWindow a, b;
  test::RegisterWindow(a.hwnd);
  skin::WindowRegistry& registry = skin::theWindowRegistry();
  CHECK(registry.IndexFromProperty(a.hwnd) == 1);
  CHECK(registry.IndexFromProperty(b.hwnd) == 0);
  skin::SetIntProp(b.hwnd, "Hw_lbID", 2);
  CHECK(registry.IndexFromProperty(b.hwnd) == 0);
  CHECK(registry.IndexOf(a.hwnd) == 1);
  CHECK(registry.IndexOf(b.hwnd) == 0);
}

TEST_CASE("a new record holds one blank entry in every list") {
  SkinWindowRecord record;
  auto blank = [](const auto& list) { return list.size() == 1; };
  CHECK(blank(record.captionButtons));
  CHECK(blank(record.statusPanes));
  CHECK(blank(record.statusPaneRects));
  CHECK(blank(record.buttonSkins));
  CHECK(blank(record.editSkins));
  CHECK(blank(record.listSkins));
  CHECK(blank(record.trackBarSkins));
  CHECK(blank(record.progressSkins));
  CHECK(blank(record.comboSkins));
  CHECK(blank(record.updownSkins));
  CHECK(blank(record.headerSkins));
  CHECK(blank(record.reservedList));
  CHECK(blank(record.backdropControls));
  CHECK(blank(record.staticSkins));
  CHECK(blank(record.panels));
  CHECK(blank(record.dockedPanels));
  CHECK(record.buttonSkins[0].hwnd == nullptr);
  CHECK(record.panels[0].dockedChildren.size() == 1);
}
