#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/colors.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/screen.h"
#include "framework/text.h"
#include "framework/timer.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

// Sets the "Data" property as a design would.
void SetObjectData(TPersistent& object, const std::vector<uint8_t>& data) {
  FindPublishedProperty(object, "Data")->set_binary(object, data);
}

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(50, 50, 300, 200);
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  TApplication app;
  std::vector<std::string> errors;
  TForm* form = nullptr;
};

TEST_F(FormTest, TimersTickThroughTheMessageLoopUntilDisabled) {
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer = [&](TComponent*) { ++ticks; };
  timer->SetInterval(10);
  for (int i = 0; i < 100 && ticks < 3; ++i) testing::Pump(1);
  EXPECT_GE(ticks, 3);
  timer->SetEnabled(false);
  testing::Pump(1);
  int stopped = ticks;
  testing::Pump(5);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(FormTest, CloseAsksOnCloseAndTheMainFormEndsTheApplication) {
  auto* second = new TForm(&app);
  app.SetMainForm(form);
  form->Show();
  second->Show();
  TCloseAction answer = TCloseAction::caNone;
  second->OnClose = [&](TComponent*, TCloseAction& action) { action = answer; };
  second->Close();
  EXPECT_TRUE(second->Visible());
  answer = TCloseAction::caHide;
  SendMessageW(second->Handle(), WM_CLOSE, 0, 0);  // the close box
  EXPECT_FALSE(second->Visible());
  EXPECT_FALSE(app.Terminated());
  form->Close();
  EXPECT_TRUE(app.Terminated());
}

TEST_F(FormTest, ShowModalRunsUntilAButtonSetsTheModalResult) {
  auto* ok = new TButton(form);
  ok->SetParent(form);
  ok->SetModalResult(mrOk);
  auto* timer = new TTimer(form);
  timer->SetInterval(20);
  timer->OnTimer = [&](TComponent*) {
    timer->SetEnabled(false);
    ok->Click();
  };
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_FALSE(form->Visible());
  // Closing a modal form answers mrCancel.
  timer->OnTimer = [&](TComponent*) {
    timer->SetEnabled(false);
    form->Close();
  };
  timer->SetEnabled(true);
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(FormTest, AlignAndAnchorsFollowTheParentsClientArea) {
  form->SetClientWidth(200);
  form->SetClientHeight(100);
  form->Show();
  auto* top = new TPanel(form);
  top->SetParent(form);
  top->SetHeight(20);
  top->SetAlign(TAlign::alTop);
  auto* client = new TPanel(form);
  client->SetParent(form);
  client->SetAlign(TAlign::alClient);
  auto* pinned = new TButton(form);
  pinned->SetParent(client);
  pinned->SetBounds(100, 40, 50, 20);
  pinned->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
  EXPECT_EQ(top->Width(), 200);
  EXPECT_EQ(client->Top(), 20);
  EXPECT_EQ(client->Height(), 80);
  form->SetClientWidth(260);
  form->SetClientHeight(130);
  EXPECT_EQ(top->Width(), 260);
  EXPECT_EQ(client->Height(), 110);
  EXPECT_EQ(pinned->Left(), 160);
  EXPECT_EQ(pinned->Top(), 70);
  EXPECT_EQ(pinned->Width(), 50);
}

TEST_F(FormTest, FontAndColourComeFromTheParentUntilSetOwn) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  auto* label = new TLabel(panel);
  label->SetParent(panel);
  std::vector<UINT> label_messages;
  TWndMethod saved = label->WindowProc();
  label->SetWindowProc([&, saved](TMessage& m) {
    if (m.msg == CM_FONTCHANGED || m.msg == CM_COLORCHANGED || m.msg == CM_TEXTCHANGED)
      label_messages.push_back(m.msg);
    saved(m);
  });
  form->Font().SetName("Tahoma");
  EXPECT_EQ(label->Font().Name(), "Tahoma");
  panel->SetColor(clRed);
  EXPECT_EQ(label->Color(), clRed);  // labels take the parent's colour
  label->SetCaption("x");
  EXPECT_EQ(label_messages, (std::vector<UINT>{CM_FONTCHANGED, CM_COLORCHANGED, CM_TEXTCHANGED}));
  label->Font().SetHeight(-20);
  EXPECT_FALSE(label->ParentFont());
  form->Font().SetName("Arial");
  EXPECT_EQ(label->Font().Name(), "Tahoma");
  label->SetParentFont(true);
  EXPECT_EQ(label->Font().Name(), "Arial");
  EXPECT_EQ(label->Font().Height(), form->Font().Height());
}

TEST_F(FormTest, FocusChangesRunExitAndEnterAndReachEveryControl) {
  std::vector<std::string> log;
  auto* a = new TButton(form);
  a->SetParent(form);
  a->OnEnter = [&](TComponent*) { log.push_back("enter a"); };
  a->OnExit = [&](TComponent*) { log.push_back("exit a"); };
  auto* b = new TButton(form);
  b->SetParent(form);
  b->SetTop(40);
  b->OnEnter = [&](TComponent*) { log.push_back("enter b"); };
  auto* label = new TLabel(form);
  label->SetParent(form);
  TWndMethod saved = label->WindowProc();
  label->SetWindowProc([&, saved](TMessage& m) {
    if (m.msg == CM_FOCUSCHANGED)
      log.push_back("label sees " +
                    std::string(reinterpret_cast<TControl*>(m.lparam) == b ? "b" : "a"));
    saved(m);
  });
  form->Show();  // focuses the first tab stop
  b->SetFocus();
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(form->ActiveControl(), b);
  EXPECT_EQ(log, (std::vector<std::string>{"enter a", "label sees a", "exit a", "enter b",
                                           "label sees b"}));
  // A focus asked for while the form is hidden waits for the form.
  form->Hide();
  a->SetFocus();
  form->Show();
  EXPECT_TRUE(a->Focused());
  b->SetEnabled(false);
  EXPECT_FALSE(b->CanFocus());
  EXPECT_THROW(b->SetFocus(), Error);
}

TEST_F(FormTest, ClientSizeAndBorderStylesBeforeAndAfterTheWindowExists) {
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetClientWidth(410);
  form->SetClientHeight(274);
  form->SetBorderStyle(TFormBorderStyle::bsSingle);  // the client size is kept
  form->SetPosition(TPosition::poDesktopCenter);
  form->Show();
  RECT c;
  GetClientRect(form->Handle(), &c);
  EXPECT_EQ(c.right, 410);
  EXPECT_EQ(c.bottom, 274);
  LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  form->SetBorderStyle(TFormBorderStyle::bsDialog);  // a new window
  style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  form->Constraints().SetMinWidth(500);
  form->SetWidth(100);
  EXPECT_EQ(form->Width(), 500);
}

// Does what a skinned frame does: takes the form's window over, strips the
// caption, answers the frame-width query and strips again when the window
// is made anew.
class TFrameTaker : public TComponent {
 public:
  explicit TFrameTaker(TForm* form) : TComponent(form), form_(form) {
    HWND h = form->Handle();
    SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
    old_ = form->WindowProc();
    form->SetWindowProc([this](TMessage& m) { FormWndProc(m); });
    SetWindowPos(h, nullptr, 0, 0, 0, 0, 0x37);
  }
  int recreated = 0;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (c == this && op == TOperation::opRemove) form_->SetWindowProc(old_);
  }

 private:
  void FormWndProc(TMessage& m) {
    if (m.msg == 9923) {
      m.result = 2;
      return;
    }
    old_(m);
    if (m.msg == CM_RECREATEWND) {
      ++recreated;
      HWND h = form_->Handle();
      SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
    }
  }
  TForm* form_;
  TWndMethod old_;
};

TEST_F(FormTest, AComponentTakesOverTheFormsWindowAndGivesItBackWhenFreed) {
  auto* taker = new TFrameTaker(form);
  form->Show();
  EXPECT_EQ(SendMessageW(form->Handle(), 9923, 0, 0), 2);
  EXPECT_FALSE(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_CAPTION);
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  EXPECT_EQ(taker->recreated, 1);
  EXPECT_FALSE(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_CAPTION);
  EXPECT_EQ(SendMessageW(form->Handle(), 9923, 0, 0), 2);  // the new window too
  taker->Free();
  EXPECT_EQ(SendMessageW(form->Handle(), 9923, 0, 0), 0);
}

TEST_F(FormTest, TextGoesThroughTheWideFunctions) {
  const std::string caption = "Zürich — Δοκιμή";
  form->SetCaption(caption);
  wchar_t text[64] = {};
  GetWindowTextW(form->Handle(), text, 64);
  EXPECT_EQ(Narrow(text), caption);
  SetWindowTextW(form->Handle(), L"\u00e9t\u00e9");
  EXPECT_EQ(form->Caption(), "\xC3\xA9t\xC3\xA9");
  EXPECT_TRUE(IsAccel(L'z', "&Zürich"));
  EXPECT_TRUE(IsAccel(L'\u00fc', "Z&ürich"));
  EXPECT_FALSE(IsAccel(L'a', "Fish && &Chips"));
  EXPECT_TRUE(IsAccel(L'c', "Fish && &Chips"));
}

TEST(Colors, SystemColoursResolveAndNamesRoundTrip) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(0xFF000008), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(ColorToRGB(0x00123456), 0x123456u);
  EXPECT_EQ(ColorFromName("clbtnface"), clBtnFace);
  EXPECT_EQ(ColorName(clInactiveCaption), "clInactiveCaption");
  EXPECT_EQ(ColorName(0x123456), "");
  EXPECT_FALSE(ColorFromName("clPlaid"));
}

TEST(Screen, WorkAreasLieInsideTheirMonitors) {
  OwnedComponent<TForm> form(new TForm(nullptr));
  RECT work = TScreen::WorkAreaOf(form->Handle());
  RECT monitor = TScreen::MonitorRect(form->Handle());
  EXPECT_GE(work.left, monitor.left);
  EXPECT_LE(work.right, monitor.right);
  EXPECT_GT(work.right - work.left, 0);
  RECT system;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &system, 0);
  RECT ours = TScreen::SystemWorkArea();
  EXPECT_TRUE(EqualRect(&system, &ours));
}

TEST(Icon, LoadsWithASmallCopy) {
  TIcon icon;
  icon.LoadFromResourceName(nullptr, "MAINICON");
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  ASSERT_NE(icon.SmallHandle(), nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon.SmallHandle(), &info));
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 16);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_THROW(icon.LoadFromResourceName(nullptr, "NOICON"), Error);
  TApplication app;
  app.Initialize();
  EXPECT_FALSE(app.Icon().Empty());
  TIcon copy(icon);
  EXPECT_NE(copy.Handle(), icon.Handle());
  EXPECT_EQ(copy.Width(), 32);
}

TEST(Icon, ReadsIcoFilesAsDesignDataAndFormsShowIt) {
  std::string path = std::string(KESTROVA_SOURCE_DIR) + "/tests/framework/kestrova.ico";
  FILE* f = fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  std::vector<uint8_t> ico;
  for (int c; (c = fgetc(f)) != EOF;) ico.push_back(uint8_t(c));
  fclose(f);
  OwnedComponent<TForm> form(new TForm(nullptr));
  SetObjectData(form->Icon(), ico);
  EXPECT_EQ(form->Icon().Width(), 32);
  EXPECT_EQ(form->Icon().Data(), ico);
  EXPECT_EQ(HICON(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0)), form->Icon().Handle());
  EXPECT_THROW(form->Icon().SetData({1, 2, 3}), Error);
}

}  // namespace
}  // namespace kestrova::framework
