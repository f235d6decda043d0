#include "tools/gallery/preview.h"

#include <string>

#include "skin/blit.h"
#include "skin/frames.h"
#include "tools/gallery/tiny_font.h"

namespace kestrova::gallery {
namespace {

using skin::TsuiUIStyle;
namespace entry = skin::entry;

constexpr int kWidth = 300;
constexpr int kBodyHeight = 70;

const PixelBuffer* Find(const std::vector<skinart::Picture>& pictures, std::string_view name) {
  for (const auto& p : pictures)
    if (p.name == name) return &p.pixels;
  return nullptr;
}

class Composer {
 public:
  Composer(TsuiUIStyle style, const std::vector<skinart::Picture>& pictures)
      : style_(style), pictures_(pictures) {}

  const PixelBuffer& Picture(int e) const {
    static const PixelBuffer kNone;
    const PixelBuffer* p = Find(pictures_, skin::GetBuiltInPictureName(style_, e));
    return p ? *p : kNone;
  }
  const PixelBuffer* Named(std::string_view name) const { return Find(pictures_, name); }
  TsuiUIStyle Style() const { return style_; }

 private:
  TsuiUIStyle style_;
  const std::vector<skinart::Picture>& pictures_;
};

void DrawTitleBar(const Composer& c, PixelView out) {
  const PixelBuffer& left = c.Picture(entry::kTitleLeft);
  const PixelBuffer& client = c.Picture(entry::kTitleClient);
  const PixelBuffer& right = c.Picture(entry::kTitleRight);
  const int h = left.Height();
  skin::Blit(client.View(), {0, 0, client.Width(), h}, out,
             {left.Width(), 0, kWidth - right.Width(), h});
  skin::BlitAt(left.View(), {0, 0, left.Width(), h}, out, 0, 0);
  skin::BlitAt(right.View(), {0, 0, right.Width(), h}, out, kWidth - right.Width(), 0);

  const PixelBuffer& strip = c.Picture(entry::kTitleButtons);
  const bool transparent = skin::GetBuiltInBool(c.Style(), entry::kTitleButtonTransparent);
  const int top = skin::GetBuiltInInteger(c.Style(), entry::kTitleButtonTop);
  int x = kWidth - 3 + skin::GetBuiltInInteger(c.Style(), entry::kRightBtnXOffset);
  for (int frame : {16, 7, 13}) {  // close, maximize, minimize (normal looks)
    const PixelBuffer button = skin::CutFrame(strip.View(), 18, frame);
    x -= button.Width() + (frame == 16 ? 0 : 1);
    skin::BlitAt(button.View(), {0, 0, button.Width(), button.Height()}, out, x, top,
                 transparent ? std::optional<uint32_t>(skin::kMagenta) : std::nullopt);
  }
  const Pixel ink = c.Style() == TsuiUIStyle::MacOS ? MakePixel(0, 0, 0) : MakePixel(255, 255, 255);
  DrawText(out, 8 + skin::GetBuiltInInteger(c.Style(), entry::kLeftBtnXOffset), top + 5, "KESTROVA",
           ink);
}

void DrawBody(const Composer& c, PixelView out, int y0) {
  const char* tile = c.Style() == TsuiUIStyle::MacOS     ? "MACOS_FORM_BACKGROUND"
                     : c.Style() == TsuiUIStyle::Protein ? "PROTEIN_FORM_BACKGROUND"
                                                         : nullptr;
  const PixelBuffer* pattern = tile ? c.Named(tile) : nullptr;
  for (int y = y0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.At(x, y) = pattern ? pattern->At(x % 8, (y - y0) % 8)
                             : ColorToPixel(skin::GetBuiltInColor(c.Style(), entry::kFormColor));

  const PixelBuffer& buttons = c.Picture(entry::kButton);
  const bool transparent = skin::GetBuiltInBool(c.Style(), entry::kButtonTransparent);
  for (int k = 1; k <= 3; ++k) {
    const PixelBuffer frame = skin::CutFrame(buttons.View(), 3, k);
    PixelView target = out;
    target.pixels = &out.At(12 + (k - 1) * 92, y0 + 10);
    target.width = 80;
    target.height = 27;
    if (!transparent) skin::FillRect(target, {0, 0, 80, 27}, skin::GetBuiltInColor(c.Style(), 15));
    skin::DrawNinePart(frame.View(), target, {0, 0, 80, 27}, transparent);
  }
  int x = 12;
  for (int e : {entry::kCheckBox, entry::kRadioButton}) {
    const PixelBuffer& strip = c.Picture(e);
    for (int k = 1; k <= 4; ++k) {
      const PixelBuffer f = skin::CutFrame(strip.View(), 4, k);
      skin::BlitAt(f.View(), {0, 0, f.Width(), f.Height()}, out, x, y0 + 48);
      x += f.Width() + 8;
    }
    x += 16;
  }
}

void DrawBorder(const Composer& c, PixelView out) {
  const uint32_t color = skin::GetBuiltInColor(c.Style(), entry::kBorderColor);
  const int w = skin::GetBuiltInInteger(c.Style(), entry::kBorderWidth);
  const int titleHeight = c.Picture(entry::kTitleLeft).Height();
  skin::FillRect(out, {0, titleHeight, w, out.height}, color);
  skin::FillRect(out, {out.width - w, titleHeight, out.width, out.height}, color);
  skin::FillRect(out, {0, out.height - w, out.width, out.height}, color);
}

}  // namespace

PixelBuffer StylePreview(TsuiUIStyle style, const std::vector<skinart::Picture>& pictures) {
  const Composer c(style, pictures);
  const int titleHeight = c.Picture(entry::kTitleLeft).Height();
  PixelBuffer out(kWidth, titleHeight + kBodyHeight, MakePixel(0xFF, 0x00, 0xFF));
  DrawBody(c, out.View(), titleHeight);
  DrawTitleBar(c, out.View());
  DrawBorder(c, out.View());
  return out;
}

}  // namespace kestrova::gallery
