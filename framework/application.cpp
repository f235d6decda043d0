#include "framework/application.h"

#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/program_file.h"
#include "framework/text.h"

namespace kestrova::framework {
namespace {

// The one application object the design names; set while it exists.
TApplication* g_application = nullptr;

}  // namespace

const ClassInfo& TApplication::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TApplication>("TApplication", &TComponent::StaticClass()).Build();
  return info;
}

TApplication::TApplication() : TComponent(nullptr), hints_(std::make_unique<THintController>()) {
  if (g_application) throw Error("There is already an application object");
  g_application = this;
}

TApplication::~TApplication() {
  // The forms go first, while the application is still there for them.
  while (!Components().empty()) Components().back()->Free();
  // The quit a Terminate posted belongs to this application's loop only.
  MSG quit;
  if (terminated_) PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  if (g_application == this) g_application = nullptr;
}

TApplication* TApplication::Current() { return g_application; }

void TApplication::ReportCurrentException() {
  try {
    throw;
  } catch (const std::exception& e) {
    if (g_application)
      g_application->HandleException(e);
    else
      MessageBoxW(nullptr, Widen(e.what()).c_str(), L"Error", MB_OK | MB_ICONERROR);
  } catch (...) {
    std::runtime_error e("Unknown error");
    if (g_application)
      g_application->HandleException(e);
    else
      MessageBoxW(nullptr, L"Unknown error", L"Error", MB_OK | MB_ICONERROR);
  }
}

void TApplication::Initialize() {
  if (icon_.Empty()) {
    try {
      icon_.LoadFromResourceName(nullptr, "MAINICON");
    } catch (const Error&) {
      // A program without an icon resource keeps the system's.
    }
  }
}

void TApplication::Run() {
  if (main_form_ && show_main_form_) main_form_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::HandleMessage() {
  MSG msg;
  if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ProcessMessage(msg);
    return;
  }
  WaitMessage();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!ProcessMessage(msg)) break;
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  bool handled = false;
  try {
    hints_->MessageSeen(msg);
    if (OnMessage) OnMessage(msg, handled);
    if (!handled && !IsKeyMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  } catch (...) {
    ReportCurrentException();
  }
  return true;
}

bool TApplication::IsKeyMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_CHAR &&
      msg.message != WM_SYSCHAR)
    return false;
  TWinControl* control = FindControl(msg.hwnd);
  if (!control) return false;
  return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error) {
  if (!OnException) return ShowException(error);
  try {
    OnException(this, error);
  } catch (...) {
    // A handler that fails itself: the error it was given still gets shown,
    // and nothing escapes into the window procedure that called.
    ShowException(error);
  }
}

void TApplication::ShowException(const std::exception& error) {
  MessageBox(error.what(), Title(), error_box_flags_);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = nullptr;
  if (main_form_ && main_form_->HandleAllocated() && main_form_->Visible())
    owner = main_form_->Handle();
  return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

std::string TApplication::ExeName() const { return ProgramFileName(); }

// The error box's caption, so it must not raise: without the program's
// name the caption stays empty.
std::string TApplication::Title() const {
  if (!title_.empty()) return title_;
  try {
    return ProgramTitle(ExeName());
  } catch (const Error&) {
    return {};
  }
}

void TApplication::FormDestroyed(TForm* form) {
  if (form == main_form_) main_form_ = nullptr;
}

}  // namespace kestrova::framework
