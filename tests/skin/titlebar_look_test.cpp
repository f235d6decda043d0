// What the title bar draws: sections, buttons and caption in each built-in
// style, on a plain form and on a skinned frame, and the file-theme layouts.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/capture.h"
#include "tests/skin/titlebar_bench.h"

namespace kestrova::skin {
namespace {

using namespace titlebar_testing;
using Align = TsuiTitleBarAlign;
using Type = TsuiTitleBarBtnType;

constexpr TColor kCaptionGreen = 0x00C000;
constexpr TColor kInactiveRed = 0x0000C0;

// The section row as the bar should show it: left and right pictures
// unscaled at the ends, the client picture stretched between them.
TBitmap ExpectedRow(TsuiUIStyle style, int width, int dx, int dy) {
  TBitmap left = Picture(style, entry::kTitleLeft);
  TBitmap client = Picture(style, entry::kTitleClient);
  TBitmap right = Picture(style, entry::kTitleRight);
  TBitmap row(width, left.Height());
  row.Canvas().Draw(dx, dy, left);
  row.Canvas().Draw(width - dx - right.Width(), dy, right);
  row.Canvas().StretchDraw(
      RECT{dx + left.Width(), dy, width - dx - right.Width(), dy + client.Height()}, client);
  return row;
}

TEST(TitleBarLook, SectionsOfEachStyleSpanTheBar) {
  for (TsuiUIStyle style : kBuiltInStyles) {
    SCOPED_TRACE(StyleName(style));
    Bench bench(style);
    bench.HideButtons();
    TBitmap left = Picture(style, entry::kTitleLeft);
    EXPECT_EQ(bench.bar->Height(), left.Height());
    EXPECT_EQ(bench.bar->Width(), bench.form->ClientWidth());
    TBitmap shot = Shot(*bench.bar);
    TBitmap expected = ExpectedRow(style, shot.Width(), 0, 0);
    EXPECT_TRUE(Shows(shot, expected, 0, 0));
    // The window-wide copy is the same row on a plain form.
    EXPECT_EQ(bench.bar->RegionImage().Width(), shot.Width());
    EXPECT_TRUE(Shows(bench.bar->RegionImage(), expected, 0, 0));
    EXPECT_TRUE(bench.bar->HasStandardSections());
    EXPECT_EQ(bench.bar->RoundCorner(), GetBuiltInInteger(style, entry::kRoundCorner));
    EXPECT_EQ(bench.form->Constraints().MinWidth(), GetBuiltInInteger(style, entry::kMinimumWidth));
  }
}

TEST(TitleBarLook, OnASkinnedFrameTheRowRunsUnderTheFrame) {
  for (int frame_width : {4, 0}) {
    SCOPED_TRACE(frame_width);
    Bench bench(TsuiUIStyle::DeepBlue, frame_width);
    bench.HideButtons();
    const int inset = frame_width == 0 ? 3 : frame_width;
    TBitmap left = Picture(TsuiUIStyle::DeepBlue, entry::kTitleLeft);
    EXPECT_EQ(bench.bar->Height(), left.Height() - 3);
    EXPECT_EQ(bench.bar->ButtonTop(), 2 - 3);
    TBitmap shot = Shot(*bench.bar);
    // Bar pixel (0, 0) is picture pixel (inset, 3).
    TBitmap row = ExpectedRow(TsuiUIStyle::DeepBlue, shot.Width() + 2 * inset, 0, 0);
    EXPECT_TRUE(Shows(shot, row, -inset, -3));
    TBitmap& region = *bench.bar->GetTitleImage(-1);
    EXPECT_EQ(region.Width(), shot.Width() + 2 * inset);
    EXPECT_EQ(region.Height(), shot.Height() + 3);
    EXPECT_TRUE(Shows(region, row, 0, 0));
    EXPECT_EQ(bench.frame->border_paints, 0);  // no caption section
  }
}

TEST(TitleBarLook, ButtonRowFromTheRightEndWithOffsetAndInterval) {
  for (TsuiUIStyle style : kBuiltInStyles) {
    SCOPED_TRACE(StyleName(style));
    Bench bench(style);
    bench.bar->SetButtonInterval(4);
    const int w = bench.bar->Width();
    TsuiTitleBarButton& close = bench.Button(Type::suiClose);
    const int bw = close.PicNormal().Width();
    // Close flush at the end (never past w - 1), then max and min further left.
    int x = std::min(w - bench.bar->RightBtnXOffset() - 1 - bw, w - bw - 1);
    const int top = bench.bar->ButtonTop();
    TBitmap shot = Shot(*bench.bar);
    const bool see_through = close.Transparent();
    EXPECT_TRUE(Shows(shot, close.PicNormal().Bitmap(), x, top, see_through)) << x;
    x -= bw + 4 + 1;
    EXPECT_TRUE(Shows(shot, bench.Button(Type::suiMax).PicNormal().Bitmap(), x, top, see_through));
    x -= bw + 4 + 1;
    EXPECT_TRUE(Shows(shot, bench.Button(Type::suiMin).PicNormal().Bitmap(), x, top, see_through));
  }
  // A row pushed far past the right edge: the close button is pulled back to
  // end before the last column, the others follow it.
  Bench bench(TsuiUIStyle::MacOS);
  bench.bar->SetRightBtnXOffset(-40);
  const int w = bench.bar->Width();
  TBitmap shot = Shot(*bench.bar);
  EXPECT_TRUE(Shows(shot, bench.Button(Type::suiClose).PicNormal().Bitmap(), w - 18, 4));
  EXPECT_TRUE(Shows(shot, bench.Button(Type::suiMax).PicNormal().Bitmap(), w - 36, 4));
  EXPECT_TRUE(Shows(shot, bench.Button(Type::suiMin).PicNormal().Bitmap(), w - 54, 4));
}

TEST(TitleBarLook, CaptionIsFittedBeforeTheButtonsAndGreysWhenInactive) {
  for (TsuiUIStyle style : kBuiltInStyles) {
    SCOPED_TRACE(StyleName(style));
    Bench bench(style);
    bench.bar->Font().SetColor(kCaptionGreen);
    bench.bar->SetCaption("Screensaver installer for Kestrova");
    TBitmap shot = Shot(*bench.bar);
    Columns text = ColumnsOf(shot, kCaptionGreen);
    ASSERT_GE(text.first, 21);  // after the 16 x 16 icon of the control box
    EXPECT_LT(text.first, 21 + 4);

    bench.bar->SetCaption(std::string(40, 'W') + " and more");
    shot = Shot(*bench.bar);
    text = ColumnsOf(shot, kCaptionGreen);
    const int min_left =
        std::min(bench.bar->Width() - bench.bar->RightBtnXOffset() - 1, bench.bar->Width() - 1) -
        3 * (bench.Button(Type::suiClose).PicNormal().Width() + 1) + 1;
    EXPECT_GT(text.last, 100);
    EXPECT_LT(text.last, min_left);  // never under the buttons

    bench.bar->SetInactiveCaptionColor(kInactiveRed);
    bench.bar->SetFormActive(false);
    shot = Shot(*bench.bar);
    EXPECT_EQ(ColumnsOf(shot, kCaptionGreen).first, -1);
    EXPECT_GE(ColumnsOf(shot, kInactiveRed).first, 21);

    bench.bar->SetCaption("");
    shot = Shot(*bench.bar);
    EXPECT_EQ(ColumnsOf(shot, kInactiveRed).first, -1);
  }
}

TEST(TitleBarLook, StyleSetsTheCaptionColourUnlessCustom) {
  Bench bench(TsuiUIStyle::MacOS);
  EXPECT_EQ(bench.bar->Font().Color(), 0x000000u);
  EXPECT_EQ(bench.bar->Font().Name(), "Tahoma");
  bench.bar->SetUIStyle(TsuiUIStyle::WinXP);
  EXPECT_EQ(bench.bar->Font().Color(), 0xFFFFFFu);
  EXPECT_EQ(bench.bar->LeftBtnXOffset(), 2);
  EXPECT_EQ(bench.bar->RoundCorner(), 13);

  // Custom: the style is stored, nothing else moves.
  bench.bar->SetCustom(true);
  bench.bar->Sections().Items(0)->SetWidth(77);
  bench.bar->SetUIStyle(TsuiUIStyle::MacOS);
  EXPECT_EQ(bench.bar->UIStyle(), TsuiUIStyle::MacOS);
  EXPECT_EQ(bench.bar->Font().Color(), 0xFFFFFFu);
  EXPECT_EQ(bench.bar->LeftBtnXOffset(), 2);
  EXPECT_EQ(bench.bar->Sections().Items(0)->Width(), 77);
  EXPECT_EQ(bench.bar->Height(), 29);

  // AutoSize False still takes the height from the first section.
  bench.bar->Sections().Items(0)->SetPicture(Filled(10, 40, 0));
  bench.bar->SetAutoSize(false);
  EXPECT_EQ(bench.bar->Height(), 40);
  bench.bar->Sections().Clear();
  bench.bar->SetAutoSize(true);
  EXPECT_FALSE(bench.bar->AutoSize());
}

TEST(TitleBarLook, ControlBoxPictureInsteadOfTheIcon) {
  Bench bench(TsuiUIStyle::MacOS);
  bench.bar->SetDrawAppIcon(false);
  bench.bar->Font().SetColor(kCaptionGreen);
  bench.bar->SetCaption("Title");
  TBitmap shot = Shot(*bench.bar);
  TsuiTitleBarButton& box = bench.Button(Type::suiControlBox);
  // IconX = 3 - 4 + 1 = 0; drawn one pixel above the button row.
  EXPECT_TRUE(Shows(shot, box.PicNormal().Bitmap(), 0, bench.bar->IconTop() - 1));
  Columns text = ColumnsOf(shot, kCaptionGreen);
  EXPECT_GE(text.first, 17 + 5);
  EXPECT_LT(text.first, 17 + 5 + 4);

  // Without a control box and no room on the left the caption starts at 6.
  bench.bar->Buttons().Delete(0);
  bench.bar->SetLeftBtnXOffset(0);
  shot = Shot(*bench.bar);
  text = ColumnsOf(shot, kCaptionGreen);
  EXPECT_GE(text.first, 6);
  EXPECT_LT(text.first, 6 + 4);
}

// A file theme with three or five title pictures of plain colours.
struct ThemeBench : Bench {
  testing::TTestFileTheme* theme;
  explicit ThemeBench(bool five, int frame_width = -1)
      : Bench(TsuiUIStyle::DeepBlue, frame_width), theme(new testing::TTestFileTheme(form.get())) {
    auto skin = std::make_unique<MemorySkin>();
    const TColor colors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00};
    const int widths[] = {20, 30, 25, 5, 15};
    for (int i = 0; i < 5; ++i)
      skin->pictures["SKIN2_TITLEBAR" + std::to_string(i + 1)] = Filled(widths[i], 26, colors[i]);
    skin->pictures["SKIN2_TITLEBUTTONS"] = Filled(18 * 16, 14, 0x808080);
    skin->flags["SKIN2_TITLEFIVESECT"] = five;
    skin->integers["SKIN2_TITLEBARBUTTONPOSX"] = 4;
    skin->integers["SKIN2_TITLEBARBUTTONPOSY"] = 6;
    skin->integers["SKIN2_TITLEBARICONPOSX"] = 8;
    skin->integers["SKIN2_TITLEBARCAPTIONTOP"] = 9;
    skin->integers["SKIN2_TITLEFONTCOLOR"] = 0x0080FF;
    skin->integers["SKIN2_FORMCOLOR"] = 0x445566;
    theme->SetSkin(std::move(skin));
    bar->SetFileTheme(theme);
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
  }
};

TEST(TitleBarTheme, ThreeSectionTitle) {
  ThemeBench bench(false);
  TsuiTitleBarSections& s = bench.bar->Sections();
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s.Items(1)->Align(), Align::suiClient);
  EXPECT_EQ(s.Items(2)->Align(), Align::suiRight);
  EXPECT_EQ(bench.bar->Height(), 26);
  EXPECT_EQ(bench.bar->Font().Color(), 0x0080FFu);
  EXPECT_EQ(bench.bar->ButtonTop(), 6);
  // 20 + max(25, 16 * 4 + 4)
  EXPECT_EQ(bench.form->Constraints().MinWidth(), 20 + 68);
  // Buttons come from the theme's strip.
  EXPECT_EQ(bench.Button(Type::suiClose).PicNormal().Width(), 16);
  EXPECT_EQ(bench.Button(Type::suiClose).Top(), 6);
  bench.HideButtons();
  TBitmap shot = Shot(*bench.bar);
  const int w = shot.Width();
  EXPECT_EQ(shot.Canvas().Pixel(0, 5), 0x0000FFu);
  EXPECT_EQ(shot.Canvas().Pixel(19, 5), 0x0000FFu);
  EXPECT_EQ(shot.Canvas().Pixel(20, 5), 0x00FF00u);  // the client picture, stretched
  EXPECT_EQ(shot.Canvas().Pixel(w - 26, 5), 0x00FF00u);
  EXPECT_EQ(shot.Canvas().Pixel(w - 25, 5), 0xFF0000u);
  EXPECT_EQ(shot.Canvas().Pixel(w - 1, 5), 0xFF0000u);

  // The theme going away leaves the bar in DeepBlue.
  bench.theme->Free();
  EXPECT_EQ(bench.bar->FileTheme(), nullptr);
  EXPECT_EQ(bench.bar->UIStyle(), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(bench.bar->Height(), 32);
}

TEST(TitleBarTheme, FiveSectionTitleFitsItsCaptionSection) {
  ThemeBench bench(true, 4);
  TsuiTitleBarSections& s = bench.bar->Sections();
  ASSERT_EQ(s.Count(), 5);
  EXPECT_TRUE(s.Items(1)->CapSec());
  EXPECT_EQ(s.Items(3)->Align(), Align::suiClient);
  EXPECT_EQ(s.Items(4)->Align(), Align::suiRight);
  EXPECT_TRUE(bench.bar->HasStandardSections());
  EXPECT_EQ(bench.bar->ButtonTop(), 6 - 3);
  // 20 + 25 + max(15, 16 * 4 + 4) + 16
  EXPECT_EQ(bench.form->Constraints().MinWidth(), 20 + 25 + 68 + 16);
  bench.bar->SetCaption("Title");
  const int before = bench.frame->border_paints;
  TBitmap shot = Shot(*bench.bar);
  EXPECT_EQ(bench.bar->CaptionSectionText(), "Title");
  EXPECT_GT(bench.frame->border_paints, before);
  // The caption section is as wide as the text plus its padding, and the
  // third section follows it; on the frame the row starts 4 pixels left.
  TBitmap probe(10, 10);
  probe.Canvas().SetFont(bench.bar->Font());
  const int text = probe.Canvas().TextWidth("Title");
  const int third = -4 + 20 + text + 8 - 20 + 17;
  EXPECT_EQ(shot.Canvas().Pixel(third - 1, 21), 0x00FF00u);  // below the caption text
  EXPECT_EQ(shot.Canvas().Pixel(third, 21), 0xFF0000u);
  EXPECT_EQ(shot.Canvas().Pixel(third + 25, 21), 0x00FFFFu);

  bench.bar->SetCaption(std::string(200, 'x'));
  Shot(*bench.bar);
  const std::string& fitted = bench.bar->CaptionSectionText();
  EXPECT_LT(fitted.size(), 200u);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
}

TEST(TitleBarShots, EveryStyle) {
  const std::filesystem::path dir = std::filesystem::path(KESTROVA_BINARY_DIR) / "screenshots";
  std::filesystem::create_directories(dir);
  for (TsuiUIStyle style : kBuiltInStyles) {
    Bench bench(style);
    bench.bar->SetCaption("Screensaver installer for Kestrova");
    bench.bar->SetButtonInterval(style == TsuiUIStyle::MacOS ? 2 : 0);
    TBitmap shot = Shot(*bench.bar);
    framework::SaveBitmapToPng(
        shot, (dir / (std::string("titlebar_") + StyleName(style) + ".png")).string());
  }
}

}  // namespace
}  // namespace kestrova::skin
