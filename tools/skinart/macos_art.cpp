// MacOS: light grey with fine pinstripes, white pill buttons that turn aqua
// blue under the mouse, gel title buttons.
#include <cmath>

#include "tools/skinart/strips.h"

namespace kestrova::skinart {
namespace {

constexpr uint32_t kFormColor = 0xE7E7E7;
constexpr int kTitleHeight = 23;
constexpr int kTitleButtonTop = 4;  // the style's title button row

// The title bar's colour at row y: a soft grey gradient with pinstripes, a
// highlight on top and a separating line below.
Rgba TitleRow(int y) {
  if (y == 0) return Hex(0xFBFBFB);
  if (y == kTitleHeight - 1) return Hex(0x8E8E8E);
  const Rgba base = Mix(Hex(0xF0F0F0), Hex(0xD2D2D2), float(y) / (kTitleHeight - 2));
  return y % 2 ? base : Mix(base, Hex(0xFFFFFF), 0.35f);
}

Picture TitlePiece(const std::string& name, int w, float shadeLeft, float shadeRight) {
  Picture p{name, PixelBuffer(w, kTitleHeight), 1, {}};
  for (int y = 0; y < kTitleHeight; ++y) {
    for (int x = 0; x < w; ++x) {
      // A gentle darkening toward the window's outer edges.
      const float t = w > 1 ? float(x) / (w - 1) : 0;
      const float shade = shadeLeft * std::pow(1 - t, 3.0f) + shadeRight * std::pow(t, 3.0f);
      p.pixels.At(x, y) = ToPixel(Mix(TitleRow(y), Hex(0x9A9A9A), shade));
    }
  }
  return p;
}

FaceLook ButtonFace(ButtonState state) {
  FaceLook f;
  f.radius = 11.5f;
  f.glossAlpha = 0.55f;
  f.glossUntil = 0.4f;
  f.shadow = Hex(0x000000, 0.16f);
  switch (state) {
    case ButtonState::Normal:
      f.border = Hex(0x8A8A8A);
      f.face = {{0, Hex(0xFFFFFF)},
                {0.4f, Hex(0xEEEEEE)},
                {0.42f, Hex(0xE2E2E2)},
                {0.62f, Hex(0xE6E6E6)},
                {1, Hex(0xFAFAFA)}};
      break;
    case ButtonState::Hover:
      f.border = Hex(0x5C8BC6);
      f.face = {{0, Hex(0xE4F0FD)},
                {0.4f, Hex(0xB9D6F6)},
                {0.42f, Hex(0x9CC5F2)},
                {0.62f, Hex(0xA6CCF4)},
                {1, Hex(0xD2E8FF)}};
      break;
    case ButtonState::Pressed:
      f.border = Hex(0x2C5A98);
      f.glossAlpha = 0.4f;
      f.face = {{0, Hex(0x8DBCF0)},
                {0.4f, Hex(0x4F8FE0)},
                {0.42f, Hex(0x3778D2)},
                {0.62f, Hex(0x3F80D8)},
                {1, Hex(0x7DB7F6)}};
      break;
  }
  return f;
}

PixelBuffer Button(ButtonState state) {
  Art art(84, 23);
  DrawFace(art, 1, 0, 83, 22, ButtonFace(state));
  return art.Flatten(kFormColor, true);
}

ToggleLook Toggle(bool round) {
  ToggleLook t;
  t.box = 13;
  t.round = round;
  t.radius = 3;
  t.enabled = {.radius = 3,
               .border = Hex(0x7E7E7E),
               .face = {{0, Hex(0xFFFFFF)}, {0.5f, Hex(0xF0F0F0)}, {1, Hex(0xDADADA)}},
               .glossAlpha = 0.5f};
  t.checkedFace = {.radius = 3,
                   .border = Hex(0x2A5EA8),
                   .face = {{0, Hex(0x9CC8F7)}, {0.5f, Hex(0x4A8BE0)}, {1, Hex(0x7CB6F7)}},
                   .glossAlpha = 0.5f};
  t.disabled = {
      .radius = 3, .border = Hex(0xB8B8B8), .face = {{0, Hex(0xF4F4F4)}, {1, Hex(0xE6E6E6)}}};
  t.mark = round ? Hex(0xFFFFFF) : Hex(0x102038);
  t.disabledMark = Hex(0xA8A8A8);
  return t;
}

// Gel colours of the title button roles.
Rgba RoleColor(TitleRole role) {
  switch (role) {
    case TitleRole::Close:
      return Hex(0xE2463F);
    case TitleRole::Minimize:
      return Hex(0xF2B12C);
    case TitleRole::Maximize:
    case TitleRole::Restore:
      return Hex(0x5CBF3A);
    case TitleRole::Help:
      return Hex(0x3E8BE0);
    case TitleRole::ControlBox:
      return Hex(0x9AA4AE);
  }
  return {};
}

PixelBuffer TitleButton(TitleRole role, ButtonState state) {
  Art art(17, 17);
  const float c = 8.5f, r = 6.5f;
  Rgba gel = RoleColor(role);
  if (state == ButtonState::Hover) gel = Mix(gel, Hex(0xFFFFFF), 0.22f);
  if (state == ButtonState::Pressed) gel = Mix(gel, Hex(0x000000), 0.3f);
  art.Fill(Circle(c, c + 0.6f, r + 0.6f), Hex(0x000000, 0.18f));  // drop shadow
  art.Fill(Circle(c, c, r), Mix(gel, Hex(0x000000), 0.45f));      // rim
  art.Fill(Circle(c, c, r - 0.9f),
           VGradient(c - r, c + r,
                     {{0, Mix(gel, Hex(0x000000), 0.2f)}, {1, Mix(gel, Hex(0xFFFFFF), 0.45f)}}));
  art.Fill(Intersect(Circle(c, c - 2.2f, 3.8f), Above(c)),
           VGradient(c - r, c, {{0, Hex(0xFFFFFF, 0.85f)}, {1, Hex(0xFFFFFF, 0.1f)}}));
  const float glyphAlpha = state == ButtonState::Normal ? 0.6f : 0.9f;
  art.Fill(TitleGlyph(role, c, c, 6, 1.5f), Hex(0x3A1A10, glyphAlpha));
  std::vector<Rgba> rows;
  for (int y = 0; y < 17; ++y) rows.push_back(TitleRow(y + kTitleButtonTop));
  return art.Flatten(rows);
}

}  // namespace

void AddMacOSPictures(std::vector<Picture>& out) {
  out.push_back(ButtonStrip("MACOS_BUTTON", 84, 23, Button));
  out.push_back(ToggleStrip("MACOS_CHECKBOX", 15, 17, Toggle(false), kFormColor));
  out.push_back(ToggleStrip("MACOS_RADIOBUTTON", 16, 17, Toggle(true), kFormColor));
  out.push_back(TitleButtonStrip("MACOS_TITLEBTN", 17, 17, TitleButton));
  out.push_back(TitlePiece("MACOS_TITLE_LEFT", 48, 0.12f, 0));
  out.push_back(TitlePiece("MACOS_TITLE_CLIENT", 49, 0, 0));
  out.push_back(TitlePiece("MACOS_TITLE_RIGHT", 48, 0, 0.12f));
}

}  // namespace kestrova::skinart
