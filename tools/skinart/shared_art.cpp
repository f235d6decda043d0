// The pictures asked for by fixed names: the MacOS menu strips, the menu
// check mark and the two tiled form backgrounds.
#include "tools/skinart/shapes.h"
#include "tools/skinart/strips.h"

namespace kestrova::skinart {
namespace {

// A one-pixel-wide column stretched by its users.
Picture Column(const std::string& name, int h, const std::function<Rgba(int)>& row) {
  Picture p{name, PixelBuffer(1, h), 1, {}};
  for (int y = 0; y < h; ++y) p.pixels.At(0, y) = ToPixel(row(y));
  return p;
}

// Menus: near-white with faint pinstripes (users take the top rows).
Rgba MenuBarRow(int y) {
  const Rgba base = Mix(Hex(0xFAFAFA), Hex(0xEDEDED), y / 21.0f);
  return y % 2 ? Mix(base, Hex(0x000000), 0.025f) : base;
}

// The selected item: aqua blue with a brighter top half.
Rgba MenuSelectRow(int y) {
  if (y < 10) return Mix(Hex(0x6AA2EC), Hex(0x3B7BDB), y / 10.0f);
  return Mix(Hex(0x2F6ED4), Hex(0x4C8FEA), (y - 10) / 10.0f);
}

// A check mark on white, which its user treats as transparent.
Picture MenuChecked() {
  Art art(16, 16);
  art.Fill(Polyline({{4.0f, 8.4f}, {6.8f, 11.2f}, {12.2f, 4.6f}}, 2.0f), Hex(0x1A1A1A));
  return {"MENU_CHECKED", art.Flatten(0xFFFFFF, false), 1, {}};
}

// Fine horizontal pinstripes around the MacOS form colour.
Picture MacFormBackground() {
  Picture p{"MACOS_FORM_BACKGROUND", PixelBuffer(8, 8), 1, {}};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) p.pixels.At(x, y) = ToPixel(Hex(y % 2 ? 0xE2E2E2 : 0xECECEC));
  return p;
}

// A bright white tile with a faint blue dot lattice.
Picture ProteinFormBackground() {
  Art art(8, 8);
  art.Fill(Box(0, 0, 8, 8), Hex(0xFBFBFB));
  art.Fill(Circle(2, 2, 0.9f), Hex(0xB8C4F2, 0.55f));
  art.Fill(Circle(6, 6, 0.9f), Hex(0xB8C4F2, 0.55f));
  return {"PROTEIN_FORM_BACKGROUND", art.Flatten(0xFBFBFB, false), 1, {}};
}

}  // namespace

void AddSharedPictures(std::vector<Picture>& out) {
  out.push_back(Column("MACOS_MENU_BAR", 22, MenuBarRow));
  out.push_back(Column("MACOS_MENU_SELECT", 21, MenuSelectRow));
  out.push_back(MenuChecked());
  out.push_back(MacFormBackground());
  out.push_back(ProteinFormBackground());
}

std::vector<Picture> BuiltInPictures() {
  std::vector<Picture> out;
  AddMacOSPictures(out);
  AddWinXPPictures(out);
  AddDeepBluePictures(out);
  AddProteinPictures(out);
  AddBlueGlassPictures(out);
  AddSharedPictures(out);
  return out;
}

}  // namespace kestrova::skinart
