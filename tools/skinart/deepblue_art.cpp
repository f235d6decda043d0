// DeepBlue: navy. A deep navy title bar with a soft sheen, navy title
// buttons with a pale outline, steel-blue buttons with a navy rim.
#include "tools/skinart/strips.h"

namespace kestrova::skinart {
namespace {

constexpr uint32_t kFormColor = 0xE8E8E8;
constexpr int kTitleHeight = 32;
constexpr int kTitleButtonTop = 2;

Rgba TitleRow(int y) {
  if (y == 0) return Hex(0x6C86C4);
  if (y < 15) return Mix(Hex(0x34519A), Hex(0x203C80), (y - 1) / 14.0f);
  if (y < kTitleHeight - 1) return Mix(Hex(0x132C68), Hex(0x0B1D4C), (y - 15) / 16.0f);
  return Hex(0x050E2A);
}

// The end pieces carry a faint glow toward the window's corners.
Picture TitlePiece(const std::string& name, int w, float glowX) {
  Art art = DrawTitlePiece(w, kTitleHeight, {TitleRow});
  if (glowX >= 0) art.Fill(Box(0, 1, float(w), 15), Glow(glowX, 0, 90, Hex(0x9FB8F0, 0.35f)));
  return {name, art.Flatten(0x000000, false), 1, {}};
}

PixelBuffer Button(ButtonState state) {
  Art art(74, 21);
  FaceLook f;
  f.radius = 2.5f;
  f.border = Hex(0x1B2F5A);
  f.glossAlpha = 0.35f;
  f.glossUntil = 0.4f;
  f.face = {{0, Hex(0xF4F7FC)}, {0.4f, Hex(0xDCE4F1)}, {0.62f, Hex(0xD5DEEE)}, {1, Hex(0xBFCDE4)}};
  if (state == ButtonState::Hover) {
    f.face = {
        {0, Hex(0xFBFDFF)}, {0.4f, Hex(0xE6EEFB)}, {0.62f, Hex(0xE0E9F8)}, {1, Hex(0xCCDAF2)}};
    f.innerRing = Hex(0x7DA2E0);
  }
  if (state == ButtonState::Pressed) {
    f.border = Hex(0x0E1D40);
    f.glossAlpha = 0.1f;
    f.face = {
        {0, Hex(0xA3B6D8)}, {0.38f, Hex(0xB9C9E3)}, {0.62f, Hex(0xBFCEE6)}, {1, Hex(0xD2DDEE)}};
  }
  DrawFace(art, 0, 0, 74, 21, f);
  return art.Flatten(kFormColor, false);
}

ToggleLook Toggle(bool round) {
  ToggleLook t;
  t.box = 13;
  t.round = round;
  t.radius = 2;
  t.enabled = {
      .radius = 2, .border = Hex(0x1B2F5A), .face = {{0, Hex(0xFFFFFF)}, {1, Hex(0xD4DDEC)}}};
  t.disabled = {
      .radius = 2, .border = Hex(0xA8ADB8), .face = {{0, Hex(0xF2F2F2)}, {1, Hex(0xE2E2E2)}}};
  t.mark = Hex(0x1B2F5A);
  t.disabledMark = Hex(0xA8ADB8);
  return t;
}

PixelBuffer TitleButton(TitleRole role, ButtonState state) {
  TitleButtonLook look;
  look.inset = 1;
  look.radius = 3;
  look.glyphSize = 7;
  look.glyphWeight = 1.8f;
  look.border = Hex(0xA9BDE8, 0.9f);
  look.gloss = 0.3f;
  look.glyphShadow = Hex(0x000000, 0.35f);
  const Rgba base = role == TitleRole::Close ? Hex(0xA8283A) : Hex(0x2E4C96);
  const Art art = DrawTitleButton(19, 19, role, state, base, look);
  std::vector<Rgba> rows;
  for (int y = 0; y < 19; ++y) rows.push_back(TitleRow(y + kTitleButtonTop));
  return art.Flatten(rows);
}

}  // namespace

void AddDeepBluePictures(std::vector<Picture>& out) {
  out.push_back(ButtonStrip("DEEPBLUE_BUTTON", 74, 21, Button));
  out.push_back(ToggleStrip("DEEPBLUE_CHECKBOX", 13, 13, Toggle(false), kFormColor));
  out.push_back(ToggleStrip("DEEPBLUE_RADIOBUTTON", 13, 13, Toggle(true), kFormColor));
  out.push_back(TitleButtonStrip("DEEPBLUE_TITLEBTN", 19, 19, TitleButton));
  out.push_back(TitlePiece("DEEPBLUE_TITLE_LEFT", 97, 0));
  out.push_back(TitlePiece("DEEPBLUE_TITLE_CLIENT", 98, -1));
  out.push_back(TitlePiece("DEEPBLUE_TITLE_RIGHT", 97, 97));
}

}  // namespace kestrova::skinart
