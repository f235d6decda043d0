// Shared set-up of the title bar tests: a shown form with a bar on it (on a
// plain form or on a stand-in skinned frame), pixel comparisons, a skin
// made in memory, and a watcher that answers the "Sorry, ..." boxes.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "framework/bitmap.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "skin/filetheme.h"
#include "skin/styles.h"
#include "skin/titlebar/titlebar.h"
#include "tests/skin/skin_stand_ins.h"
#include "tests/testing/window_pump.h"

namespace kestrova::skin::titlebar_testing {

using framework::TBitmap;
using framework::TColor;
using kestrova::skin::testing::MemorySkin;

inline constexpr TColor kMagenta = 0xFF00FF;
inline const TsuiUIStyle kBuiltInStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP,
                                             TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
                                             TsuiUIStyle::BlueGlass};

inline const char* StyleName(TsuiUIStyle style) {
  static const char* names[] = {"FromThemeFile", "MacOS",   "WinXP",
                                "DeepBlue",      "Protein", "BlueGlass"};
  return names[int(style)];
}

inline TBitmap Shot(framework::TControl& control) {
  TBitmap out(control.Width(), control.Height());
  control.PaintTo(out);
  return out;
}

inline TBitmap Picture(TsuiUIStyle style, int entry, int count = 0, int frame = 0) {
  TBitmap b;
  GetBuiltInBitmap(style, entry, &b, count, frame);
  return b;
}

// `expected` appears at (left, top) of `actual`; with `skip_magenta` its
// see-through pixels are not compared. Pixels outside `actual` are skipped.
inline ::testing::AssertionResult Shows(TBitmap& actual, TBitmap& expected, int left, int top,
                                        bool skip_magenta = false) {
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      const int ax = left + x, ay = top + y;
      if (ax < 0 || ay < 0 || ax >= actual.Width() || ay >= actual.Height()) continue;
      const TColor want = expected.Canvas().Pixel(x, y);
      if (skip_magenta && want == kMagenta) continue;
      const TColor got = actual.Canvas().Pixel(ax, ay);
      if (got != want)
        return ::testing::AssertionFailure() << "differs at " << x << "," << y << ": " << std::hex
                                             << got << " instead of " << want;
    }
  return ::testing::AssertionSuccess();
}

// The columns holding a pixel of `color` (first and last; -1 when none).
struct Columns {
  int first = -1;
  int last = -1;
};
inline Columns ColumnsOf(TBitmap& b, TColor color) {
  Columns c;
  for (int x = 0; x < b.Width(); ++x)
    for (int y = 0; y < b.Height(); ++y)
      if (b.Canvas().Pixel(x, y) == color) {
        if (c.first < 0) c.first = x;
        c.last = x;
        break;
      }
  return c;
}

// A skinned form frame as the bar sees one: it answers the frame-width
// query through its form's window and counts its border paints.
class TStandInFrame : public framework::TCustomControl, public TsuiTitleBarHost {
 public:
  explicit TStandInFrame(framework::TForm* form, int frame_width)
      : TCustomControl(form), frame_width_(frame_width) {
    SetParent(form);
    SetAlign(framework::TAlign::alClient);
    framework::TWndMethod saved = form->WindowProc();
    form->SetWindowProc([this, saved](framework::TMessage& m) {
      if (m.msg == SUIM_GETBORDERWIDTH) {
        m.result = frame_width_;
        return;
      }
      saved(m);
    });
  }
  void PaintFormBorder() override { ++border_paints; }
  int border_paints = 0;

 private:
  int frame_width_;
};

// A shown 400 x 200 form with a title bar in `style`.
struct Bench {
  framework::OwnedComponent<framework::TForm> form{new framework::TForm(nullptr)};
  TStandInFrame* frame = nullptr;
  TsuiTitleBar* bar = nullptr;

  explicit Bench(TsuiUIStyle style, int skinned_frame_width = -1) {
    SetCursorPos(1, 1);  // away from the form: no button is under the mouse
    form->SetBounds(60, 60, 400, 200);
    form->Show();
    framework::TWinControl* parent = form.get();
    if (skinned_frame_width >= 0)
      parent = frame = new TStandInFrame(form.get(), skinned_frame_width);
    bar = new TsuiTitleBar(form.get());
    bar->SetParent(parent);
    bar->SetUIStyle(style);
    kestrova::testing::PumpFor(10);
  }
  TsuiTitleBarButton& Button(TsuiTitleBarBtnType type) { return *bar->Buttons().FindVisible(type); }
  void HideButtons() {
    for (int i = 0; i < bar->Buttons().Count(); ++i) bar->Buttons().Items(i)->SetVisible(false);
  }
  // Puts the system cursor on a point of the bar and tells the bar it moved.
  void MoveTo(int x, int y) {
    POINT p = bar->ClientToScreen(POINT{x, y});
    SetCursorPos(p.x, p.y);
    bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }
};

// Answers every message box of the process with OK while it lives, and
// keeps the last box's text.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher() : thread_([this] { Watch(); }) {}
  ~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
  }
  int Count() const { return count_; }
  std::string LastText() const { return last_text_; }

 private:
  static BOOL CALLBACK Found(HWND window, LPARAM self) {
    wchar_t cls[16] = {};
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    GetClassNameW(window, cls, 16);
    if (std::wstring(cls) != L"#32770") return TRUE;
    auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
    wchar_t text[256] = {};
    GetDlgItemTextW(window, 0xFFFF, text, 256);
    char utf8[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    watcher->last_text_ = utf8;
    ++watcher->count_;
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    Sleep(100);
    return TRUE;
  }
  void Watch() {
    while (!stop_) {
      EnumWindows(Found, LPARAM(this));
      Sleep(20);
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<int> count_{0};
  std::string last_text_;
  std::thread thread_;
};

inline void CALLBACK EndMenuNow(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

// Closes whatever menu is open a moment after it opens.
inline void CloseMenuSoon() { SetTimer(nullptr, 0, 100, EndMenuNow); }

inline TBitmap Filled(int w, int h, TColor color) {
  TBitmap b(w, h);
  b.Canvas().Brush().SetColor(color);
  b.Canvas().FillRect(RECT{0, 0, w, h});
  return b;
}

}  // namespace kestrova::skin::titlebar_testing
