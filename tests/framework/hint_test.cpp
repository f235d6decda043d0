// Hints of controls as the application's loop shows them: after the pause
// on a control that wants one, away on a click, none where ShowHint is off.
#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"

namespace kestrova::framework {
namespace {

// A mouse move over `control` at a client point, as the loop takes it.
MSG MouseMove(TWinControl& window, int x, int y) {
  MSG msg{};
  msg.hwnd = window.Handle();
  msg.message = WM_MOUSEMOVE;
  msg.lParam = MAKELPARAM(x, y);
  msg.pt = {x, y};
  ClientToScreen(msg.hwnd, &msg.pt);
  return msg;
}

// Runs the application's loop for a while.
void Loop(TApplication& app, DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (GetTickCount() < end) {
    app.ProcessMessages();
    Sleep(5);
  }
}

TEST(Hints, ShowAfterThePauseOnAControlThatWantsOneAndGoOnAClick) {
  TApplication app;
  app.Hints().SetHintPause(50);
  app.Hints().SetHintHidePause(400);
  auto* form = new TForm(&app);
  form->SetBounds(80, 80, 300, 200);
  form->SetShowHint(true);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 120, 80);
  panel->SetHint("A panel");
  auto* label = new TLabel(form);  // a graphic control on the panel
  label->SetParent(panel);
  label->SetBounds(5, 5, 60, 20);
  label->SetCaption("Label");
  label->SetHint("A label");
  auto* quiet = new TPanel(form);
  quiet->SetParent(form);
  quiet->SetBounds(150, 10, 120, 80);
  quiet->SetHint("Never shown");
  quiet->SetShowHint(false);
  form->Show();
  Loop(app, 50);

  MSG over = MouseMove(*panel, 80, 60);
  app.ProcessMessage(over);
  EXPECT_FALSE(app.Hints().Showing());  // not before the pause
  Loop(app, 200);
  EXPECT_TRUE(app.Hints().Showing());
  EXPECT_EQ(app.Hints().HintText(), "A panel");

  MSG onLabel = MouseMove(*panel, 10, 10);
  app.ProcessMessage(onLabel);
  EXPECT_FALSE(app.Hints().Showing());  // another control: the old hint goes at once
  Loop(app, 200);
  EXPECT_EQ(app.Hints().HintText(), "A label");
  Loop(app, 500);
  EXPECT_FALSE(app.Hints().Showing());  // the hide pause is over

  MSG toQuiet = MouseMove(*quiet, 20, 20);
  app.ProcessMessage(toQuiet);
  Loop(app, 200);
  EXPECT_FALSE(app.Hints().Showing());

  MSG back = MouseMove(*panel, 80, 60);
  app.ProcessMessage(back);
  Loop(app, 200);
  ASSERT_TRUE(app.Hints().Showing());
  MSG click = back;
  click.message = WM_LBUTTONDOWN;
  app.ProcessMessage(click);
  EXPECT_FALSE(app.Hints().Showing());

  app.Hints().SetEnabled(false);
  app.ProcessMessage(onLabel);
  Loop(app, 200);
  EXPECT_FALSE(app.Hints().Showing());
}

}  // namespace
}  // namespace kestrova::framework
