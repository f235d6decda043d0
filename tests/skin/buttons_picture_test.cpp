// The skinned button's and check box's kept picture: a repaint with nothing
// changed composes nothing, and every change of what they show is drawn on
// the next paint, including what lies behind a see-through button.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "skin/buttons.h"
#include "tests/testing/window_pump.h"

namespace kestrova::skin {
namespace {

using framework::OwnedComponent;
using framework::TBitmap;
using framework::TCanvas;
using framework::TComponent;
using framework::TForm;
using framework::TPanel;

// Counts the pictures it composes.
class CountingButton : public TsuiButton {
 public:
  using TsuiButton::TsuiButton;
  int composed = 0;

 protected:
  void DrawStatePicture(TCanvas& canvas, TBitmap& picture) override {
    ++composed;
    TsuiButton::DrawStatePicture(canvas, picture);
  }
};

class CountingCheckBox : public TsuiCheckBox {
 public:
  using TsuiCheckBox::TsuiCheckBox;
  int composed = 0;

 protected:
  int PicElement() override {
    ++composed;
    return TsuiCheckBox::PicElement();
  }
};

TBitmap Shot(framework::TControl& control) {
  TBitmap out(control.Width(), control.Height());
  control.PaintTo(out);
  return out;
}

bool Same(TBitmap& a, TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Canvas().Pixel(x, y) != b.Canvas().Pixel(x, y)) return false;
  return true;
}

void RedrawAlone(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

struct Window {
  OwnedComponent<TForm> form{new TForm(nullptr)};
  TPanel* panel = new TPanel(form.get());

  Window() {
    form->SetBounds(40, 40, 400, 200);
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 300, 120);
    panel->SetColor(0x00FF00);
    form->Show();
    kestrova::testing::PumpFor(20);
  }
  CountingButton* Button(const std::string& caption) {
    auto* b = new CountingButton(form.get());
    b->SetParent(panel);
    b->SetBounds(10, 10, 84, 23);
    b->SetUIStyle(TsuiUIStyle::MacOS);  // see-through
    b->SetParentColor(false);           // the panel's colour shows only behind it
    b->SetCaption(caption);
    return b;
  }
  CountingCheckBox* Box(const std::string& caption) {
    auto* c = new CountingCheckBox(form.get());
    c->SetParent(panel);
    c->SetBounds(10, 60, 150, 21);
    c->SetUIStyle(TsuiUIStyle::MacOS);
    c->SetCaption(caption);
    return c;
  }
};

struct Change {
  const char* what;
  std::function<void()> make;
};

// Each change must come out in the next picture: a kept picture that missed
// it would look as before.
template <class Control>
void ExpectEachChangeDrawn(Control& control, const std::vector<Change>& changes) {
  for (const Change& change : changes) {
    TBitmap before = Shot(control);
    const int composed = control.composed;
    change.make();
    TBitmap after = Shot(control);
    EXPECT_GT(control.composed, composed) << change.what;
    EXPECT_FALSE(Same(before, after)) << change.what;
  }
}

TEST(ButtonPicture, RepaintsWithNothingChangedComposeNothing) {
  Window window;
  CountingButton* b = window.Button("Install");
  TBitmap first = Shot(*b);
  const int composed = b->composed;
  ASSERT_GE(composed, 1);
  for (int i = 0; i < 3; ++i) RedrawAlone(b->Handle());
  RedrawWindow(window.form->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  TBitmap again = Shot(*b);
  EXPECT_EQ(b->composed, composed);
  EXPECT_TRUE(Same(first, again));
  // What the window shows is the kept picture too.
  EXPECT_EQ(kestrova::testing::PixelOnScreen(b->Handle(), 42, 11), first.Canvas().Pixel(42, 11));
}

TEST(ButtonPicture, EveryChangeOfWhatItShowsIsDrawn) {
  Window window;
  CountingButton* b = window.Button("Install");
  ExpectEachChangeDrawn(
      *b, {
              {"focus",
               [&] {
                 b->SetFocus();
                 kestrova::testing::PumpFor(20);
               }},  // before the press takes it
              {"hover", [&] { b->Perform(framework::CM_MOUSEENTER); }},
              {"press", [&] { b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }},
              {"release", [&] { b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }},
              {"leave", [&] { b->Perform(framework::CM_MOUSELEAVE); }},
              {"caption", [&] { b->SetCaption("Cancel"); }},
              {"font", [&] { b->Font().SetColor(0x0000FF); }},
              {"disabled", [&] { b->SetEnabled(false); }},
              {"style", [&] { b->SetUIStyle(TsuiUIStyle::DeepBlue); }},
              {"size", [&] { b->SetBounds(10, 10, 100, 30); }},
              {"glyph",
               [&] {
                 TBitmap glyph(8, 8);
                 glyph.Canvas().Brush().SetColor(0xFF0000);
                 glyph.Canvas().FillRect(RECT{0, 0, 8, 8});
                 b->SetGlyph(glyph);
               }},
          });
}

TEST(ButtonPicture, SeeThroughButtonFollowsWhatLiesBehindIt) {
  Window window;
  CountingButton* b = window.Button("");
  auto* label = new framework::TLabel(window.form.get());
  label->SetParent(window.panel);
  label->SetTransparent(false);
  label->SetColor(0xFF0000);
  label->SetBounds(0, 0, 12, 12);  // under the button's top-left corner
  TBitmap shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(0, 0), 0xFF0000u);
  label->Hide();
  shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(0, 0), 0x00FF00u) << "a graphic sibling gone";
  window.panel->SetColor(0x0000FF);
  shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(0, 0), 0x0000FFu) << "the parent's colour";
  b->SetLeft(b->Left() + 1);
  shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(0, 0), 0x0000FFu) << "moved";
  const int composed = b->composed;
  shot = Shot(*b);
  EXPECT_EQ(b->composed, composed);
}

TEST(CheckBoxPicture, RepaintsComposeNothingAndEveryChangeIsDrawn) {
  Window window;
  CountingCheckBox* box = window.Box("Set as default");
  TBitmap first = Shot(*box);
  const int composed = box->composed;
  for (int i = 0; i < 3; ++i) RedrawAlone(box->Handle());
  TBitmap again = Shot(*box);
  EXPECT_EQ(box->composed, composed);
  EXPECT_TRUE(Same(first, again));

  ExpectEachChangeDrawn(*box, {
                                  {"checked", [&] { box->SetChecked(true); }},
                                  {"caption", [&] { box->SetCaption("Set as default saver"); }},
                                  {"font", [&] { box->Font().SetColor(0x0000FF); }},
                                  {"colour", [&] { box->SetColor(0x123456); }},
                                  {"focus",
                                   [&] {
                                     box->SetFocus();
                                     kestrova::testing::PumpFor(20);
                                   }},
                                  {"disabled", [&] { box->SetEnabled(false); }},
                                  {"style", [&] { box->SetUIStyle(TsuiUIStyle::DeepBlue); }},
                              });
}

}  // namespace
}  // namespace kestrova::skin
