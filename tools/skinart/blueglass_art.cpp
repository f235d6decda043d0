// BlueGlass: glassy. A blue glass title bar with a bright upper half and a
// slanted reflection, glass pill buttons and glass title buttons.
#include "tools/skinart/strips.h"

namespace kestrova::skinart {
namespace {

constexpr uint32_t kFormColor = 0xE7E7E7;
constexpr int kTitleHeight = 33;

Rgba TitleRow(int y) {
  if (y == 0) return Hex(0xB9D4FA);
  if (y < 16) return Mix(Hex(0x8DB6EE), Hex(0x5B8FDB), (y - 1) / 15.0f);
  if (y < kTitleHeight - 2) return Mix(Hex(0x2C63C2), Hex(0x4A88E0), (y - 16) / 15.0f);
  return Hex(0x1B3F82);
}

// A slanted band of reflected light, `at` pixels from the piece's left.
void Reflection(Art& art, float at, float width) {
  art.Fill(
      Intersect(Box(0, 1, float(art.Width()), float(kTitleHeight - 2)),
                [=](float x, float y) { return std::abs((x - at) + (y - 16) * 0.7f) - width; }),
      Hex(0xFFFFFF, 0.16f));
}

Picture TitlePiece(const std::string& name, int w, float roundLeft, float roundRight,
                   float reflectionAt) {
  Art art = DrawTitlePiece(w, kTitleHeight, {TitleRow, roundLeft, roundRight});
  if (reflectionAt >= 0) {
    Reflection(art, reflectionAt, 9);
    Reflection(art, reflectionAt + 22, 3);
  }
  return {name, art.Flatten(0x000000, true), 1, {}};
}

PixelBuffer Button(ButtonState state) {
  Art art(77, 27);
  FaceLook f;
  f.radius = 9;
  f.border = Hex(0x35609E);
  f.glossAlpha = 0.75f;
  f.glossUntil = 0.4f;
  f.shadow = Hex(0x000000, 0.18f);
  f.face = {{0, Hex(0xE6F0FC)},
            {0.4f, Hex(0xBCD3F0)},
            {0.42f, Hex(0x93B6E6)},
            {0.62f, Hex(0x9EBFEA)},
            {1, Hex(0xCFE6FF)}};
  if (state == ButtonState::Hover) {
    f.border = Hex(0x2A7BD0);
    f.face = {{0, Hex(0xEEF8FF)},
              {0.4f, Hex(0xC6E4FF)},
              {0.42f, Hex(0x8CCBFF)},
              {0.62f, Hex(0x98D2FF)},
              {1, Hex(0xC8F0FF)}};
  }
  if (state == ButtonState::Pressed) {
    f.border = Hex(0x1D4584);
    f.glossAlpha = 0.45f;
    f.face = {{0, Hex(0x9ABCE8)},
              {0.4f, Hex(0x7FA6DC)},
              {0.42f, Hex(0x5F8BD0)},
              {0.62f, Hex(0x6893D4)},
              {1, Hex(0x9CC4F0)}};
  }
  DrawFace(art, 1, 0, 76, 26, f);
  return art.Flatten(kFormColor, true);
}

ToggleLook Toggle(bool round) {
  ToggleLook t;
  t.box = 13;
  t.round = round;
  t.radius = 3;
  t.enabled = {.radius = 3,
               .border = Hex(0x4A78C0),
               .face = {{0, Hex(0xF5FAFF)}, {0.5f, Hex(0xDDEAFA)}, {1, Hex(0xC2D8F4)}},
               .glossAlpha = 0.5f};
  t.disabled = {
      .radius = 3, .border = Hex(0xB4BCC8), .face = {{0, Hex(0xF4F4F4)}, {1, Hex(0xE4E4E4)}}};
  t.mark = Hex(0x1E4E9A);
  t.disabledMark = Hex(0xB4BCC8);
  return t;
}

PixelBuffer TitleButton(TitleRole role, ButtonState state) {
  TitleButtonLook look;
  look.inset = 1;
  look.radius = 4;
  look.glyphSize = 7;
  look.glyphWeight = 1.8f;
  look.border = Hex(0x1E4A90, 0.85f);
  look.gloss = 0.7f;
  look.glyphShadow = Hex(0x0A2050, 0.45f);
  const Rgba base = role == TitleRole::Close ? Hex(0xE04A4A) : Hex(0x4F8EE6);
  return DrawTitleButton(19, 19, role, state, base, look).Flatten(0x4A7FD0, true);
}

}  // namespace

void AddBlueGlassPictures(std::vector<Picture>& out) {
  out.push_back(ButtonStrip("BLUEGLASS_BUTTON", 77, 27, Button));
  out.push_back(ToggleStrip("BLUEGLASS_CHECKBOX", 13, 13, Toggle(false), kFormColor));
  out.push_back(ToggleStrip("BLUEGLASS_RADIOBUTTON", 13, 13, Toggle(true), kFormColor));
  out.push_back(TitleButtonStrip("BLUEGLASS_TITLEBTN", 19, 19, TitleButton));
  out.push_back(TitlePiece("BLUEGLASS_TITLE_LEFT", 162, 4.5f, 0, 60));
  out.push_back(TitlePiece("BLUEGLASS_TITLE_CLIENT", 179, 0, 0, -1));
  out.push_back(TitlePiece("BLUEGLASS_TITLE_RIGHT", 101, 0, 4.5f, 40));
}

}  // namespace kestrova::skinart
