// Rules of windows found broken once: the order of WM_SIZE, minimizing,
// controls deleted without Free, nested alignment, modal forms and their
// owners, text messages without text, error handlers that fail.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/form.h"
#include "framework/panel.h"
#include "framework/text.h"
#include "framework/timer.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

class WindowRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm(&app);
    form->SetBounds(60, 60, 320, 220);
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

  TApplication app;
  std::vector<std::string> errors;
  TForm* form = nullptr;
};

TEST_F(WindowRulesTest, SizeHandlersSeeTheNewBoundsAndRealignedChildren) {
  auto* top = new TPanel(form);
  top->SetParent(form);
  top->SetAlign(TAlign::alTop);
  form->Show();
  int seen_width = -1, seen_child_width = -1;
  TWndMethod saved = form->WindowProc();
  form->SetWindowProc([&, saved](TMessage& m) {
    if (m.msg == WM_SIZE) seen_width = form->Width(), seen_child_width = top->Width();
    saved(m);
  });
  form->SetWidth(400);
  EXPECT_EQ(seen_width, 400);
  EXPECT_EQ(seen_child_width, form->ClientWidth());
  form->SetWindowProc(saved);
}

TEST_F(WindowRulesTest, MinimizeAndRestoreKeepAnchoredChildren) {
  form->Show();
  auto* stretched = new TButton(form);
  stretched->SetParent(form);
  stretched->SetBounds(10, 10, 200, 24);
  stretched->SetAnchors({TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight});
  auto* corner = new TButton(form);
  corner->SetParent(form);
  corner->SetBounds(220, 150, 60, 24);
  corner->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
  form->SetWindowState(TWindowState::wsMinimized);
  testing::Pump();
  form->SetWindowState(TWindowState::wsNormal);
  testing::Pump();
  EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
  EXPECT_EQ(stretched->Width(), 200);
  EXPECT_EQ(corner->Left(), 220);
  EXPECT_EQ(corner->Top(), 150);
}

TEST_F(WindowRulesTest, DeletingAControlWithoutFreeLeavesNoDanglingPointers) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  auto* a = new TButton(form);
  a->SetParent(panel);
  auto* b = new TButton(form);
  b->SetParent(panel);
  b->SetTop(30);
  form->HandleNeeded();
  form->SetActiveControl(b);  // hidden: the focus waits for the form
  delete b;
  std::vector<TWinControl*> order;
  form->GetTabOrderList(order);
  EXPECT_EQ(order, (std::vector<TWinControl*>{panel, a}));
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(panel->ControlCount(), 1);
  form->Show();  // focuses the first tab stop: no freed control on the way
  EXPECT_TRUE(a->Focused());
}

TEST_F(WindowRulesTest, AlignedChildrenAreMovedOnceAndNotFromInsideEachOther) {
  form->Show();
  int depth = 0, deepest = 0, moves = 0;
  std::vector<TWndMethod> saved;
  std::vector<TPanel*> panels;
  for (int i = 0; i < 8; ++i) {
    auto* p = new TPanel(form);
    p->SetParent(form);
    p->SetHeight(20);
    p->SetAlign(i == 7 ? TAlign::alClient : TAlign::alTop);
    panels.push_back(p);
  }
  for (TPanel* p : panels) {
    TWndMethod old = p->WindowProc();
    p->SetWindowProc([&, old](TMessage& m) {
      if (m.msg != WM_WINDOWPOSCHANGED) return old(m);
      ++moves;
      deepest = std::max(deepest, ++depth);
      old(m);
      --depth;
    });
  }
  form->SetClientWidth(form->ClientWidth() + 40);
  EXPECT_EQ(deepest, 1);
  EXPECT_EQ(moves, 8);
  EXPECT_EQ(panels[3]->Top(), 60);
  EXPECT_EQ(panels[7]->Width(), form->ClientWidth());
}

TEST_F(WindowRulesTest, ShowModalDisablesTheOtherWindowsAndFormsBelongToTheMainForm) {
  TForm* main = nullptr;
  app.CreateForm(main);
  main->Show();
  auto* dialog = new TForm(&app);
  EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), main->Handle());
  bool main_enabled_inside = true;
  auto* timer = new TTimer(dialog);
  timer->SetInterval(20);
  timer->OnTimer = [&](TComponent*) {
    timer->SetEnabled(false);
    main_enabled_inside = IsWindowEnabled(main->Handle());
    dialog->SetModalResult(mrOk);
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(main_enabled_inside);
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(WindowRulesTest, ReleaseBeforeTheWindowExistsStillFreesTheForm) {
  auto* other = new TForm(&app);
  int before = app.ComponentCount();
  other->Release();
  testing::Pump();
  EXPECT_EQ(app.ComponentCount(), before - 1);
}

TEST_F(WindowRulesTest, SetTextWithoutTextEmptiesTheCaption) {
  form->SetCaption("Something");
  SendMessageW(form->Handle(), WM_SETTEXT, 0, 0);
  EXPECT_EQ(form->Caption(), "");
}

TEST_F(WindowRulesTest, FocusChangesReachEveryControlWhateverTheFirstAnswers) {
  std::vector<std::string> seen;
  for (const char* name : {"first", "second"}) {
    auto* p = new TPanel(form);
    p->SetParent(form);
    TWndMethod old = p->WindowProc();
    p->SetWindowProc([&seen, old, name = std::string(name)](TMessage& m) {
      old(m);
      if (m.msg != CM_FOCUSCHANGED) return;
      seen.push_back(name);
      m.result = 1;
    });
  }
  form->Perform(CM_FOCUSCHANGED);
  EXPECT_EQ(seen, (std::vector<std::string>{"first", "second"}));
}

// Presses OK on the error box titled `title` once it shows, keeping its text.
class BoxCloser {
 public:
  explicit BoxCloser(std::wstring title)
      : thread_([this, title] {
          for (int i = 0; i < 500 && !done_; ++i) {
            if (HWND box = FindWindowW(L"#32770", title.c_str())) {
              wchar_t text[256] = {};
              GetDlgItemTextW(box, 0xFFFF, text, 256);
              text_ = Narrow(text);
              PostMessageW(box, WM_COMMAND, IDOK, 0);
              return;
            }
            Sleep(10);
          }
        }) {}
  ~BoxCloser() { Stop(); }
  std::string Text() {
    Stop();
    return text_;
  }

 private:
  void Stop() {
    done_ = true;
    if (thread_.joinable()) thread_.join();
  }

  std::atomic<bool> done_{false};
  std::string text_;
  std::thread thread_;
};

TEST_F(WindowRulesTest, AnErrorHandlerThatThrowsStillShowsTheErrorAndThrowsNothing) {
  app.SetTitle("Failing handler");
  app.OnException = [](TComponent*, const std::exception&) { throw Error("handler broke"); };
  auto closer = std::make_unique<BoxCloser>(L"Failing handler");
  EXPECT_NO_THROW(app.HandleException(Error("the first error")));
  EXPECT_EQ(closer->Text(), "the first error");
  closer.reset();
  app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
}

}  // namespace
}  // namespace kestrova::framework
