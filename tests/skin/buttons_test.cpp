#include "skin/buttons.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "framework/action.h"
#include "framework/action_list.h"
#include "framework/form.h"
#include "framework/image_list.h"
#include "framework/panel.h"
#include "skin/drawing.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "tests/skin/skin_stand_ins.h"
#include "tests/testing/window_pump.h"

namespace kestrova::skin {
namespace {

using framework::OwnedComponent;
using framework::TBitmap;
using framework::TCheckBoxState;
using framework::TComponent;
using framework::TForm;
using framework::TPanel;

constexpr LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
constexpr LPARAM kAltDown = LPARAM(1) << 29;

TBitmap Shot(framework::TControl& control) {
  TBitmap out(control.Width(), control.Height());
  control.PaintTo(out);
  return out;
}

TBitmap Frame(TsuiUIStyle style, int entry, int count, int index) {
  TBitmap frame;
  GetBuiltInBitmap(style, entry, &frame, count, index);
  return frame;
}

// The frame as an opaque button of its size shows it: stretched over the
// button's colour, which the frame's magenta edge pixels leave showing.
TBitmap OnButton(TBitmap frame, framework::TControl& button) {
  TBitmap out(frame.Width(), frame.Height());
  out.Canvas().Brush().SetColor(button.Color());
  out.Canvas().FillRect(RECT{0, 0, frame.Width(), frame.Height()});
  DrawNinePart(frame, out.Canvas(), RECT{0, 0, frame.Width(), frame.Height()}, false);
  return out;
}

// Same colour at every pixel of `expected`, placed at (left, top) of `actual`.
::testing::AssertionResult Shows(TBitmap& actual, TBitmap& expected, int left = 0, int top = 0) {
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (actual.Canvas().Pixel(left + x, top + y) != expected.Canvas().Pixel(x, y))
        return ::testing::AssertionFailure() << "differs at " << x << "," << y;
  return ::testing::AssertionSuccess();
}

int CountColor(TBitmap& b, framework::TColor color) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Canvas().Pixel(x, y) == color;
  return n;
}

// A shown form holding skinned controls; clicks are counted by name.
struct Bench {
  OwnedComponent<TForm> form{new TForm(nullptr)};
  std::string clicks;

  Bench() {
    form->SetBounds(40, 40, 400, 200);
    form->Show();
  }
  TsuiButton* Button(const std::string& name, int left, TsuiUIStyle style = TsuiUIStyle::MacOS) {
    auto* b = new TsuiButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(left, 10, 84, 23);
    b->SetUIStyle(style);
    b->SetCaption(name);
    b->OnClick = [this, name](TComponent*) { clicks += name; };
    return b;
  }
  TsuiCheckBox* Box(const std::string& caption) {
    auto* c = new TsuiCheckBox(form.get());
    c->SetParent(form.get());
    c->SetBounds(10, 100, 150, 21);
    c->SetUIStyle(TsuiUIStyle::MacOS);
    c->SetCaption(caption);
    return c;
  }
  void Focus(framework::TWinControl* c) {
    c->SetFocus();
    kestrova::testing::PumpFor(20);
  }
};

TEST(ButtonLook, EachStateShowsItsFrameOfTheStrip) {
  Bench bench;
  TsuiButton* b = bench.Button("", 10);
  b->SetTransparent(false);  // the button's own colour behind the frame
  TBitmap normal = OnButton(Frame(TsuiUIStyle::MacOS, entry::kButton, 3, 1), *b);
  TBitmap hover = OnButton(Frame(TsuiUIStyle::MacOS, entry::kButton, 3, 2), *b);
  TBitmap pressed = OnButton(Frame(TsuiUIStyle::MacOS, entry::kButton, 3, 3), *b);
  ASSERT_EQ(normal.Width(), 84);
  ASSERT_EQ(normal.Height(), 23);

  TBitmap shot = Shot(*b);
  EXPECT_TRUE(Shows(shot, normal));
  b->Perform(framework::CM_MOUSEENTER);
  shot = Shot(*b);
  EXPECT_TRUE(Shows(shot, hover));
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  shot = Shot(*b);
  EXPECT_TRUE(Shows(shot, pressed));
  b->Perform(WM_LBUTTONUP, 0, At(5, 5));
  shot = Shot(*b);
  EXPECT_TRUE(Shows(shot, hover));

  b->SetEnabled(false);  // disabled: frame 1 whatever the mouse does
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  shot = Shot(*b);
  EXPECT_TRUE(Shows(shot, normal));
}

TEST(ButtonLook, TransparentButtonShowsTheParentInMagentaPixels) {
  Bench bench;
  auto* panel = new TPanel(bench.form.get());
  panel->SetParent(bench.form.get());
  panel->SetBounds(0, 0, 200, 60);
  panel->SetColor(0x00FF00);
  auto* b = new TsuiButton(bench.form.get());
  b->SetParent(panel);
  b->SetBounds(10, 10, 84, 23);
  b->SetUIStyle(TsuiUIStyle::MacOS);  // the style makes it transparent
  ASSERT_TRUE(b->Transparent());
  TBitmap normal = Frame(TsuiUIStyle::MacOS, entry::kButton, 3, 1);
  ASSERT_EQ(normal.Canvas().Pixel(0, 0), 0xFF00FFu);

  TBitmap shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(shot.Canvas().Pixel(42, 11), normal.Canvas().Pixel(42, 11));

  b->SetUIStyle(TsuiUIStyle::DeepBlue);  // an opaque style: magenta drawn as it is
  EXPECT_FALSE(b->Transparent());
}

TEST(ButtonLook, DisabledCaptionIsWhiteShadowThenGrey) {
  Bench bench;
  TsuiButton* b = bench.Button("Install", 10, TsuiUIStyle::DeepBlue);
  TBitmap enabled = Shot(*b);
  b->SetEnabled(false);
  TBitmap disabled = Shot(*b);
  const int grey = CountColor(disabled, 0x808080) - CountColor(enabled, 0x808080);
  EXPECT_GT(grey, 10);
  // Each grey stroke has its white shadow one pixel down and right, unless
  // another grey stroke covers it.
  int shadowed = 0, strokes = 0;
  for (int y = 0; y + 1 < disabled.Height(); ++y)
    for (int x = 0; x + 1 < disabled.Width(); ++x)
      if (disabled.Canvas().Pixel(x, y) == 0x808080 && enabled.Canvas().Pixel(x, y) != 0x808080) {
        ++strokes;
        framework::TColor below = disabled.Canvas().Pixel(x + 1, y + 1);
        shadowed += below == 0xFFFFFF || below == 0x808080;
      }
  EXPECT_EQ(shadowed, strokes);
}

TEST(ButtonLook, FocusIsBoldForMacOSAndADottedRectangleOtherwise) {
  Bench bench;
  TsuiButton* mac = bench.Button("Go", 10, TsuiUIStyle::MacOS);
  TsuiButton* blue = bench.Button("Go", 110, TsuiUIStyle::DeepBlue);
  mac->SetTransparent(false);
  TBitmap mac_plain = Shot(*mac), blue_plain = Shot(*blue);
  bench.Focus(mac);
  TBitmap mac_focused = Shot(*mac);
  bench.Focus(blue);
  TBitmap blue_focused = Shot(*blue);

  auto column_differs = [](TBitmap& a, TBitmap& b, int x) {
    for (int y = 3; y < a.Height() - 3; ++y)
      if (a.Canvas().Pixel(x, y) != b.Canvas().Pixel(x, y)) return true;
    return false;
  };
  EXPECT_FALSE(column_differs(mac_plain, mac_focused, 2));   // no rectangle ...
  EXPECT_FALSE(Shows(mac_focused, mac_plain));               // ... but a bolder caption
  EXPECT_TRUE(column_differs(blue_plain, blue_focused, 2));  // inset by FocusedRectMargin
  EXPECT_FALSE(column_differs(blue_plain, blue_focused, 1));
}

TEST(ButtonMouse, ReleaseInsideClicksAndDragOutDoesNot) {
  Bench bench;
  TsuiButton* b = bench.Button("B", 10);
  b->Perform(framework::CM_MOUSEENTER);
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_TRUE(b->Pressed());
  b->Perform(WM_MOUSEMOVE, MK_LBUTTON, At(84, 23));  // the far edge still counts as inside
  EXPECT_TRUE(b->Pressed());
  b->Perform(WM_MOUSEMOVE, MK_LBUTTON, At(-3, 5));
  EXPECT_FALSE(b->Pressed());
  EXPECT_FALSE(b->Hovering());
  b->SetCaption("");
  b->SetTransparent(false);
  TBitmap normal = OnButton(Frame(TsuiUIStyle::MacOS, entry::kButton, 3, 1), *b);
  TBitmap shot = Shot(*b);
  EXPECT_TRUE(Shows(shot, normal));
  b->SetCaption("B");
  b->Perform(WM_LBUTTONUP, 0, At(-3, 5));
  EXPECT_EQ(bench.clicks, "");

  bench.form->SetModalResult(5);
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  b->Perform(WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(bench.clicks, "B");
  EXPECT_FALSE(b->Pressed());
  EXPECT_EQ(bench.form->ModalResult(), 0);  // written even when it is 0
}

TEST(ButtonMouse, HoldingRepeatsEveryIntervalAndReleaseClicksOnce) {
  Bench bench;
  TsuiButton* b = bench.Button("R", 10);
  int ticks = 0;
  b->OnMouseContinuouslyDown = [&](TComponent*) { ++ticks; };
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  kestrova::testing::PumpFor(350);
  b->Perform(WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(bench.clicks, "R");
  kestrova::testing::PumpFor(150);  // the timer went with the release
  EXPECT_EQ(ticks, 3);

  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  b->Perform(framework::CM_MOUSELEAVE);  // leaving stops it too
  kestrova::testing::PumpFor(150);
  EXPECT_EQ(ticks, 3);
}

TEST(ButtonKeyboard, SpaceAndEnterClickOnReleaseOnly) {
  Bench bench;
  TsuiButton* b = bench.Button("K", 10);
  bench.Focus(b);
  b->Perform(WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(b->Pressed());
  EXPECT_EQ(bench.clicks, "");
  b->Perform(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(bench.clicks, "K");
  b->Perform(WM_KEYUP, VK_RETURN);  // a release without its press
  EXPECT_EQ(bench.clicks, "K");
  EXPECT_EQ(SendMessageW(b->Handle(), SUIM_ISSKINBUTTON, 0, 0), 1);
  EXPECT_EQ(b->ResHandle(), 0u);
}

TEST(ButtonKeyboard, EnterGoesToTheFocusedButtonElseTheDefaultAndEscapeToCancel) {
  Bench bench;
  TsuiButton* a = bench.Button("A", 10);
  TsuiButton* b = bench.Button("B", 110);
  TsuiButton* c = bench.Button("C", 210);
  TsuiCheckBox* box = bench.Box("Box");
  a->SetDefault(true);
  c->SetCancel(true);

  bench.Focus(b);
  bench.form->Perform(framework::CM_DIALOGKEY, VK_RETURN);
  EXPECT_EQ(bench.clicks, "B");
  bench.Focus(box);
  bench.form->Perform(framework::CM_DIALOGKEY, VK_RETURN);
  EXPECT_EQ(bench.clicks, "BA");
  bench.form->Perform(framework::CM_DIALOGKEY, VK_ESCAPE);
  EXPECT_EQ(bench.clicks, "BAC");
  b->SetDefault(true);  // re-announced focus: B is a default now too
  a->SetDefault(false);
  bench.form->Perform(framework::CM_DIALOGKEY, VK_RETURN);
  EXPECT_EQ(bench.clicks, "BACB");
}

TEST(ButtonKeyboard, AcceleratorsNeedAltUnlessASkinnedButtonHasTheFocus) {
  Bench bench;
  TsuiButton* go = bench.Button("&Go", 10);
  TsuiButton* other = bench.Button("Other", 110);
  TsuiCheckBox* box = bench.Box("Box");
  bench.Focus(box);
  bench.form->Perform(framework::CM_DIALOGCHAR, 'g', 0);
  EXPECT_EQ(bench.clicks, "");
  bench.form->Perform(framework::CM_DIALOGCHAR, 'G', kAltDown);
  EXPECT_EQ(bench.clicks, "&Go");
  bench.Focus(other);
  bench.form->Perform(framework::CM_DIALOGCHAR, 'g', 0);
  EXPECT_EQ(bench.clicks, "&Go&Go");
  go->SetEnabled(false);
  bench.form->Perform(framework::CM_DIALOGCHAR, 'g', kAltDown);
  EXPECT_EQ(bench.clicks, "&Go&Go");
}

TEST(ButtonSize, AutoSizeTakesOneFrameOfTheStyleStrip) {
  Bench bench;
  TsuiButton* b = bench.Button("", 10);
  EXPECT_EQ(b->Width(), 84);
  b->SetBounds(10, 10, 80, 27);
  b->SetAutoSize(true);
  EXPECT_EQ(b->Width(), 84);
  EXPECT_EQ(b->Height(), 23);
  b->SetUIStyle(TsuiUIStyle::FromThemeFile);
  b->SetAutoSize(true);  // no picture without a theme: the blank frame's third
  EXPECT_EQ(b->Width(), 24);
  EXPECT_EQ(b->Height(), 21);
}

// A glyph of solid `color` but for its top-left pixel, the see-through one.
TBitmap SolidGlyph(int width, int height, framework::TColor color) {
  TBitmap glyph(width, height);
  glyph.Canvas().Brush().SetColor(color);
  glyph.Canvas().FillRect(RECT{0, 0, width, height});
  glyph.Canvas().SetPixel(0, 0, 0xFF0000);
  return glyph;
}

// The top-left corner of the pixels of `color`, or (-1, -1).
POINT FirstOf(TBitmap& b, framework::TColor color) {
  POINT p{-1, -1};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas().Pixel(x, y) == color) {
        if (p.x < 0 || x < p.x) p.x = x;
        if (p.y < 0) p.y = y;
      }
  return p;
}

TEST(ButtonGlyph, EachLayoutPlacesTheGlyphBesideTheCaption) {
  Bench bench;
  TsuiButton* b = bench.Button("Go", 10, TsuiUIStyle::DeepBlue);
  b->SetBounds(10, 10, 120, 60);
  b->SetGlyph(SolidGlyph(16, 16, 0x0000FF));
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(b->Font());
  const SIZE t = measure.Canvas().TextExtent("Go");
  const int w = 120, h = 60, g = 16, s = 4;
  struct Case {
    TButtonLayout layout;
    POINT glyph;
  } cases[] = {
      {TButtonLayout::blGlyphLeft, {(w - g - int(t.cx) - s) / 2, (h - g) / 2}},
      {TButtonLayout::blGlyphRight, {(w + int(t.cx) + s - g) / 2, (h - g) / 2}},
      {TButtonLayout::blGlyphTop, {(w - g) / 2, (h - int(t.cy) - g - s) / 2}},
      {TButtonLayout::blGlyphBottom, {(w - g) / 2, (h + int(t.cy) + s - g) / 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.layout));
    b->SetLayout(c.layout);
    TBitmap shot = Shot(*b);
    POINT at = FirstOf(shot, 0x0000FF);
    EXPECT_EQ(at.x, c.glyph.x);
    EXPECT_EQ(at.y, c.glyph.y);
  }
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));  // pressed: one pixel down and right
  TBitmap shot = Shot(*b);
  EXPECT_EQ(FirstOf(shot, 0x0000FF).x, cases[3].glyph.x + 1);
  EXPECT_EQ(FirstOf(shot, 0x0000FF).y, cases[3].glyph.y + 1);
}

TEST(ButtonGlyph, TwiceAsWideIsAnEnabledAndADisabledFrame) {
  Bench bench;
  TsuiButton* b = bench.Button("", 10, TsuiUIStyle::DeepBlue);
  TBitmap two = SolidGlyph(32, 16, 0x0000FF);
  two.Canvas().Brush().SetColor(0x00FF00);
  two.Canvas().FillRect(RECT{16, 0, 32, 16});
  b->SetGlyph(two);
  TBitmap shot = Shot(*b);
  EXPECT_GT(CountColor(shot, 0x0000FF), 200);
  EXPECT_EQ(CountColor(shot, 0x00FF00), 0);
  b->SetEnabled(false);
  shot = Shot(*b);
  EXPECT_EQ(CountColor(shot, 0x0000FF), 0);
  EXPECT_EQ(CountColor(shot, 0x00FF00), 256);

  b->SetGlyph(SolidGlyph(33, 16, 0x0000FF));  // one wide image
  b->SetEnabled(true);
  shot = Shot(*b);
  EXPECT_EQ(CountColor(shot, 0x0000FF), 33 * 16 - 1);
}

TEST(ButtonAction, FollowsTheActionAndTakesItsImageAsGlyph) {
  Bench bench;
  auto* images = new framework::TImageList(bench.form.get());
  images->AddMasked(SolidGlyph(16, 16, 0x0000FF), 0xFF0000);
  auto* actions = new framework::TActionList(bench.form.get());
  actions->SetImages(images);
  auto* action = new framework::TAction(bench.form.get());
  action->SetActionList(actions);
  action->SetCaption("&Run");
  action->SetImageIndex(0);
  int runs = 0;
  action->OnExecute = [&](TComponent*) { ++runs; };

  auto* b = new TsuiButton(bench.form.get());
  b->SetParent(bench.form.get());
  b->SetAction(action);
  EXPECT_EQ(b->Caption(), "&Run");
  EXPECT_EQ(b->Glyph().Width(), 16);
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  b->Perform(WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(runs, 1);
  action->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
}

// A loaded skin holding only strips of solid frames: frame k is 0x0000k0,
// plus the tint.
class StripSkin : public SkinLookup {
 public:
  explicit StripSkin(int tint = 0) : tint_(tint) {
    strips_[0] = Strip(3);
    strips_[1] = Strip(6);
  }
  const TBitmap* GetBitmap(std::string_view name) const override {
    if (name == "SKIN2_BUTTON") return &strips_[0];
    if (name == "SKIN2_CHECKBOX") return &strips_[1];
    return nullptr;
  }
  int32_t GetInteger(std::string_view) const override { return -1; }
  bool GetBool(std::string_view) const override { return false; }

  static framework::TColor FrameColor(int k, int tint = 0) {
    return framework::TColor(k << 4 | tint);
  }

 private:
  TBitmap Strip(int count) const {
    TBitmap strip(count * 12, 17);
    for (int k = 1; k <= count; ++k) {
      strip.Canvas().Brush().SetColor(FrameColor(k, tint_));
      strip.Canvas().FillRect(RECT{(k - 1) * 12, 0, k * 12, 17});
    }
    return strip;
  }
  int tint_;
  TBitmap strips_[2];
};

TEST(FileTheme, ButtonAndCheckBoxTakeTheThemeFramesAndForgetAGoneTheme) {
  Bench bench;
  auto* theme = new testing::TTestFileTheme(bench.form.get());
  theme->SetSkin(std::make_unique<StripSkin>());
  TsuiButton* b = bench.Button("", 10, TsuiUIStyle::FromThemeFile);
  b->SetFileTheme(theme);
  EXPECT_FALSE(b->Transparent());
  TBitmap shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(40, 11), StripSkin::FrameColor(1));
  b->Perform(framework::CM_MOUSEENTER);
  shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(40, 11), StripSkin::FrameColor(2));
  b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(40, 11), StripSkin::FrameColor(3));

  TsuiCheckBox* box = bench.Box("Box");
  box->SetUIStyle(TsuiUIStyle::FromThemeFile);
  box->SetFileTheme(theme);
  const int frames[][3] = {{1, 1, 1}, {0, 1, 3}, {1, 0, 4}, {0, 0, 6}};  // checked, enabled, frame
  for (auto [checked, enabled, frame] : frames) {
    box->SetChecked(checked);
    box->SetEnabled(enabled);
    shot = Shot(*box);
    EXPECT_EQ(shot.Canvas().Pixel(5, box->Height() / 2), StripSkin::FrameColor(frame)) << frame;
  }

  theme->Free();
  EXPECT_EQ(b->FileTheme(), nullptr);
  EXPECT_EQ(b->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(box->FileTheme(), nullptr);
  EXPECT_EQ(box->UIStyle(), TsuiUIStyle::DeepBlue);
}

// The controls keep their finished pictures: a theme given another skin
// must not leave them showing the old one.
TEST(FileTheme, AnotherSkinOfTheThemeIsDrawnOnTheNextPaint) {
  Bench bench;
  auto* theme = new testing::TTestFileTheme(bench.form.get());
  theme->SetSkin(std::make_unique<StripSkin>());
  TsuiButton* b = bench.Button("", 10, TsuiUIStyle::FromThemeFile);
  b->SetFileTheme(theme);
  TsuiCheckBox* box = bench.Box("Box");
  box->SetUIStyle(TsuiUIStyle::FromThemeFile);
  box->SetFileTheme(theme);
  TBitmap shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(40, 11), StripSkin::FrameColor(1));
  TBitmap box_shot = Shot(*box);
  EXPECT_EQ(box_shot.Canvas().Pixel(5, box->Height() / 2), StripSkin::FrameColor(3));

  theme->SetSkin(std::make_unique<StripSkin>(1));
  shot = Shot(*b);
  EXPECT_EQ(shot.Canvas().Pixel(40, 11), StripSkin::FrameColor(1, 1));
  box_shot = Shot(*box);
  EXPECT_EQ(box_shot.Canvas().Pixel(5, box->Height() / 2), StripSkin::FrameColor(3, 1));
}

TEST(CheckBox, StateAndCheckedFireOnClickOnlyOnChange) {
  Bench bench;
  TsuiCheckBox* box = bench.Box("Box");
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  box->SetChecked(false);
  EXPECT_EQ(clicks, 0);
  box->SetState(TCheckBoxState::cbChecked);
  EXPECT_EQ(clicks, 1);
  box->SetState(TCheckBoxState::cbGrayed);  // grey unchecks
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
  box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
  box->Perform(WM_LBUTTONUP, 0, At(3, 3));
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 3);
  EXPECT_TRUE(box->Focused());
}

TEST(CheckBox, SpaceTogglesOnReleaseAndAcceleratorsWithoutAlt) {
  Bench bench;
  TsuiButton* button = bench.Button("B", 10);
  TsuiCheckBox* box = bench.Box("&Default");
  bench.Focus(box);
  box->Perform(WM_KEYDOWN, VK_SPACE);
  EXPECT_FALSE(box->Checked());
  box->Perform(WM_KEYUP, VK_SPACE);
  EXPECT_TRUE(box->Checked());
  box->Perform(WM_KEYUP, VK_RETURN);
  EXPECT_FALSE(box->Checked());

  bench.Focus(button);
  bench.form->Perform(framework::CM_DIALOGCHAR, 'd', 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
}

TEST(CheckBox, MacOSStripFramesAndAutoSize) {
  Bench bench;
  TsuiCheckBox* box = bench.Box("Set as default screensaver");
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(box->Font());
  const int th = measure.Canvas().TextHeight("W");
  const int tw = measure.Canvas().TextWidth(box->Caption());
  TBitmap shot = Shot(*box);  // the paint sizes it
  EXPECT_EQ(box->Height(), std::max(th + 2, 17) + 4);
  EXPECT_EQ(box->Width(), 15 + tw + 8);

  const int top = (box->Height() - 17) / 2;
  shot = Shot(*box);
  TBitmap unchecked = Frame(TsuiUIStyle::MacOS, entry::kCheckBox, 4, 2);
  ASSERT_EQ(unchecked.Width(), 15);
  EXPECT_TRUE(Shows(shot, unchecked, 1, top));
  box->SetChecked(true);
  box->SetEnabled(false);
  shot = Shot(*box);
  TBitmap checked_disabled = Frame(TsuiUIStyle::MacOS, entry::kCheckBox, 4, 3);
  EXPECT_TRUE(Shows(shot, checked_disabled, 1, top));
  bench.form->SetColor(0x123456);  // the parent's colour behind the caption
  shot = Shot(*box);
  EXPECT_EQ(shot.Canvas().Pixel(box->Width() - 1, 0), 0x123456u);
}

}  // namespace
}  // namespace kestrova::skin
