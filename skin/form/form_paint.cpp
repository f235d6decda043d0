// The frame's client background: the MacOS and Protein pattern or the plain
// colour, composed off screen and copied in one block. The background is
// never erased first, so resizing does not flicker.
#include "framework/bitmap.h"
#include "skin/form/form.h"
#include "skin/form/tile.h"
#include "skin/styles.h"

namespace kestrova::skin {

using framework::TBitmap;

namespace {

const char* PatternName(TsuiUIStyle style) {
  switch (style) {
    case TsuiUIStyle::MacOS:
      return "MACOS_FORM_BACKGROUND";
    case TsuiUIStyle::Protein:
      return "PROTEIN_FORM_BACKGROUND";
    default:
      return nullptr;
  }
}

}  // namespace

// The composed background is kept until the size, the style or the colour
// changes: a repaint, and a see-through child asking for what lies behind
// it, is then one block copy.
void TsuiForm::Paint() {
  if (destroying_) return;
  const RECT r = ClientRect();
  const BackgroundKey key{r.right, r.bottom, ui_style_, Color()};
  if (!(key == background_key_) || background_.Empty()) {
    background_.SetSize(r.right, r.bottom);
    if (const char* name = PatternName(ui_style_)) {
      TBitmap tile;
      tile.LoadFromResourceName(GetModuleHandleW(nullptr), name);
      TilePicture(tile.Pixels(), background_.Pixels());
    } else {
      background_.Canvas().Brush().SetColor(Color());
      background_.Canvas().FillRect(r);
    }
    background_key_ = key;
  }
  Canvas().Draw(0, 0, background_);
  PaintFormBorder();
}

}  // namespace kestrova::skin

namespace kestrova::skin {

void TsuiForm::WndProc(framework::TMessage& message) {
  if (message.msg == WM_ERASEBKGND) {
    message.result = 1;
    return;
  }
  TCustomPanel::WndProc(message);
}

}  // namespace kestrova::skin
