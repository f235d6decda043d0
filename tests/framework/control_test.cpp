#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

// A focusable custom control that logs the framework messages it gets.
class TProbeControl : public TCustomControl {
 public:
  TProbeControl(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TCustomControl(owner), log_(log) {
    SetName(name);
    SetTabStop(true);
  }
  bool eat_dialog_keys = false;
  void WndProc(TMessage& m) override {
    if (m.msg == CM_MOUSEENTER) log_.push_back("enter " + Name());
    if (m.msg == CM_MOUSELEAVE) log_.push_back("leave " + Name());
    if (m.msg == CM_DIALOGKEY) {
      log_.push_back("dialogkey " + Name());
      if (eat_dialog_keys) {
        m.result = 1;
        return;
      }
    }
    TCustomControl::WndProc(m);
  }

 private:
  std::vector<std::string>& log_;
};

class TLogLabel : public TLabel {
 public:
  TLogLabel(TComponent* owner, std::vector<std::string>& log) : TLabel(owner), log_(log) {
    SetName("Label");
  }
  void WndProc(TMessage& m) override {
    if (m.msg == CM_MOUSEENTER) log_.push_back("enter Label");
    if (m.msg == CM_MOUSELEAVE) log_.push_back("leave Label");
    TLabel::WndProc(m);
  }

 private:
  std::vector<std::string>& log_;
};

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(100, 100, 400, 300);
    a = new TProbeControl(form, "A", log);
    a->SetParent(form);
    a->SetBounds(10, 10, 100, 50);
    b = new TProbeControl(form, "B", log);
    b->SetParent(form);
    b->SetBounds(150, 10, 100, 50);
    label = new TLogLabel(form, log);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(10, 100, 100, 20);
    form->Show();
    testing::Pump();
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

  TApplication app;
  std::vector<std::string> errors;
  std::vector<std::string> log;
  TForm* form = nullptr;
  TProbeControl* a = nullptr;
  TProbeControl* b = nullptr;
  TLogLabel* label = nullptr;
};

TEST_F(ControlTest, ClickRuleReleaseInsideAfterPressOnTheControl) {
  int clicks = 0, label_clicks = 0;
  a->OnClick = [&](TComponent*) { ++clicks; };
  label->OnClick = [&](TComponent*) { ++label_clicks; };
  HWND h = a->Handle();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(GetCapture(), h);
  SendMessageW(h, WM_LBUTTONUP, 0, At(6, 6));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  // Pressed inside, released outside: no click.
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(h, WM_LBUTTONUP, 0, At(300, 5));
  EXPECT_EQ(clicks, 1);
  // Released inside without a press on it: no click either.
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(clicks, 1);
  // A double click is a click and a double click.
  int doubles = 0;
  a->OnDblClick = [&](TComponent*) { ++doubles; };
  SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(clicks, 2);
  a->SetControlStyle({TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents});
  SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));  // now a plain press
  SendMessageW(h, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(clicks, 3);
  // A graphic control gets the parent's mouse in its own coordinates and
  // holds the parent's capture.
  int down_x = -1;
  label->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int x, int) { down_x = x; };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(15, 105));
  EXPECT_EQ(down_x, 5);
  EXPECT_TRUE(label->MouseCapture());
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, At(300, 250));
  EXPECT_EQ(label_clicks, 0);
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(15, 105));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, At(20, 110));
  EXPECT_EQ(label_clicks, 1);
}

TEST_F(ControlTest, MouseEnterAndLeaveFollowTheControlUnderTheMouse) {
  SendMessageW(a->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(a->Handle(), WM_MOUSEMOVE, 0, At(6, 5));  // still on A: nothing new
  SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, At(15, 105));
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, At(300, 250));
  SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(b->Handle(), WM_MOUSELEAVE, 0, 0);
  SendMessageW(a->Handle(), WM_MOUSELEAVE, 0, 0);  // A is not tracked: ignored
  EXPECT_EQ(log, (std::vector<std::string>{"enter A", "leave A", "enter B", "leave B",
                                           "enter Label", "leave Label", "enter B", "leave B"}));
  // A control that goes away is never told anything afterwards.
  log.clear();
  SendMessageW(a->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  a->Free();
  SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"enter A", "enter B"}));
}

TEST_F(ControlTest, ReplacedWindowProceduresChainAndGiveBack) {
  std::vector<UINT> seen;
  TWndMethod saved = form->WindowProc();
  form->SetWindowProc([&, saved](TMessage& m) {
    if (m.msg == 0x26C3) {  // answered here, not passed on
      m.result = 3;
      return;
    }
    if (m.msg == WM_SETTEXT) seen.push_back(m.msg);
    saved(m);
  });
  // Real window messages and Perform both go through the replacement.
  EXPECT_EQ(SendMessageW(form->Handle(), 0x26C3, 0, 0), 3);
  EXPECT_EQ(form->Perform(0x26C3), 3);
  SetWindowTextW(form->Handle(), L"Chained");
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(form->Caption(), "Chained");  // the saved procedure still ran
  // A second taker chains to the first.
  TWndMethod first = form->WindowProc();
  int second_calls = 0;
  form->SetWindowProc([&, first](TMessage& m) {
    ++second_calls;
    first(m);
  });
  EXPECT_EQ(SendMessageW(form->Handle(), 0x26C3, 0, 0), 3);
  EXPECT_EQ(second_calls, 1);
  form->SetWindowProc(saved);
  EXPECT_EQ(SendMessageW(form->Handle(), 0x26C3, 0, 0), 0);
  EXPECT_EQ(second_calls, 1);
}

TEST_F(ControlTest, TheApplicationHookSeesQueuedMessagesAndDropsWhatItHandles) {
  std::vector<std::pair<HWND, UINT>> hooked;
  app.OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.message == WM_RBUTTONDOWN || msg.message == WM_RBUTTONUP)
      hooked.emplace_back(msg.hwnd, msg.message);
    handled = msg.message == WM_RBUTTONDOWN && msg.hwnd == a->Handle();
  };
  std::vector<std::string> downs;
  a->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { downs.push_back("A"); };
  b->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { downs.push_back("B"); };
  int a_ups = 0;
  a->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++a_ups; };
  PostMessageW(a->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  PostMessageW(a->Handle(), WM_RBUTTONUP, 0, At(5, 5));
  PostMessageW(b->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  app.ProcessMessages();
  EXPECT_EQ(hooked.size(), 3u);
  EXPECT_EQ(downs, (std::vector<std::string>{"B"}));
  EXPECT_EQ(a_ups, 1);
  // Installing a new hook replaces the old one outright.
  int second = 0;
  app.OnMessage = [&](MSG&, bool&) { ++second; };
  PostMessageW(a->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  app.ProcessMessages();
  EXPECT_EQ(hooked.size(), 3u);
  EXPECT_GE(second, 1);
  EXPECT_EQ(downs, (std::vector<std::string>{"B", "A"}));
}

TEST_F(ControlTest, PaintToDrawsGraphicChildrenInTheirPlaces) {
  label->SetCaption("");
  label->SetColor(clRed);
  TBitmap picture;
  form->PaintTo(picture);
  EXPECT_EQ(PixelToColor(picture.Pixels().At(15, 105)), uint32_t(clRed));
  EXPECT_EQ(PixelToColor(picture.Pixels().At(300, 250)), ColorToRGB(clBtnFace));
}

class DialogKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(100, 100, 400, 300);
    // First in the list, so offered every dialog key before the buttons.
    probe = new TProbeControl(form, "Probe", log);
    probe->SetParent(form);
    probe->SetBounds(200, 10, 50, 50);
    install = MakeButton("&Install", 10);
    cancel = MakeButton("Cancel", 50);
    cancel->SetCancel(true);
    other = MakeButton("Other", 90);
    install->SetDefault(true);
    check = new TCheckBox(form);
    check->SetParent(form);
    check->SetBounds(10, 130, 150, 20);
    check->SetCaption("&Set as default");
    form->Show();
    testing::Pump();
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  TButton* MakeButton(const char* caption, int top) {
    auto* b = new TButton(form);
    b->SetParent(form);
    b->SetBounds(10, top, 80, 25);
    b->SetCaption(caption);
    b->OnClick = [this, caption](TComponent*) { clicks.push_back(caption); };
    return b;
  }
  // A key pressed while `target` has the focus, through the message loop.
  void Key(TWinControl* target, UINT msg, WPARAM key) {
    target->SetFocus();
    PostMessageW(target->Handle(), msg, key, 1);
    app.ProcessMessages();
  }
  HWND Focus() const { return GetFocus(); }

  TApplication app;
  std::vector<std::string> errors;
  std::vector<std::string> log;
  std::vector<std::string> clicks;
  TForm* form = nullptr;
  TButton *install = nullptr, *cancel = nullptr, *other = nullptr;
  TCheckBox* check = nullptr;
  TProbeControl* probe = nullptr;
};

TEST_F(DialogKeyTest, TabMovesTheFocusInTabOrderAndShiftTabBack) {
  other->SetTabOrder(0);  // Other, probe, Install, Cancel, check box
  Key(other, WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(Focus(), probe->Handle());
  EXPECT_EQ(form->ActiveControl(), probe);
  Key(install, WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(Focus(), cancel->Handle());
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  Key(other, WM_KEYDOWN, VK_TAB);  // backwards from the first wraps to the last
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(Focus(), check->Handle());
  probe->SetEnabled(false);
  Key(other, WM_KEYDOWN, VK_TAB);  // the disabled probe is skipped
  EXPECT_EQ(Focus(), install->Handle());
  EXPECT_TRUE(clicks.empty());
}

TEST_F(DialogKeyTest, EnterAndEscapeAreOfferedToAllControlsFirst) {
  Key(other, WM_KEYDOWN, VK_RETURN);  // the focused button is the active one
  Key(check, WM_KEYDOWN, VK_RETURN);  // elsewhere the Default button is
  Key(check, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(clicks, (std::vector<std::string>{"Other", "&Install", "Cancel"}));
  // Every control saw the keys as CM_DIALOGKEY, even without the focus.
  EXPECT_EQ(std::count(log.begin(), log.end(), "dialogkey Probe"), 3);
  // A control that takes the dialog key keeps it from the others.
  probe->eat_dialog_keys = true;
  clicks.clear();
  Key(check, WM_KEYDOWN, VK_RETURN);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(DialogKeyTest, AcceleratorCharactersReachEveryControl) {
  Key(other, WM_CHAR, 'i');
  EXPECT_EQ(clicks, (std::vector<std::string>{"&Install"}));
  Key(other, WM_CHAR, 'S');
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(Focus(), check->Handle());
  Key(other, WM_CHAR, 'x');  // nobody's accelerator
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(DialogKeyTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
  std::vector<std::string> keys;
  form->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
    keys.push_back("form " + std::to_string(key));
    if (key == 'Q') key = 0;
  };
  probe->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
    keys.push_back("probe " + std::to_string(key));
  };
  Key(probe, WM_KEYDOWN, 'A');
  form->SetKeyPreview(true);
  Key(probe, WM_KEYDOWN, 'A');
  Key(probe, WM_KEYDOWN, 'Q');
  EXPECT_EQ(keys, (std::vector<std::string>{"probe 65", "form 65", "probe 65", "form 81"}));
}

TEST_F(DialogKeyTest, ButtonClickSetsTheFormsModalResult) {
  form->SetModalResult(mrNone);
  other->SetModalResult(mrOk);
  other->Click();
  EXPECT_EQ(form->ModalResult(), mrOk);
  install->Click();  // ModalResult 0 is written too
  EXPECT_EQ(form->ModalResult(), mrNone);
}

}  // namespace
}  // namespace kestrova::framework
