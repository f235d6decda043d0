// File themes loading real skin files: the sample skins, damaged copies of
// them, the folders a bare name is looked up in, and what the skinned
// components on the form show afterwards.
#include "skin/filetheme.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/os_services.h"
#include "framework/class_registry.h"
#include "framework/form.h"
#include "framework/program_file.h"
#include "framework/stored_design.h"
#include "skin/buttons.h"
#include "skin/filetheme/theme_file_search.h"
#include "skin/styles.h"
#include "tests/skin/skin_stand_ins.h"
#include "tests/testing/temp_dir.h"
#include "tests/testing/window_pump.h"

namespace kestrova::skin {
namespace {

using framework::OwnedComponent;
using framework::TBitmap;
using framework::TColor;
using framework::TForm;
using kestrova::skin::testing::FrameCountingForm;
using kestrova::testing::ReadFile;
using kestrova::testing::TempDir;
using kestrova::testing::WriteFile;

const std::string kSamples = KESTROVA_SOURCE_DIR "/tests/data/skins/";
constexpr TsuiFileThemeColor kFormColor{2};           // SKIN2_FORMCOLOR
constexpr TsuiFileThemeColor kButtonFontColor{24};    // SKIN2_BUTTONFONTCOLOR
constexpr int32_t kBlueFormColor = 15986916;          // blue/skin.txt
constexpr int32_t kRoundedFormColor = 16118004;       // rounded/skin.txt
constexpr int32_t kRoundedButtonFontColor = 7875131;  // rounded/skin.txt

std::string Sample(const std::string& name) { return kSamples + name; }

// The pixel in the middle of what the control paints.
TColor Middle(framework::TControl& control) {
  TBitmap out(control.Width(), control.Height());
  control.PaintTo(out);
  return out.Canvas().Pixel(control.Width() / 2, control.Height() / 2);
}

// The middle pixel of a button frame as a button of its size shows it.
TColor MiddleOfFrame(const TBitmap& frame) {
  TBitmap copy(frame);
  return copy.Canvas().Pixel(frame.Width() / 2, frame.Height() / 2);
}

// A shown form with a theme, a skinned button and a skinned check box that
// use it, and a DeepBlue button that shows the fallback look.
struct ThemedForm {
  OwnedComponent<TForm> form{new TForm(nullptr)};
  TsuiFileTheme* theme = new TsuiFileTheme(form.get());
  TsuiButton* button = new TsuiButton(form.get());
  TsuiCheckBox* box = new TsuiCheckBox(form.get());
  TsuiButton* fallback = new TsuiButton(form.get());

  ThemedForm() {
    form->SetBounds(40, 40, 320, 160);
    for (framework::TControl* c : std::vector<framework::TControl*>{button, box, fallback})
      c->SetParent(form.get());
    button->SetBounds(10, 10, 80, 25);
    box->SetBounds(10, 50, 120, 21);
    box->SetCaption("Box");
    fallback->SetBounds(10, 90, 80, 25);
    fallback->SetUIStyle(TsuiUIStyle::DeepBlue);
    button->SetUIStyle(TsuiUIStyle::FromThemeFile);
    box->SetUIStyle(TsuiUIStyle::FromThemeFile);
    button->SetFileTheme(theme);
    box->SetFileTheme(theme);
    form->Show();
  }

  // The button shows frame 1 of the skin's button strip, in its colours.
  ::testing::AssertionResult ShowsSkin(int32_t fontColor) {
    TBitmap frame;
    theme->GetBitmapFrame(TsuiFileThemeBitmap{15}, frame, 3, 1);  // SKIN2_BUTTON
    if (frame.Empty()) return ::testing::AssertionFailure() << "no button picture";
    if (Middle(*button) != MiddleOfFrame(frame))
      return ::testing::AssertionFailure() << "button is not drawn from the skin";
    if (button->Font().Color() != TColor(fontColor))
      return ::testing::AssertionFailure() << "caption colour " << button->Font().Color();
    return ::testing::AssertionSuccess();
  }
  // Button and check box look exactly as with DeepBlue.
  ::testing::AssertionResult ShowsFallback() {
    if (Middle(*button) != Middle(*fallback))
      return ::testing::AssertionFailure() << "button is not DeepBlue";
    if (button->Font().Color() != fallback->Font().Color() ||
        button->Transparent() != fallback->Transparent())
      return ::testing::AssertionFailure() << "button keeps the skin's settings";
    OwnedComponent<TsuiCheckBox> reference{new TsuiCheckBox(nullptr)};
    reference->SetParent(form.get());
    reference->SetBounds(box->Left(), box->Top(), box->Width(), box->Height());
    reference->SetCaption("Box");
    reference->SetUIStyle(TsuiUIStyle::DeepBlue);
    TBitmap a(box->Width(), box->Height()), b(box->Width(), box->Height());
    box->PaintTo(a);
    reference->PaintTo(b);
    for (int x = 0; x < 16; ++x)
      if (a.Canvas().Pixel(x, box->Height() / 2) != b.Canvas().Pixel(x, box->Height() / 2))
        return ::testing::AssertionFailure() << "check box differs at " << x;
    return ::testing::AssertionSuccess();
  }
};

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32770") *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

// No window of the thread is a dialog (a message box would be one).
bool NoDialogShown() {
  bool dialog = false;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  return !dialog;
}

TEST(FileThemeLoad, SampleSkinReachesEveryComponentAndPasswordReloads) {
  ThemedForm f;
  EXPECT_FALSE(f.theme->Ready());
  EXPECT_TRUE(f.ShowsFallback());

  f.theme->SetThemeFile(Sample("rounded.skn"));
  ASSERT_TRUE(f.theme->Ready());
  EXPECT_EQ(f.theme->ThemeFile(), Sample("rounded.skn"));
  EXPECT_EQ(f.theme->GetColor(kFormColor), kRoundedFormColor);
  EXPECT_EQ(f.theme->GetColor(TsuiFileThemeColor{31}), -1);  // not in the skin
  EXPECT_TRUE(f.theme->GetBool(TsuiFileThemeBool{0}));       // five sections
  EXPECT_TRUE(f.ShowsSkin(kRoundedButtonFontColor));
  EXPECT_TRUE(f.button->Transparent());  // SKIN2_BUTTONTRANS
  framework::SetOrdProperty(*f.theme, "Ready", 0);
  EXPECT_TRUE(f.theme->Ready());

  // The same path now holds another skin: a non-empty password reloads it,
  // an empty one does not.
  TempDir dir;
  const std::string path = dir.File("current.skn");
  WriteFile(path, ReadFile(Sample("rounded.skn")));
  f.theme->SetThemeFile(path);
  WriteFile(path, ReadFile(Sample("blue.skn")));
  f.theme->SetPassword("");
  EXPECT_EQ(f.theme->GetColor(kFormColor), kRoundedFormColor);
  f.theme->SetPassword("unused");
  EXPECT_EQ(f.theme->GetColor(kFormColor), kBlueFormColor);
  EXPECT_TRUE(f.ShowsSkin(f.theme->GetColor(kButtonFontColor)));
}

TEST(FileThemeLoad, LockedSkinWaitsForItsPassword) {
  ThemedForm f;
  f.theme->SetThemeFile(Sample("rounded-locked.skn"));
  EXPECT_FALSE(f.theme->Ready());
  EXPECT_EQ(f.theme->ThemeFile(), Sample("rounded-locked.skn"));
  EXPECT_TRUE(f.ShowsFallback());
  f.theme->SetPassword("wrong");
  EXPECT_FALSE(f.theme->Ready());
  EXPECT_TRUE(f.ShowsFallback());
  f.theme->SetPassword("kestrova");
  ASSERT_TRUE(f.theme->Ready());
  EXPECT_TRUE(f.ShowsSkin(kRoundedButtonFontColor));
  EXPECT_TRUE(NoDialogShown());

  // A design sets the file first, then the password.
  RegisterFileThemeClasses();
  RegisterButtonClasses();
  OwnedComponent<TForm> form{new TForm(nullptr)};
  const std::string design = "object F: TForm\n  object Theme: TsuiFileTheme\n    ThemeFile = '" +
                             Sample("rounded-locked.skn") +
                             "'\n    Password = 'kestrova'\n  end\n"
                             "  object B: TsuiButton\n    FileTheme = Theme\n"
                             "    UIStyle = FromThemeFile\n  end\nend\n";
  framework::ReadDesign(*form, design, "themed");
  auto* theme = dynamic_cast<TsuiFileTheme*>(form->FindComponent("Theme"));
  auto* button = dynamic_cast<TsuiButton*>(form->FindComponent("B"));
  ASSERT_TRUE(theme && button);
  EXPECT_TRUE(theme->Ready());
  EXPECT_EQ(button->FileTheme(), theme);
  EXPECT_EQ(button->Font().Color(), TColor(kRoundedButtonFontColor));
}

// Damaged copies of a sample skin: each loads quietly into no skin.
std::vector<std::pair<std::string, kestrova::testing::Bytes>> DamagedSkins() {
  const kestrova::testing::Bytes good = ReadFile(Sample("blue.skn"));
  std::vector<std::pair<std::string, kestrova::testing::Bytes>> out;
  out.emplace_back("empty", kestrova::testing::Bytes{});
  out.emplace_back("cut short",
                   kestrova::testing::Bytes(good.begin(), good.begin() + good.size() / 2));
  kestrova::testing::Bytes zip = good;
  zip[0] = 'P';
  out.emplace_back("PK mark", zip);
  kestrova::testing::Bytes garbled = good;
  for (size_t i = 60; i < garbled.size() - 200; i += 7) garbled[i] ^= 0x5A;
  out.emplace_back("garbled member", garbled);
  out.emplace_back("damaged sample", ReadFile(Sample("damaged.skn")));
  return out;
}

TEST(FileThemeLoad, DamagedSkinLeavesEveryComponentInItsFallbackLookSilently) {
  TempDir dir;
  for (const auto& [what, bytes] : DamagedSkins()) {
    ThemedForm f;
    const std::string path = dir.File("bad.skn");
    WriteFile(path, bytes);
    f.theme->SetThemeFile(path);
    EXPECT_FALSE(f.theme->Ready()) << what;
    EXPECT_EQ(f.theme->ThemeFile(), path) << what;
    EXPECT_TRUE(f.ShowsFallback()) << what;

    // Replacing a loaded skin: the old one is gone and so is its look.
    f.theme->SetThemeFile(Sample("rounded.skn"));
    ASSERT_TRUE(f.ShowsSkin(kRoundedButtonFontColor)) << what;
    f.theme->SetThemeFile(path);
    EXPECT_FALSE(f.theme->Ready()) << what;
    EXPECT_EQ(f.theme->GetBitmap(TsuiFileThemeBitmap{15}), nullptr) << what;
    EXPECT_EQ(f.theme->GetColor(kFormColor), 0) << what;
    EXPECT_TRUE(f.ShowsFallback()) << what;
  }
  EXPECT_TRUE(NoDialogShown());
}

// Copies a sample into `folder` under `name` and removes it at the end.
class PlacedFile {
 public:
  PlacedFile(const std::string& folder, const std::string& name, const std::string& sample)
      : path_(WithTrailingSeparator(folder) + name) {
    WriteFile(path_, ReadFile(Sample(sample)));
  }
  ~PlacedFile() { os::RemoveFile(path_); }
  PlacedFile(const PlacedFile&) = delete;
  PlacedFile& operator=(const PlacedFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Runs in another current directory, so that a bare name is not found as
// given when the program's folder is the current one.
class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::string& directory) {
    char old[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, old);
    old_ = old;
    SetCurrentDirectoryA(directory.c_str());
  }
  ~ScopedCurrentDirectory() { SetCurrentDirectoryA(old_.c_str()); }
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

 private:
  std::string old_;
};

std::string Folder(UINT(WINAPI* query)(LPSTR, UINT)) {
  char buffer[MAX_PATH] = {};
  return std::string(buffer, query(buffer, MAX_PATH));
}

TEST(FileThemeSearch, BareNameIsLookedForBesideTheProgramThenInWindowsThenSystem) {
  const std::string program = framework::ProgramFileName();
  const std::string programFolder =
      program.substr(0, program.size() - FileNamePart(program).size());
  const std::string name = "kestrova-search-" + std::to_string(GetCurrentProcessId()) + ".skn";
  OwnedComponent<TsuiFileTheme> theme{new TsuiFileTheme(nullptr)};
  TempDir elsewhere;
  ScopedCurrentDirectory cd(elsewhere.Path());

  PlacedFile inSystem(Folder(GetSystemDirectoryA), name, "blue.skn");
  theme->SetThemeFile(name);
  EXPECT_EQ(theme->ThemeFile(), inSystem.Path());
  EXPECT_EQ(theme->GetColor(kFormColor), kBlueFormColor);

  PlacedFile inWindows(Folder(GetWindowsDirectoryA), name, "rounded.skn");
  theme->SetThemeFile("no-such-folder\\" + name);  // only the name part is looked for
  EXPECT_EQ(theme->ThemeFile(), inWindows.Path());
  EXPECT_EQ(theme->GetColor(kFormColor), kRoundedFormColor);

  PlacedFile besideProgram(programFolder, name, "blue.skn");
  theme->SetThemeFile(name);
  EXPECT_EQ(theme->ThemeFile(), besideProgram.Path());
  EXPECT_EQ(theme->GetColor(kFormColor), kBlueFormColor);

  // Found nowhere: nothing changes, not even a loaded skin.
  theme->SetThemeFile("kestrova-nowhere.skn");
  EXPECT_EQ(theme->ThemeFile(), besideProgram.Path());
  EXPECT_TRUE(theme->Ready());
  EXPECT_EQ(theme->GetColor(kFormColor), kBlueFormColor);
}

// Components that count how often their FileTheme is set: a skinned form
// frame by its class name, and a look-alike whose class is no "Tsui" one.
class TThemeUser : public framework::TComponent {
  KESTROVA_CLASS(TThemeUser)

 public:
  using TComponent::TComponent;
  TsuiFileTheme* FileTheme() const { return theme_; }
  void SetFileTheme(TsuiFileTheme* theme) {
    theme_ = theme;
    ++sets;
  }
  int sets = 0;

 private:
  TsuiFileTheme* theme_ = nullptr;
};

class TsuiForm : public TThemeUser {
  KESTROVA_CLASS(TsuiForm)

 public:
  using TThemeUser::TThemeUser;
};

class TOtherSkinned : public TThemeUser {
  KESTROVA_CLASS(TOtherSkinned)

 public:
  using TThemeUser::TThemeUser;
};

const framework::ClassInfo& TThemeUser::StaticClass() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TThemeUser>("TThemeUser", &TComponent::StaticClass())
          .Component<TsuiFileTheme>("FileTheme", &TThemeUser::FileTheme, &TThemeUser::SetFileTheme)
          .Build();
  return info;
}

const framework::ClassInfo& TsuiForm::StaticClass() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TsuiForm>("TsuiForm", &TThemeUser::StaticClass()).Build();
  return info;
}

const framework::ClassInfo& TOtherSkinned::StaticClass() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TOtherSkinned>("TOtherSkinned", &TThemeUser::StaticClass()).Build();
  return info;
}

TEST(FileThemeRefresh, ReloadReachesTsuiUsersOnItsFormAndRecomputesTheFrame) {
  OwnedComponent<FrameCountingForm> form{new FrameCountingForm(nullptr)};
  OwnedComponent<TForm> other{new TForm(nullptr)};
  auto* theme = new TsuiFileTheme(form.get());
  auto* frame = new TsuiForm(form.get());
  auto* lookAlike = new TOtherSkinned(form.get());
  auto* elsewhere = new TsuiForm(other.get());
  for (TThemeUser* user : std::vector<TThemeUser*>{frame, lookAlike, elsewhere})
    user->SetFileTheme(theme);
  form->Show();
  kestrova::testing::PumpFor(20);
  const int sets = frame->sets;

  theme->SetThemeFile(Sample("blue.skn"));  // the first load leaves the frame alone
  EXPECT_EQ(frame->sets, sets + 2);
  EXPECT_EQ(frame->FileTheme(), theme);
  EXPECT_EQ(lookAlike->sets, 1);
  EXPECT_EQ(elsewhere->sets, 1);
  form->frames = 0;
  theme->SetThemeFile(Sample("rounded.skn"));
  EXPECT_EQ(frame->sets, sets + 4);
  EXPECT_GE(form->frames, 1);

  frame->SetFileTheme(nullptr);  // no skinned frame uses it: no frame change
  form->frames = 0;
  theme->SetThemeFile(Sample("blue.skn"));
  EXPECT_EQ(form->frames, 0);
  elsewhere->SetFileTheme(nullptr);
}

}  // namespace
}  // namespace kestrova::skin
