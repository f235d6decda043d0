// The picture kinds every style draws, parametrised by a style's look:
// push button frames, check box and radio frames, and title buttons with
// their glyphs.
#pragma once

#include <vector>

#include "tools/skinart/shapes.h"

namespace kestrova::skinart {

enum class ButtonState { Normal, Hover, Pressed };

// A push button frame: a rounded body with a border, a vertical face
// gradient, an optional gloss over its upper part and an inner ring.
struct FaceLook {
  float radius = 3;
  Rgba border;
  std::vector<Stop> face;
  float glossAlpha = 0;    // white gloss over the upper part
  float glossUntil = 0.5;  // fraction of the height the gloss covers
  Rgba innerRing{0, 0, 0, 0};
  float innerRingWidth = 1;
  Rgba shadow{0, 0, 0, 0};  // a soft line under the body
};

// Draws one face into (x0, y0)-(x1, y1) of `art`.
void DrawFace(Art& art, float x0, float y0, float x1, float y1, const FaceLook& look);

// A check box or radio frame, w x h, with the box centred.
struct ToggleLook {
  int box = 13;        // side of the box or diameter of the radio
  bool round = false;  // radio button
  float radius = 2;    // box corner
  FaceLook enabled;    // border and face of the box
  FaceLook disabled;
  FaceLook checkedFace;  // used when checked and enabled, if it has a face
  Rgba mark;             // check mark or dot
  Rgba disabledMark;
};
Art DrawToggle(int w, int h, const ToggleLook& look, bool checked, bool disabled);

// The six title button roles in strip order.
enum class TitleRole { ControlBox, Help, Maximize, Restore, Minimize, Close };
constexpr TitleRole kTitleRoles[] = {TitleRole::ControlBox, TitleRole::Help,
                                     TitleRole::Maximize,   TitleRole::Restore,
                                     TitleRole::Minimize,   TitleRole::Close};

// The glyph of a role inside a square of side `size` centred at (cx, cy),
// strokes `weight` thick.
Shape TitleGlyph(TitleRole role, float cx, float cy, float size, float weight);

}  // namespace kestrova::skinart

namespace kestrova::skinart {

// A title button body (rounded square or, with a radius of half its side,
// a round one) in `base` colour, lit for hover and darkened when pressed,
// with the role's glyph on top.
struct TitleButtonLook {
  float inset = 1;  // space around the body
  float radius = 3;
  float glyphSize = 7;
  float glyphWeight = 1.8f;
  Rgba glyph = Hex(0xFFFFFF);
  Rgba border = Hex(0xFFFFFF);
  float gloss = 0.45f;
  Rgba glyphShadow{0, 0, 0, 0};
};
Art DrawTitleButton(int w, int h, TitleRole role, ButtonState state, Rgba base,
                    const TitleButtonLook& look);

// A title bar piece: rows coloured by `row`, with optional rounded top
// corners (what lies outside them is left unpainted, i.e. see-through).
struct TitlePieceLook {
  std::function<Rgba(int y)> row;
  float roundLeft = 0;
  float roundRight = 0;
};
Art DrawTitlePiece(int w, int h, const TitlePieceLook& look);

}  // namespace kestrova::skinart
