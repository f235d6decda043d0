// Protein: bright. A vivid electric-blue title bar whose long left piece
// carries light waves, glossy round title buttons (orange close), white
// buttons with a vivid blue rim that glow orange under the mouse.
#include <cmath>

#include "tools/skinart/strips.h"

namespace kestrova::skinart {
namespace {

constexpr uint32_t kFormColor = 0xFBFBFB;
constexpr int kTitleHeight = 23;

Rgba TitleRow(int y) {
  if (y == 0) return Hex(0x8C98FF);
  if (y < 11) return Mix(Hex(0x5E6DFF), Hex(0x3F4BE8), (y - 1) / 10.0f);
  if (y < kTitleHeight - 1) return Mix(Hex(0x2D30C4), Hex(0x3A44DC), (y - 11) / 11.0f);
  return Hex(0x1A1C8A);
}

// The left piece: the bar's rows with two light waves that fade out before
// its right end, so it meets the one-pixel middle and right pieces exactly.
Picture TitleLeft() {
  constexpr int w = 441;
  Art art = DrawTitlePiece(w, kTitleHeight, {TitleRow});
  for (int wave = 0; wave < 2; ++wave) {
    const float phase = wave * 1.7f, amp = 4.0f + wave * 2, mid = 12.0f + wave * 3;
    const Shape band = [=](float x, float y) {
      const float centre = mid + amp * std::sin(x / 38.0f + phase);
      return std::abs(y - centre) - (1.2f + wave * 0.8f);
    };
    art.Fill(band, [=](float x, float) {
      const float fade = std::clamp(1 - x / 380.0f, 0.0f, 1.0f);
      return Hex(wave ? 0x7FE3FF : 0xFFFFFF, (wave ? 0.35f : 0.28f) * fade * fade);
    });
  }
  art.Fill(Box(0, 1, float(w), 11), Glow(0, 0, 160, Hex(0xFFFFFF, 0.25f)));
  return {"PROTEIN_TITLE_LEFT", art.Flatten(0x000000, false), 1, {}};
}

Picture TitleColumn(const std::string& name) {
  return {name, DrawTitlePiece(1, kTitleHeight, {TitleRow}).Flatten(0x000000, false), 1, {}};
}

PixelBuffer Button(ButtonState state) {
  Art art(74, 21);
  FaceLook f;
  f.radius = 4;
  f.border = Hex(0x3B46D9);
  f.glossAlpha = 0.5f;
  f.glossUntil = 0.38f;
  f.face = {{0, Hex(0xFFFFFF)},
            {0.38f, Hex(0xEEF1FF)},
            {0.4f, Hex(0xE0E6FF)},
            {0.62f, Hex(0xE4E9FF)},
            {1, Hex(0xF4F6FF)}};
  if (state == ButtonState::Hover) {
    f.border = Hex(0xF08A00);
    f.face = {{0, Hex(0xFFFBEA)},
              {0.38f, Hex(0xFFEAB0)},
              {0.4f, Hex(0xFFDB80)},
              {0.62f, Hex(0xFFE08F)},
              {1, Hex(0xFFF0C4)}};
  }
  if (state == ButtonState::Pressed) {
    f.border = Hex(0x1E2499);
    f.glossAlpha = 0.3f;
    f.face = {
        {0, Hex(0x9AA6FF)}, {0.38f, Hex(0xB4BDFF)}, {0.62f, Hex(0xBAC2FF)}, {1, Hex(0xD6DBFF)}};
  }
  DrawFace(art, 0, 0, 74, 21, f);
  return art.Flatten(kFormColor, false);
}

ToggleLook Toggle(bool round) {
  ToggleLook t;
  t.box = 13;
  t.round = round;
  t.radius = 3;
  t.enabled = {
      .radius = 3, .border = Hex(0x3B46D9), .face = {{0, Hex(0xFFFFFF)}, {1, Hex(0xDCE2FF)}}};
  t.disabled = {
      .radius = 3, .border = Hex(0xB9BCD6), .face = {{0, Hex(0xFCFCFC)}, {1, Hex(0xEEEEF2)}}};
  t.mark = Hex(0xF07800);
  t.disabledMark = Hex(0xB9BCD6);
  return t;
}

PixelBuffer TitleButton(TitleRole role, ButtonState state) {
  TitleButtonLook look;
  look.inset = 1;
  look.radius = 8.5f;  // round
  look.glyphSize = 6.5f;
  look.glyphWeight = 1.8f;
  look.border = Hex(0xFFFFFF, 0.9f);
  look.gloss = 0.6f;
  look.glyphShadow = Hex(0x000000, 0.3f);
  const Rgba base = role == TitleRole::Close ? Hex(0xFF5A2E) : Hex(0x22B4FF);
  return DrawTitleButton(19, 19, role, state, base, look).Flatten(0x2D30C4, true);
}

}  // namespace

void AddProteinPictures(std::vector<Picture>& out) {
  out.push_back(ButtonStrip("PROTEIN_BUTTON", 74, 21, Button));
  out.push_back(ToggleStrip("PROTEIN_CHECKBOX", 13, 13, Toggle(false), kFormColor));
  out.push_back(ToggleStrip("PROTEIN_RADIOBUTTON", 13, 13, Toggle(true), kFormColor));
  out.push_back(TitleButtonStrip("PROTEIN_TITLEBTN", 19, 19, TitleButton));
  out.push_back(TitleLeft());
  out.push_back(TitleColumn("PROTEIN_TITLE_CLIENT"));
  out.push_back(TitleColumn("PROTEIN_TITLE_RIGHT"));
}

}  // namespace kestrova::skinart
