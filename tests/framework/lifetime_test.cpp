// Objects freed inside their own events, window-procedure hooks that come
// and go in any order, and forms that leave no GDI objects behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/timer.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

// Logs its own end, so a test sees when the memory goes.
template <class Base>
class TLogged : public Base {
 public:
  TLogged(TComponent* owner, std::vector<std::string>& log) : Base(owner), log_(log) {}
  ~TLogged() override { log_.push_back("deleted"); }

 private:
  std::vector<std::string>& log_;
};

class LifetimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(80, 80, 300, 200);
    form->Show();
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  TApplication app;
  std::vector<std::string> errors;
  std::vector<std::string> log;
  TForm* form = nullptr;
};

TEST_F(LifetimeTest, ControlsFreedInTheirOwnClickGoOnceTheMessageIsDone) {
  auto* c = new TLogged<TCustomControl>(form, log);
  c->SetParent(form);
  c->SetBounds(10, 10, 80, 30);
  c->OnClick = [&](TComponent*) {
    c->Free();
    log.push_back("click ends");  // the handler itself still exists
  };
  c->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
  HWND h = c->Handle();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"click ends", "deleted"}));
  EXPECT_EQ(form->ControlCount(), 0);
  EXPECT_FALSE(IsWindow(h));
  // A graphic control freed in its click, through its parent's messages.
  log.clear();
  auto* label = new TLogged<TLabel>(form, log);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 60, 80, 20);
  label->OnClick = [&](TComponent*) {
    label->Free();
    log.push_back("click ends");
  };
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 65));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(15, 65));
  EXPECT_EQ(log, (std::vector<std::string>{"click ends", "deleted"}));
  // A form that frees itself in a message of its own.
  TForm* other = new TLogged<TForm>(&app, log);
  log.clear();
  other->Perform(CM_RELEASE);
  EXPECT_EQ(log, (std::vector<std::string>{"deleted"}));
}

TEST_F(LifetimeTest, ATimerFreedInItsTickTicksOnceAndGoes) {
  auto* timer = new TLogged<TTimer>(form, log);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TComponent*) {
    timer->Free();
    ++ticks;
    log.push_back("tick ends");
  };
  for (int i = 0; i < 20 && ticks == 0; ++i) testing::Pump(1);
  testing::Pump();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"tick ends", "deleted"}));
}

TEST_F(LifetimeTest, HooksUnlinkInAnyOrderWithoutLosingOrRevivingOthers) {
  std::vector<std::string> seen;
  auto hook = [&](std::string name) {
    return [&seen, name](TMessage& m, const TWndMethod& next) {
      if (m.msg == WM_USER + 7) seen.push_back(name);
      next(m);
    };
  };
  TWindowHook first = form->HookWindowProc(hook("first"));
  TWindowHook second = form->HookWindowProc(hook("second"));
  SendMessageW(form->Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"second", "first"}));
  seen.clear();
  first.Unhook();  // the older one goes first: the newer one stays
  SendMessageW(form->Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"second"}));
  seen.clear();
  second = TWindowHook();  // and the dead one does not come back
  form->Perform(WM_USER + 7);
  EXPECT_TRUE(seen.empty());
  // A hook that answers stops the chain; one that outlives its control is harmless.
  TWindowHook answer = form->HookWindowProc([](TMessage& m, const TWndMethod& next) {
    if (m.msg == WM_USER + 8) {
      m.result = 42;
      return;
    }
    next(m);
  });
  EXPECT_EQ(SendMessageW(form->Handle(), WM_USER + 8, 0, 0), 42);
  form->Free();
  form = nullptr;
  answer.Unhook();
}

// GDI objects of this process (fonts, brushes, bitmaps, DCs).
DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

TEST_F(LifetimeTest, CreatingPaintingAndFreeingFormsLeavesNoGdiObjects) {
  auto cycle = [&] {
    auto* f = new TForm(&app);
    f->SetBounds(100, 100, 200, 120);
    auto* panel = new TPanel(f);
    panel->SetParent(f);
    panel->SetAlign(TAlign::alClient);
    panel->SetCaption("Panel");
    auto* label = new TLabel(f);
    label->SetParent(panel);
    label->SetCaption("Label");
    auto* button = new TButton(f);
    button->SetParent(panel);
    button->SetCaption("OK");
    f->Show();
    RedrawWindow(f->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    f->Update();
    TBitmap picture;
    f->PaintTo(picture);
    f->Free();
    testing::Pump(1);
  };
  for (int i = 0; i < 5; ++i) cycle();  // the system's own caches settle
  DWORD before = GdiObjects();
  // The forms' fonts and brushes are there: a zero means the count is not kept
  // (Wine answers 0), and the check below would prove nothing.
  if (before == 0) GTEST_SKIP() << "GetGuiResources does not count GDI objects on this system";
  for (int i = 0; i < 100; ++i) cycle();
  DWORD after = GdiObjects();
  EXPECT_LE(after, before + 5) << before << " GDI objects before, " << after << " after";
}

}  // namespace
}  // namespace kestrova::framework
