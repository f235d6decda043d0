// A file theme reloading under a real skinned form frame: the frame takes
// the new skin and the form's window recomputes its frame.
#include <gtest/gtest.h>

#include <string>

#include "framework/form.h"
#include "skin/filetheme.h"
#include "skin/form/form.h"
#include "tests/skin/skin_stand_ins.h"
#include "tests/testing/window_pump.h"

namespace kestrova::skin {
namespace {

using framework::OwnedComponent;
using framework::TForm;
using kestrova::skin::testing::FrameCountingForm;

const std::string kSamples = KESTROVA_SOURCE_DIR "/tests/data/skins/";

TEST(FileThemeOnSkinnedForm, ReloadKeepsTheFrameOnTheThemeAndRecomputesTheWindowFrame) {
  OwnedComponent<FrameCountingForm> form{new FrameCountingForm(nullptr)};
  form->SetBounds(60, 60, 320, 220);
  auto* theme = new TsuiFileTheme(form.get());
  auto* frame = new TsuiForm(form.get());
  frame->SetParent(form.get());
  frame->SetFileTheme(theme);
  frame->SetUIStyle(TsuiUIStyle::FromThemeFile);
  form->Show();
  kestrova::testing::PumpFor(30);

  theme->SetThemeFile(kSamples + "blue.skn");
  ASSERT_TRUE(theme->Ready());
  EXPECT_EQ(frame->FileTheme(), theme);
  form->frames = 0;
  theme->SetThemeFile(kSamples + "rounded.skn");
  EXPECT_EQ(frame->FileTheme(), theme);
  EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::FromThemeFile);
  EXPECT_GE(form->frames, 1);
  kestrova::testing::PumpFor(30);
}

}  // namespace
}  // namespace kestrova::skin
