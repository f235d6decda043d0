#include "tools/skinart/widgets.h"

namespace kestrova::skinart {

void DrawFace(Art& art, float x0, float y0, float x1, float y1, const FaceLook& look) {
  if (look.shadow.a > 0) {
    art.Fill(Subtract(RoundBox(x0, y0 + 1, x1, y1 + 1, look.radius),
                      RoundBox(x0, y0, x1, y1, look.radius)),
             look.shadow);
  }
  const Shape body = RoundBox(x0, y0, x1, y1, look.radius);
  art.Fill(body, look.border);
  const Shape face = Inset(body, 1);
  art.Fill(face, VGradient(y0 + 1, y1 - 1, look.face));
  if (look.innerRing.a > 0) art.Fill(Outline(face, look.innerRingWidth), look.innerRing);
  if (look.glossAlpha > 0) {
    const float until = y0 + 1 + (y1 - y0 - 2) * look.glossUntil;
    const Shape gloss = Intersect(Inset(face, 0.6f), Above(until));
    art.Fill(gloss, VGradient(y0 + 1, until,
                              {{0, Hex(0xFFFFFF, look.glossAlpha)},
                               {1, Hex(0xFFFFFF, look.glossAlpha * 0.25f)}}));
  }
}

namespace {

Shape CheckMark(float cx, float cy, float s) {
  return Polyline({{cx - 0.42f * s, cy + 0.02f * s},
                   {cx - 0.12f * s, cy + 0.32f * s},
                   {cx + 0.42f * s, cy - 0.36f * s}},
                  std::max(1.6f, s * 0.2f));
}

}  // namespace

Art DrawToggle(int w, int h, const ToggleLook& look, bool checked, bool disabled) {
  Art art(w, h);
  const float x0 = float((w - look.box) / 2), y0 = float((h - look.box) / 2);
  const float x1 = x0 + look.box, y1 = y0 + look.box;
  FaceLook face = disabled ? look.disabled : look.enabled;
  if (checked && !disabled && !look.checkedFace.face.empty()) face = look.checkedFace;
  if (look.round)
    face.radius = look.box / 2.0f;
  else
    face.radius = look.radius;
  DrawFace(art, x0, y0, x1, y1, face);
  if (!checked) return art;
  const Rgba mark = disabled ? look.disabledMark : look.mark;
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  if (look.round) {
    art.Fill(Circle(cx, cy, look.box * 0.2f), mark);
  } else {
    art.Fill(CheckMark(cx, cy, look.box * 0.78f), mark);
  }
  return art;
}

namespace {

// A half-plane: inside where (x, y) lies left of the direction a -> b.
Shape HalfPlane(float ax, float ay, float bx, float by) {
  return [=](float x, float y) {
    const float dx = bx - ax, dy = by - ay;
    const float len = std::hypot(dx, dy);
    return ((x - ax) * dy - (y - ay) * dx) / len;
  };
}

Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy) {
  return Intersect(Intersect(HalfPlane(ax, ay, bx, by), HalfPlane(bx, by, cx, cy)),
                   HalfPlane(cx, cy, ax, ay));
}

// A window outline with a heavier top edge, as maximize glyphs show.
Shape WindowGlyph(float x0, float y0, float x1, float y1, float weight) {
  const Shape frame = Outline(Box(x0, y0, x1, y1), weight * 0.75f);
  return Union(frame, Box(x0, y0, x1, y0 + weight * 1.5f));
}

Shape QuestionMark(float cx, float cy, float s, float weight) {
  std::vector<std::pair<float, float>> hook;
  const float r = s * 0.28f, hy = cy - s * 0.2f;
  for (int i = 0; i <= 12; ++i) {  // the arc from the left round over the top
    const float a = 3.1416f * (1.0f - i / 12.0f * 1.5f);
    hook.push_back({cx + r * std::cos(a), hy - r * std::sin(a)});
  }
  hook.push_back({cx, cy + s * 0.18f});
  const Shape stem = Polyline(hook, weight);
  return Union(stem, Circle(cx, cy + s * 0.42f, weight * 0.62f));
}

}  // namespace

Shape TitleGlyph(TitleRole role, float cx, float cy, float size, float weight) {
  const float h = size / 2;
  switch (role) {
    case TitleRole::Close:
      return Union(Segment(cx - h, cy - h, cx + h, cy + h, weight),
                   Segment(cx - h, cy + h, cx + h, cy - h, weight));
    case TitleRole::Minimize:
      return Box(cx - h, cy + h - weight, cx + h, cy + h);
    case TitleRole::Maximize:
      return WindowGlyph(cx - h, cy - h, cx + h, cy + h, weight);
    case TitleRole::Restore: {
      const float o = size * 0.3f;
      const Shape front = WindowGlyph(cx - h, cy - h + o, cx + h - o, cy + h, weight);
      const Shape back = WindowGlyph(cx - h + o, cy - h, cx + h, cy + h - o, weight);
      return Union(front, Subtract(back, Box(cx - h, cy - h + o, cx + h - o, cy + h)));
    }
    case TitleRole::Help:
      return QuestionMark(cx, cy, size, weight);
    case TitleRole::ControlBox:
      return Triangle(cx - h, cy - h * 0.45f, cx + h, cy - h * 0.45f, cx, cy + h * 0.6f);
  }
  return Box(0, 0, 0, 0);
}

}  // namespace kestrova::skinart

namespace kestrova::skinart {

Art DrawTitleButton(int w, int h, TitleRole role, ButtonState state, Rgba base,
                    const TitleButtonLook& look) {
  Art art(w, h);
  if (state == ButtonState::Hover) base = Mix(base, Hex(0xFFFFFF), 0.25f);
  if (state == ButtonState::Pressed) base = Mix(base, Hex(0x000000), 0.28f);
  FaceLook face;
  face.radius = look.radius;
  face.border = look.border;
  const Rgba light = Mix(base, Hex(0xFFFFFF), 0.35f), dark = Mix(base, Hex(0x000000), 0.2f);
  face.face = state == ButtonState::Pressed
                  ? std::vector<Stop>{{0, dark}, {0.6f, base}, {1, light}}
                  : std::vector<Stop>{{0, light}, {0.5f, base}, {1, dark}};
  face.glossAlpha = state == ButtonState::Pressed ? look.gloss * 0.4f : look.gloss;
  const float i = look.inset;
  DrawFace(art, i, i, w - i, h - i, face);
  const float shift = state == ButtonState::Pressed ? 0.5f : 0;
  const float cx = w / 2.0f + shift, cy = h / 2.0f + shift;
  if (look.glyphShadow.a > 0) {
    art.Fill(TitleGlyph(role, cx + 0.7f, cy + 0.7f, look.glyphSize, look.glyphWeight),
             look.glyphShadow);
  }
  art.Fill(TitleGlyph(role, cx, cy, look.glyphSize, look.glyphWeight), look.glyph);
  return art;
}

Art DrawTitlePiece(int w, int h, const TitlePieceLook& look) {
  Art art(w, h);
  // Boxes reaching past the far sides round only the corners asked for.
  Shape body = Box(0, 0, float(w), float(h));
  if (look.roundLeft > 0) {
    body = Intersect(
        body, RoundBox(0, 0, w + 2 * look.roundLeft, h + 2 * look.roundLeft, look.roundLeft));
  }
  if (look.roundRight > 0) {
    body = Intersect(body, RoundBox(-2 * look.roundRight, 0, float(w), h + 2 * look.roundRight,
                                    look.roundRight));
  }
  art.Fill(body, [&](float, float y) { return look.row(static_cast<int>(y)); });
  return art;
}

}  // namespace kestrova::skinart
