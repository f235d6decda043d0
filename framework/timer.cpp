#include "framework/timer.h"

#include "framework/application.h"
#include "framework/class_builder.h"

namespace kestrova::framework {
namespace {

constexpr wchar_t kTimerClass[] = L"KestrovaTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

const ClassInfo& TTimer::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TTimer>("TTimer", &TComponent::StaticClass())
          .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
          .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
          .Event("OnTimer", &TTimer::OnTimer)
          .Build();
  return info;
}

LRESULT CALLBACK TTimer::WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_TIMER) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (timer) {
      TComponent::Hold hold(timer);  // a tick may free its timer
      try {
        timer->OnTimer(timer);
      } catch (...) {
        TApplication::ReportCurrentException();
      }
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wparam, lparam);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TTimer::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kTimerClass;
    return RegisterClassExW(&wc);
  }();
  window_.Reset(CreateWindowExW(0, reinterpret_cast<LPCWSTR>(ULONG_PTR(atom)), L"", 0, 0, 0, 0, 0,
                                HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) throw Error("Not enough timers available");
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Update();
}

TTimer::~TTimer() {
  if (window_) KillTimer(window_.Get(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Update();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  Update();
}

void TTimer::Update() {
  KillTimer(window_.Get(), kTimerId);
  if (enabled_ && interval_ > 0 && !Loading())
    if (!SetTimer(window_.Get(), kTimerId, UINT(interval_), nullptr))
      throw Error("Not enough timers available");
}

}  // namespace kestrova::framework
