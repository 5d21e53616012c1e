// ReleaseWindowSkin frees what the engine made for a window, and only that.
#include <doctest.h>
#include <windows.h>

#include "engine_fixture.h"
#include "skin/manager/skin_manager.h"
#include "support/test_support.h"

namespace {

HBITMAP MakeBitmap(int width, int height) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

void SetHandleProp(HWND window, const char* name, HGDIOBJ object) {
  SetPropA(window, name, static_cast<HANDLE>(object));
}

}  // namespace

TEST_CASE("ReleaseWindowSkin frees the surfaces, caches, edit brushes and tips of the window") {
  test::EngineFixture engine;
  test::TestWindow window;
  test::TestWindow edit(window.hwnd), nullBrushEdit(window.hwnd);
  // The first screen DC and the first tooltip leave cached GDI objects behind
  // (the system's DC cache, the tooltip class's font): make them before counting.
  DeleteObject(MakeBitmap(1, 1));
  tooltip::TipWindow().Create(window.hwnd);
  unsigned before = test::CountGdiObjects();

  skin::SkinWindowRecord& record = test::RegisterWindow(window.hwnd);
  // Two full renders: the second frame bitmap replaces the first.
  record.surface.SelectBitmap(MakeBitmap(100, 60));
  SetHandleProp(window.hwnd, "Ck_Ycjdx", record.surface.displaced());
  record.surface.SelectBitmap(MakeBitmap(100, 60));
  SetHandleProp(window.hwnd, "Ck_wtjbdx", record.surface.bitmap());
  record.captionCache.SelectBitmap(MakeBitmap(100, 25));
  record.statusBarCache.SelectBitmap(MakeBitmap(100, 20));
  HDC surfaceDC = record.surface.dc();
  // What the colour answers left on the edit boxes.
  test::AddControl(record.editSkins, edit.hwnd);
  test::AddControl(record.editSkins, nullBrushEdit.hwnd);
  HBITMAP pattern = MakeBitmap(8, 8);
  SetHandleProp(edit.hwnd, "Kj_wtjb", pattern);
  SetHandleProp(edit.hwnd, "Kj_dxjb", CreatePatternBrush(pattern));
  SetHandleProp(nullBrushEdit.hwnd, "Kj_dxjb", GetStockObject(NULL_BRUSH));
  HWND tips = record.captionTips.Create(window.hwnd);
  REQUIRE(test::CountGdiObjects() > before);

  skin::theSkinManager().ReleaseWindowSkin(window.hwnd);

  CHECK(skin::theWindowRegistry().Size() == 0);
  CHECK(test::CountGdiObjects() == before);
  CHECK(GetObjectType(surfaceDC) == 0);
  CHECK_FALSE(IsWindow(tips));
  struct Zeroed {
    HWND window;
    const char* property;
  } zeroed[] = {{window.hwnd, "Ck_Ycjdx"},
                {window.hwnd, "Ck_wtjbdx"},
                {edit.hwnd, "Kj_wtjb"},
                {edit.hwnd, "Kj_dxjb"},
                {nullBrushEdit.hwnd, "Kj_dxjb"}};
  for (const Zeroed& z : zeroed) {
    CAPTURE(z.property);
    CHECK(GetPropA(z.window, z.property) == nullptr);
  }
  // Nothing else is removed: the window keeps its index property.
  CHECK(skin::GetIntProp(window.hwnd, "Hw_lbID") == 1);
}

TEST_CASE("ReleaseWindowSkin does not delete a bitmap the engine did not make") {
  test::EngineFixture engine;
  test::TestWindow window;
  test::RegisterWindow(window.hwnd);
  HBITMAP foreign = MakeBitmap(10, 10);
  SetHandleProp(window.hwnd, "Ck_wtjbdx", foreign);

  skin::theSkinManager().ReleaseWindowSkin(window.hwnd);

  CHECK(GetObjectType(foreign) == OBJ_BITMAP);
  DeleteObject(foreign);
}
