// WinXP: the blue, rounded look: a deep blue title bar with rounded top
// corners, white-edged blue title buttons (a red close button), cream
// buttons with a dark blue rim and an orange glow under the mouse.
#include "tools/skinart/strips.h"

namespace kestrova::skinart {
namespace {

constexpr uint32_t kFormColor = 0xEFEBDE;  // the style's form colour 0xDEEBEF
constexpr uint32_t kBorder = 0x002CC8;     // the style's border colour 0xC82C00
constexpr int kTitleHeight = 29;
constexpr int kTitleButtonTop = 5;

Rgba TitleRow(int y) {
  if (y == 0) return Hex(0x5CA6FF);
  if (y < 3) return Mix(Hex(0x3D8EF8), Hex(0x1E74F0), (y - 1) / 2.0f);
  if (y < 7) return Mix(Hex(0x0A5EE8), Hex(0x0251DE), (y - 3) / 4.0f);
  if (y < 22) return Mix(Hex(0x0252E0), Hex(0x0A63F0), (y - 7) / 15.0f);
  if (y < kTitleHeight - 1) return Mix(Hex(0x0B66F2), Hex(0x0045CF), (y - 22) / 6.0f);
  return Hex(0x0035A8);
}

Picture TitlePiece(const std::string& name, int w, float roundLeft, float roundRight) {
  const Art art = DrawTitlePiece(w, kTitleHeight, {TitleRow, roundLeft, roundRight});
  return {name, art.Flatten(kBorder, true), 1, {}};
}

PixelBuffer Button(ButtonState state) {
  Art art(18, 21);
  FaceLook f;
  f.radius = 3;
  f.border = Hex(0x003C74);
  f.face = {{0, Hex(0xFFFFFF)}, {0.75f, Hex(0xF0F0EA)}, {1, Hex(0xD6D0C5)}};
  if (state == ButtonState::Hover) {
    f.innerRing = Hex(0xF8B330);
    f.innerRingWidth = 2;
  }
  if (state == ButtonState::Pressed) {
    f.face = {{0, Hex(0xD1CCC1)}, {0.3f, Hex(0xE3E0D6)}, {1, Hex(0xEEEDE5)}};
  }
  DrawFace(art, 0, 0, 18, 21, f);
  return art.Flatten(kFormColor, false);
}

ToggleLook Toggle(bool round) {
  ToggleLook t;
  t.box = 13;
  t.round = round;
  t.radius = 1;
  t.enabled = {
      .radius = 1, .border = Hex(0x1C5180), .face = {{0, Hex(0xDCDCD7)}, {1, Hex(0xFFFFFF)}}};
  t.disabled = {
      .radius = 1, .border = Hex(0xCAC8BB), .face = {{0, Hex(0xFFFFFF)}, {1, Hex(0xFFFFFF)}}};
  t.mark = Hex(0x21A121);
  t.disabledMark = Hex(0xCAC8BB);
  return t;
}

PixelBuffer TitleButton(TitleRole role, ButtonState state) {
  TitleButtonLook look;
  look.inset = 0.5f;
  look.radius = 3;
  look.glyphSize = 8;
  look.glyphWeight = 2.2f;
  look.border = Hex(0xFFFFFF, 0.95f);
  look.gloss = 0.25f;
  look.glyphShadow = Hex(0x000000, 0.25f);
  const Rgba base = role == TitleRole::Close ? Hex(0xDD4A22) : Hex(0x2A72F2);
  const Art art = DrawTitleButton(21, 21, role, state, base, look);
  std::vector<Rgba> rows;
  for (int y = 0; y < 21; ++y) rows.push_back(TitleRow(y + kTitleButtonTop));
  return art.Flatten(rows);
}

}  // namespace

void AddWinXPPictures(std::vector<Picture>& out) {
  out.push_back(ButtonStrip("WINXP_BUTTON", 18, 21, Button));
  out.push_back(ToggleStrip("WINXP_CHECKBOX", 13, 13, Toggle(false), kFormColor));
  out.push_back(ToggleStrip("WINXP_RADIOBUTTON", 13, 13, Toggle(true), kFormColor));
  out.push_back(TitleButtonStrip("WINXP_TITLEBTN", 21, 21, TitleButton));
  out.push_back(TitlePiece("WINXP_TITLE_LEFT", 35, 6, 0));
  out.push_back(TitlePiece("WINXP_TITLE_CLIENT", 37, 0, 0));
  out.push_back(TitlePiece("WINXP_TITLE_RIGHT", 35, 0, 6));
}

}  // namespace kestrova::skinart
