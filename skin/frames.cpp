#include "skin/frames.h"

#include <algorithm>

#include "skin/blit.h"

namespace kestrova::skin {

Rect FrameRect(int stripWidth, int stripHeight, int n, int k) {
  if (n < 1) return {};
  const int w = stripWidth / n;
  if (k == n) return {stripWidth - w, 0, stripWidth, stripHeight};
  return {w * (k - 1), 0, w * k, stripHeight};
}

PixelBuffer CutFrame(PixelView strip, int n, int k) {
  const Rect from = FrameRect(strip.width, strip.height, n, k);
  PixelBuffer frame(from.Width(), from.Height());
  BlitAt(strip, from, frame.View(), 0, 0);
  return frame;
}

namespace {

// Cuts `r` down to at most `w` wide, keeping its left or right side.
Rect KeepLeft(Rect r, int w) { return {r.left, r.top, std::min(r.right, r.left + w), r.bottom}; }
Rect KeepRight(Rect r, int w) { return {std::max(r.left, r.right - w), r.top, r.right, r.bottom}; }
Rect KeepTop(Rect r, int h) { return {r.left, r.top, r.right, std::min(r.bottom, r.top + h)}; }
Rect KeepBottom(Rect r, int h) {
  return {r.left, std::max(r.top, r.bottom - h), r.right, r.bottom};
}

int Clamped(int v) { return std::max(v, 0); }

struct Corner {
  Rect source;
  Rect drawn;
};

// A corner piece: its size is the smaller of source and target area on each
// axis; the source keeps the side against the picture's outside and the
// piece is drawn against the matching side of the target.
Corner MakeCorner(Rect source, Rect area, bool right, bool bottom, int W, int H) {
  const int w = Clamped(std::min(source.Width(), area.Width()));
  const int h = Clamped(std::min(source.Height(), area.Height()));
  source = right ? KeepRight(source, w) : KeepLeft(source, w);
  source = bottom ? KeepBottom(source, h) : KeepTop(source, h);
  const int x = right ? W - w : 0;
  const int y = bottom ? H - h : 0;
  return {source, {x, y, x + w, y + h}};
}

}  // namespace

std::vector<NinePiece> NinePartPieces(int pw, int ph, int W, int H) {
  const int hx = pw / 2, hy = ph / 2, tx = W / 2, ty = H / 2;
  const Corner tl = MakeCorner({0, 0, hx, hy}, {0, 0, tx, ty}, false, false, W, H);
  const Corner bl = MakeCorner({0, ph - hy + 1, hx, ph}, {0, H - ty + 1, tx, H}, false, true, W, H);
  const Corner tr = MakeCorner({pw - hx + 1, 0, pw, hy}, {W - tx + 1, 0, W, ty}, true, false, W, H);
  const Corner br = MakeCorner({pw - hx + 1, ph - hy + 1, pw, ph}, {W - tx + 1, H - ty + 1, W, H},
                               true, true, W, H);
  const Rect TL = tl.drawn, BL = bl.drawn, TR = tr.drawn, BR = br.drawn;

  std::vector<NinePiece> pieces;
  for (const Corner& c : {tl, bl, tr, br}) {
    if (!c.drawn.Empty()) pieces.push_back({NinePiece::Kind::Corner, c.source, c.drawn});
  }
  auto stretched = [&](Rect source, Rect target) {
    if (!target.Empty() && !source.Empty()) {
      pieces.push_back({NinePiece::Kind::Stretched, source, target});
    }
  };
  const Rect leftEdge{0, TL.bottom, TL.right, BL.top};
  stretched(KeepLeft({0, hy, hx, ph - hy}, leftEdge.Width()), leftEdge);
  const Rect rightEdge{TR.left, TR.bottom, TR.right, BR.top};
  stretched(KeepRight({pw - hx + 1, ph - hy, pw, hy + 2}, rightEdge.Width()), rightEdge);
  const Rect topEdge{TL.right, 0, TR.left, TL.bottom};
  stretched(KeepTop({hx, 0, pw - hx + 1, hy}, topEdge.Height()), topEdge);
  stretched({hx, hy, pw - hx + 1, ph - hy}, {TL.right, TL.bottom, TR.left, BR.top - 1});
  const Rect bottomEdge{TL.right - 1, BL.top - 1, BR.left, BR.bottom};
  stretched(KeepBottom({hx, ph - hy, pw - hx + 1, ph}, bottomEdge.Height()), bottomEdge);
  return pieces;
}

void DrawNinePart(PixelView picture, PixelView target, Rect bounds, bool transparent) {
  for (const NinePiece& piece :
       NinePartPieces(picture.width, picture.height, bounds.right, bounds.bottom)) {
    const bool masked = piece.kind == NinePiece::Kind::Stretched || transparent;
    Blit(picture, piece.source, target, piece.target,
         masked ? std::optional<uint32_t>(kMagenta) : std::nullopt);
  }
}

void DrawThreePart(PixelView picture, PixelView target, Rect bounds, uint32_t maskColor,
                   bool masked) {
  const int fw = picture.width / 3;
  const int h = picture.height;
  if (fw <= 0 || h <= 0) return;
  const auto capMask = masked ? std::optional<uint32_t>(maskColor) : std::nullopt;
  const int L = bounds.left, T = bounds.top, R = bounds.right;
  if (R - L < fw) {
    BlitAt(picture, {0, 0, std::max(R - L, 0), h}, target, L, T);
    return;
  }
  BlitAt(picture, {0, 0, fw, h}, target, L, T, capMask);
  BlitAt(picture, {2 * fw, 0, 3 * fw, h}, target, R - fw, T, capMask);
  Blit(picture, {fw, 0, 2 * fw, h}, target, {L + fw, T, R - fw, T + h});
}

}  // namespace kestrova::skin
