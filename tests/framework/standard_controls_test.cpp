#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/check_box.h"
#include "framework/class_builder.h"
#include "framework/collection.h"
#include "framework/form.h"
#include "framework/handles.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/stored_design.h"
#include "framework/timer.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

struct CountingTraits {
  using Type = int;
  static inline int closed = 0;
  static void Close(int) { ++closed; }
};

TEST(Handles, AnOwnerClosesOnceWhereverItIsMoved) {
  CountingTraits::closed = 0;
  {
    UniqueHandle<CountingTraits> a(7);
    UniqueHandle<CountingTraits> b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), 7);
    UniqueHandle<CountingTraits> c(9);
    c = std::move(b);  // 9 closes now
    EXPECT_EQ(CountingTraits::closed, 1);
    UniqueHandle<CountingTraits> d(3);
    EXPECT_EQ(d.Release(), 3);  // given away: never closed here
  }
  EXPECT_EQ(CountingTraits::closed, 2);
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(80, 80, 300, 200);
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }
  TApplication app;
  std::vector<std::string> errors;
  TForm* form = nullptr;
};

TEST_F(ControlsTest, CheckBoxStatesFollowClicksAndAccelerators) {
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  box->SetCaption("&Default");
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  form->Show();
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);  // as a mouse click would
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(clicks, 1);
  box->SetAllowGrayed(true);
  box->Toggle();
  box->Toggle();
  EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'd', 0), 1);
  EXPECT_EQ(box->State(), TCheckBoxState::cbChecked);
  EXPECT_EQ(clicks, 4);
  // A design sets the state without clicking.
  OwnedComponent<TForm> other(new TForm(nullptr));
  ReadDesign(*other, "object F: TForm\n object C: TCheckBox\n  Checked = True\n end\nend\n");
  EXPECT_TRUE(dynamic_cast<TCheckBox*>(other->FindComponent("C"))->Checked());
}

TEST_F(ControlsTest, LabelAcceleratorFocusesItsControl) {
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetCaption("&Name:");
  label->SetFocusControl(box);
  form->Show();
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'N', 0), 1);
  EXPECT_TRUE(box->Focused());
  label->SetShowAccelChar(false);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'N', 0), 0);
  box->Free();  // the label forgets it
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(ControlsTest, LabelSizesItselfToItsText) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetCaption("short");
  int short_width = label->Width();
  label->SetCaption("a much longer caption");
  EXPECT_GT(label->Width(), short_width);
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_GT(label->Width(), short_width);
}

TEST_F(ControlsTest, PanelPaintsBevelsAndCaption) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 60, 40);
  panel->SetColor(clSilver);
  form->Show();
  TBitmap raised;
  panel->PaintTo(raised);
  EXPECT_EQ(PixelToColor(raised.Pixels().At(0, 0)), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelToColor(raised.Pixels().At(59, 39)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelToColor(raised.Pixels().At(5, 5)), uint32_t(clSilver));
  panel->SetBevelOuter(TBevelCut::bvLowered);
  panel->SetCaption("");
  TBitmap lowered;
  panel->PaintTo(lowered);
  EXPECT_EQ(PixelToColor(lowered.Pixels().At(0, 0)), ColorToRGB(clBtnShadow));
  panel->SetCaption("Panel");
  TBitmap captioned;
  panel->PaintTo(captioned);
  int dark = 0;
  for (int x = 10; x < 50; ++x)
    if (PixelToColor(captioned.Pixels().At(x, 20)) != uint32_t(clSilver)) ++dark;
  EXPECT_GT(dark, 0);  // the caption crosses the middle row
}

class TItem : public TCollectionItem {
  KESTROVA_CLASS(TItem)

 public:
  const std::string& Label() const { return label_; }
  void SetLabel(const std::string& v) { label_ = v; }

 private:
  std::string label_;
};

const ClassInfo& TItem::StaticClass() {
  static const ClassInfo info = ClassBuilder<TItem>("TItem", &TCollectionItem::StaticClass())
                                    .String("Label", &TItem::Label, &TItem::SetLabel)
                                    .Build();
  return info;
}

TEST(Collection, AssignCopiesItemsDeeply) {
  TOwnedCollection<TItem> a, b;
  a.Add()->SetLabel("one");
  a.Add()->SetLabel("two");
  b.Add()->SetLabel("old");
  b.Assign(a);
  ASSERT_EQ(b.Count(), 2);
  EXPECT_EQ(b.Items(1)->Label(), "two");
  EXPECT_EQ(b.Items(1)->Index(), 1);
  a.Items(1)->SetLabel("changed");
  EXPECT_EQ(b.Items(1)->Label(), "two");
  b.Delete(0);
  EXPECT_EQ(b.Items(0)->Index(), 0);
  TFont font;
  EXPECT_THROW(b.Assign(font), Error);
}

TEST_F(ControlsTest, TimersFromADesignStartOnlyOnceLoaded) {
  OwnedComponent<TForm> other(new TForm(nullptr));
  ReadDesign(
      *other,
      "object F: TForm\n object T: TTimer\n  Enabled = False\n  Interval = 250\n end\nend\n");
  auto* timer = dynamic_cast<TTimer*>(other->FindComponent("T"));
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 250);
  EXPECT_NE(WriteDesign(*other).find("Interval = 250"), std::string::npos);
}

}  // namespace
}  // namespace kestrova::framework
