// The installer window built from its stored design, in the test program
// (which carries no payload, so the extraction fails as a stub's would).
#include "installer/frm_install.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/error.h"
#include "framework/application.h"
#include "framework/bitmap.h"
#include "framework/design_text.h"
#include "framework/screen.h"
#include "installer/payload.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"
#include "tests/testing/temp_dir.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova {
namespace {

using framework::TApplication;
using framework::TControl;
using framework::TWinControl;

// The window of a 410 x 274 dialog with a caption.
RECT DesignedWindow() {
  RECT r{0, 0, 410, 274};
  AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_SYSMENU, FALSE,
                     WS_EX_DLGMODALFRAME);
  return r;
}

struct Layout {
  TControl* control;
  int left, top, width, height;
};

class FrmInstallTest : public ::testing::Test {
 protected:
  FrmInstallTest() {
    app_.OnException = [this](framework::TComponent*, const std::exception& e) {
      errors_.push_back(e.what());
    };
    app_.Initialize();
    app_.CreateForm(form_);
  }
  ~FrmInstallTest() override { FrmInstall = nullptr; }

  bool Filtered(HWND target, UINT message) {
    MSG msg = {target, message, 0, 0, 0, {}};
    bool handled = false;
    app_.OnMessage(msg, handled);
    return handled;
  }

  TApplication app_;
  std::vector<std::string> errors_;
  TFrmInstall* form_ = nullptr;
};

TEST_F(FrmInstallTest, DesignGivesTheMembersTheirPlacesAndCaptions) {
  ASSERT_TRUE(form_->suiForm1 && form_->BtnInstall && form_->BtnCancel && form_->PreviewFlash &&
              form_->Label1 && form_->ChkDefaultScreensaver);
  EXPECT_EQ(form_->Caption(), "Screensaver installer for Kestrova");
  EXPECT_EQ(form_->BorderStyle(), framework::TFormBorderStyle::bsDialog);
  EXPECT_FALSE(form_->Scaled());
  EXPECT_EQ(form_->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form_->Font().Height(), -11);

  // The form's stored place and limits (the place is overridden by the
  // centring when it is shown), then every control's. The window keeps the
  // size of a 410 x 274 dialog with a caption; the skinned frame that
  // replaces the caption leaves it a client area 5 pixels shorter than it.
  const RECT designed = DesignedWindow();
  EXPECT_EQ(form_->Width(), designed.right - designed.left);
  EXPECT_EQ(form_->Height(), designed.bottom - designed.top);
  EXPECT_EQ(form_->ClientWidth(), 410);
  EXPECT_EQ(form_->ClientHeight(), form_->Height() - 5);
  EXPECT_EQ(form_->Constraints().MinWidth(), 130);
  EXPECT_EQ(form_->Constraints().MinHeight(), 23);
  // The label sizes itself to its caption in the font it gets (the stored
  // 330 x 13 is its size in MS Sans Serif), inside the window.
  EXPECT_EQ(form_->Label1->Left(), 16);
  EXPECT_EQ(form_->Label1->Top(), 27);
  EXPECT_TRUE(form_->Label1->AutoSize());
  EXPECT_LE(form_->Label1->Left() + form_->Label1->Width(), 410 - 16);
  EXPECT_NEAR(form_->Label1->Height(), 13, 2);
  const Layout layout[] = {{form_->suiForm1, 0, 0, 410, form_->ClientHeight()},
                           {form_->PreviewFlash, 8, 48, 393, 169},
                           {form_->ChkDefaultScreensaver, 16, 224, 149, 21},
                           {form_->BtnInstall, 224, 240, 80, 27},
                           {form_->BtnCancel, 320, 240, 80, 27}};
  for (const Layout& l : layout) {
    SCOPED_TRACE(l.control->Name());
    EXPECT_EQ(l.control->Left(), l.left);
    EXPECT_EQ(l.control->Top(), l.top);
    EXPECT_EQ(l.control->Width(), l.width);
    EXPECT_EQ(l.control->Height(), l.height);
  }
  const TControl* children[] = {form_->BtnInstall, form_->BtnCancel, form_->PreviewFlash,
                                form_->Label1, form_->ChkDefaultScreensaver};
  for (const TControl* c : children) EXPECT_EQ(c->Parent(), form_->suiForm1) << c->Name();

  EXPECT_EQ(form_->Label1->Caption(),
            "This will install the screensaver previewed as below on your computer:");
  EXPECT_EQ(form_->BtnInstall->Caption(), "Install");
  EXPECT_EQ(form_->BtnCancel->Caption(), "Cancel");
  EXPECT_EQ(form_->ChkDefaultScreensaver->Caption(), "Set as default screensaver");
  EXPECT_FALSE(form_->ChkDefaultScreensaver->Checked());
  EXPECT_TRUE(form_->ChkDefaultScreensaver->TabStop());
}

// The window's stored design, as compiled into the program.
framework::DesignObject StoredDesign() {
  HRSRC res = FindResourceA(nullptr, "TFRMINSTALL", RT_RCDATA);
  if (!res) return {};
  const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, res)));
  return framework::ParseDesign(std::string_view(text, SizeofResource(nullptr, res)));
}

// The integer properties `names` of `object`, in that order; -1 for those
// it does not store.
std::vector<int64_t> Stored(const framework::DesignObject& object,
                            const std::vector<std::string>& names) {
  std::vector<int64_t> values;
  for (const std::string& name : names) {
    auto it = std::find_if(object.properties.begin(), object.properties.end(),
                           [&](const framework::DesignProperty& p) { return p.name == name; });
    values.push_back(it == object.properties.end() ? -1 : it->value.integer);
  }
  return values;
}

TEST_F(FrmInstallTest, TheStoredDesignHoldsEveryPlaceSizeAndTabOrder) {
  const framework::DesignObject form = StoredDesign();
  ASSERT_EQ(form.name, "FrmInstall");
  EXPECT_EQ(Stored(form, {"Left", "Top", "ClientWidth", "ClientHeight", "Constraints.MinWidth",
                          "Constraints.MinHeight", "PixelsPerInch"}),
            (std::vector<int64_t>{309, 133, 410, 274, 130, 23, 96}));
  ASSERT_EQ(form.children.size(), 1u);
  const framework::DesignObject& frame = form.children[0];
  EXPECT_EQ(frame.name, "suiForm1");
  const std::vector<std::string> place = {"Left", "Top", "Width", "Height", "TabOrder"};
  EXPECT_EQ(Stored(frame, place), (std::vector<int64_t>{0, 0, 410, 274, 0}));
  const std::vector<std::pair<std::string, std::vector<int64_t>>> controls = {
      {"BtnInstall", {224, 240, 80, 27, 1}},
      {"BtnCancel", {320, 240, 80, 27, 2}},
      {"PreviewFlash", {8, 48, 393, 169, 3}},
      {"Label1", {16, 27, 330, 13, -1}},
      {"ChkDefaultScreensaver", {16, 224, 149, 21, 4}}};
  ASSERT_EQ(frame.children.size(), controls.size());
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(frame.children[i].name, controls[i].first);
    EXPECT_EQ(Stored(frame.children[i], place), controls[i].second) << controls[i].first;
  }
}

// Tab order 1 to 4 is Install, Cancel, the preview, the check box, and the
// label has none; the Tab key walks the tab stops among them in that order.
TEST_F(FrmInstallTest, TabOrderIsExactlyInstallCancelPreviewCheckBox) {
  std::vector<TWinControl*> order;
  form_->GetTabOrderList(order);
  // The frame's title bar comes after the controls and is no tab stop.
  const std::vector<TWinControl*> expected = {
      form_->suiForm1,
      form_->BtnInstall,
      form_->BtnCancel,
      form_->PreviewFlash,
      form_->ChkDefaultScreensaver,
      static_cast<TWinControl*>(form_->suiForm1->TitleBar())};
  EXPECT_EQ(order, expected);
  for (int i = 1; i < 5; ++i) EXPECT_EQ(expected[size_t(i)]->TabOrder(), i - 1);
  EXPECT_FALSE(expected[5]->TabStop());

  form_->Show();
  form_->BtnInstall->SetFocus();
  std::vector<TWinControl*> walked;
  for (int i = 0; i < 4; ++i) {
    form_->Perform(framework::CM_DIALOGKEY, VK_TAB, 0);
    walked.push_back(form_->ActiveControl());
  }
  // The preview takes no keys, so it is no tab stop.
  EXPECT_EQ(walked, (std::vector<TWinControl*>{form_->BtnCancel, form_->ChkDefaultScreensaver,
                                               form_->BtnInstall, form_->BtnCancel}));
}

// The buttons and the check box are the skinned ones, in the MacOS look,
// and the program carries every built-in style's pictures.
TEST_F(FrmInstallTest, ButtonsAndCheckBoxAreSkinnedWithTheirSettings) {
  for (skin::TsuiButton* b : {form_->BtnInstall, form_->BtnCancel}) {
    SCOPED_TRACE(b->Name());
    EXPECT_EQ(b->UIStyle(), skin::TsuiUIStyle::MacOS);
    EXPECT_TRUE(b->Transparent());
    EXPECT_FALSE(b->AutoSize());
    EXPECT_FALSE(b->ParentFont());
    EXPECT_EQ(b->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(b->Font().Height(), -11);
    EXPECT_EQ(b->Font().Color(), 0u);
    EXPECT_EQ(b->ModalResult(), 0);
    EXPECT_EQ(b->FocusedRectMargin(), 2);
    EXPECT_EQ(b->Layout(), skin::TButtonLayout::blGlyphLeft);
    EXPECT_EQ(b->Spacing(), 4);
    EXPECT_EQ(b->MouseContinuouslyDownInterval(), 100);
    EXPECT_TRUE(b->Glyph().Empty());
  }
  skin::TsuiCheckBox* box = form_->ChkDefaultScreensaver;
  EXPECT_EQ(box->UIStyle(), skin::TsuiUIStyle::MacOS);
  EXPECT_TRUE(box->AutoSize());
  EXPECT_FALSE(box->Transparent());
  EXPECT_TRUE(box->ParentFont());

  for (auto style :
       {skin::TsuiUIStyle::MacOS, skin::TsuiUIStyle::WinXP, skin::TsuiUIStyle::DeepBlue,
        skin::TsuiUIStyle::Protein, skin::TsuiUIStyle::BlueGlass}) {
    for (int entry : {skin::entry::kButton, skin::entry::kCheckBox}) {
      framework::TBitmap picture;
      EXPECT_NO_THROW(skin::GetBuiltInBitmap(style, entry, &picture, 0, 0));
      EXPECT_FALSE(picture.Empty()) << int(style) << " " << entry;
    }
  }

  // A click on Cancel goes through the skinned button's release rule.
  form_->Show();
  form_->BtnCancel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_TRUE(form_->Visible());
  form_->BtnCancel->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_FALSE(form_->Visible());
}

// The program's own icon: one image, 32 x 32 in 16 colours.
TEST_F(FrmInstallTest, TheIconIsOne32By32ImageIn16Colours) {
#pragma pack(push, 2)
  struct GroupEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
  };
#pragma pack(pop)
  HRSRC group = FindResourceA(nullptr, "MAINICON", RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
  ASSERT_EQ(reinterpret_cast<const WORD*>(dir)[2], 1u);  // images in the group
  GroupEntry entry;
  memcpy(&entry, dir + 6, sizeof entry);
  EXPECT_EQ(entry.width, 32);
  EXPECT_EQ(entry.height, 32);
  EXPECT_EQ(entry.colors, 16);
  HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(entry.id), RT_ICON);
  ASSERT_NE(image, nullptr);
  BITMAPINFOHEADER header;
  memcpy(&header, LockResource(LoadResource(nullptr, image)), sizeof header);
  EXPECT_EQ(header.biWidth, 32);
  EXPECT_EQ(header.biHeight, 64);  // colour and mask rows
  EXPECT_EQ(header.biBitCount, 4);
  EXPECT_EQ(form_->Icon().Width(), 32);
  EXPECT_EQ(form_->Icon().Height(), 32);
}

// Replaces the UTF-16 text `from` of a stored state by `to`, of the same length.
void ReplaceSetting(std::vector<uint8_t>& state, const std::string& from, const std::string& to) {
  auto wide = [](const std::string& text) {
    std::vector<uint8_t> out;
    for (char c : text) out.insert(out.end(), {uint8_t(c), 0});
    return out;
  };
  const std::vector<uint8_t> a = wide(from), b = wide(to);
  auto at = std::search(state.begin(), state.end(), a.begin(), a.end());
  ASSERT_NE(at, state.end()) << from;
  std::copy(b.begin(), b.end(), at);
}

TEST_F(FrmInstallTest, PreviewGetsItsStoredInitialStateUnchanged) {
  const std::vector<uint8_t> state = form_->PreviewFlash->ControlData();
  ASSERT_EQ(state.size(), 300u);
  EXPECT_EQ(std::string(state.begin(), state.begin() + 4), "KSF1");
  EXPECT_EQ(form_->PreviewFlash->WindowMode(), movie::TFlashWindowMode::Window);
  EXPECT_EQ(form_->PreviewFlash->Quality(), movie::TFlashQuality::High);
  EXPECT_EQ(form_->PreviewFlash->ScaleMode(), movie::TFlashScaleMode::ShowAll);
  EXPECT_EQ(form_->PreviewFlash->Movie(), "");

  // The three settings are read from the block: a changed block changes them.
  std::vector<uint8_t> changed = state;
  ReplaceSetting(changed, "WMode=Window", "WMode=Opaque");
  ReplaceSetting(changed, "Quality=High", "Quality=Best");
  ReplaceSetting(changed, "Scale=ShowAll", "Scale=NoScale");
  form_->PreviewFlash->SetControlData(changed);
  EXPECT_EQ(form_->PreviewFlash->WindowMode(), movie::TFlashWindowMode::Opaque);
  EXPECT_EQ(form_->PreviewFlash->Quality(), movie::TFlashQuality::Best);
  EXPECT_EQ(form_->PreviewFlash->ScaleMode(), movie::TFlashScaleMode::NoScale);
}

TEST_F(FrmInstallTest, FailedExtractionIsReportedAndLeavesThePreviewEmpty) {
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_NE(errors_[0].find("carries no screensaver"), std::string::npos) << errors_[0];
  EXPECT_EQ(form_->PreviewFlash->Movie(), "");
  EXPECT_FALSE(form_->PreviewFlash->Playing());

  form_->Show();
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(form_->ClientWidth(), 410);
  EXPECT_EQ(form_->ClientHeight(), form_->Height() - 5);
  RECT desk = framework::TScreen::DesktopRect();
  EXPECT_NEAR(form_->Left() + form_->Width() / 2, (desk.left + desk.right) / 2, 1);
  EXPECT_NEAR(form_->Top() + form_->Height() / 2, (desk.top + desk.bottom) / 2, 1);
}

TEST_F(FrmInstallTest, OnlyRightButtonPressesOnThePreviewAreDropped) {
  ASSERT_TRUE(app_.OnMessage);  // FormCreate installed the filter before it failed
  HWND preview = form_->PreviewFlash->Handle();
  EXPECT_TRUE(Filtered(preview, WM_RBUTTONDOWN));
  EXPECT_FALSE(Filtered(preview, WM_RBUTTONUP));
  EXPECT_FALSE(Filtered(preview, WM_RBUTTONDBLCLK));
  EXPECT_FALSE(Filtered(preview, WM_LBUTTONDOWN));
  EXPECT_FALSE(Filtered(form_->BtnInstall->Handle(), WM_RBUTTONDOWN));
  EXPECT_FALSE(Filtered(form_->suiForm1->Handle(), WM_RBUTTONDOWN));
  EXPECT_FALSE(Filtered(form_->Handle(), WM_RBUTTONDOWN));
}

void PumpFor(int milliseconds) {
  DWORD end = GetTickCount() + DWORD(milliseconds);
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

// The preview's picture, as the control draws it now.
std::vector<Pixel> PreviewPicture(movie::TShockwaveFlash& preview) {
  framework::TBitmap picture;
  preview.PaintTo(picture);
  const PixelView pixels = picture.Pixels();
  std::vector<Pixel> out;
  for (int y = 0; y < pixels.height; ++y)
    out.insert(out.end(), pixels.Row(y), pixels.Row(y) + pixels.width);
  return out;
}

// The tween moves a square over 24 frames at 24 frames a second.
TEST_F(FrmInstallTest, PreviewShowsAndAdvancesTheMovieItIsGiven) {
  testing::TempDir dir;
  std::string movie = dir.File("swf1.tmp");
  testing::WriteFile(movie, mkswf::FindMovieKind("tween")->build(true));
  form_->Show();
  form_->PreviewFlash->SetMovie(movie);
  form_->PreviewFlash->Play();
  const uint32_t first = form_->PreviewFlash->CurrentFrame();
  const std::vector<Pixel> before = PreviewPicture(*form_->PreviewFlash);
  PumpFor(300);
  EXPECT_TRUE(form_->PreviewFlash->Playing());
  const uint32_t later = form_->PreviewFlash->CurrentFrame();
  EXPECT_GE(later, first + 3) << "from frame " << first;
  EXPECT_LT(later, 24u);
  EXPECT_NE(PreviewPicture(*form_->PreviewFlash), before);
}

// An installer whose screensaver carries the given bytes at its end: no
// movie trailer, or one around a movie that does not load.
std::string PackedInstaller(const testing::TempDir& dir, const testing::Bytes& screensaverEnd) {
  const testing::Bytes screensaver = testing::Concat({testing::Text("MZ saver"), screensaverEnd});
  testing::Bytes name = testing::Text("Silent.scr");
  name.resize(255, 0);
  const std::string path = dir.File("setup.exe");
  testing::WriteFile(path, testing::Concat({testing::Text("MZ stub"),
                                            screensaver,
                                            testing::Int32(int32_t(screensaver.size()) + 4),
                                            name,
                                            {0}}));
  return path;
}

TEST_F(FrmInstallTest, MissingOrUnreadableMoviePreviewsEmptyWithoutAnError) {
  testing::TempDir dir;
  const testing::Bytes garbage = testing::Text("not a movie");
  const testing::Bytes ends[] = {
      {},                                                                            // no trailer
      testing::Concat({testing::Int32(5000), {0}}),                                  // damaged
      testing::Concat({garbage, testing::Int32(int32_t(garbage.size()) + 4), {0}}),  // bad movie
  };
  form_->Show();
  for (const testing::Bytes& end : ends) {
    EXPECT_NO_THROW(form_->ExtractAndPreview(PackedInstaller(dir, end)));
    EXPECT_EQ(form_->PreviewFlash->Movie(), SwfTempFile);
    EXPECT_FALSE(form_->PreviewFlash->Playing());
    framework::TBitmap picture;
    form_->PreviewFlash->PaintTo(picture);
    EXPECT_EQ(PixelToColor(picture.Pixels().At(picture.Width() / 2, picture.Height() / 2)),
              0x00FFFFFFu);  // the preview's own white
  }
  EXPECT_EQ(ScreensaverFileName, "Silent.scr");
  EXPECT_EQ(errors_.size(), 1u);  // only the test program's own missing payload
}

TEST_F(FrmInstallTest, CancelClosesTheWindowAndEndsTheProgram) {
  form_->Show();
  form_->BtnCancel->Click();
  EXPECT_TRUE(app_.Terminated());
}

}  // namespace
}  // namespace kestrova
