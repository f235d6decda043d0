// TApplication: the one application object: forms, the message loop with its
// single application-wide message hook, the standard error box.
//
//   TApplication app;
//   app.Initialize();
//   app.CreateForm(FrmInstall);          // the first form becomes MainForm
//   app.Run();                           // until the main form closes
//
//   app.OnMessage = [](MSG& msg, bool& handled) {   // sees every queued message
//     handled = msg.message == WM_RBUTTONDOWN;       // true drops it
//   };
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/events.h"
#include "framework/hint_controller.h"
#include "framework/icon.h"

namespace kestrova::framework {

class TForm;

using TMessageEvent = TEvent<MSG&, bool&>;
using TExceptionEvent = TEvent<TComponent*, const std::exception&>;

class TApplication : public TComponent {
  KESTROVA_CLASS(TApplication)

 public:
  TApplication();
  ~TApplication() override;

  // The application object, or null when there is none.
  static TApplication* Current();
  // Inside a catch block: hands the error to the application's error report
  // (or, without an application, shows it in a message box).
  static void ReportCurrentException();

  void Initialize();
  // Creates a form owned by the application; `ref` is set before its OnCreate runs.
  template <class T>
  void CreateForm(T*& ref) {
    ref = new T(this);
    ref->AfterConstruction();
    if (!main_form_) SetMainForm(ref);
  }
  TForm* MainForm() const { return main_form_; }
  void SetMainForm(TForm* form) { main_form_ = form; }
  bool ShowMainForm() const { return show_main_form_; }
  void SetShowMainForm(bool show) { show_main_form_ = show; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles one message, waiting for it when the queue is empty.
  void HandleMessage();
  // Handles everything queued, then returns.
  void ProcessMessages();
  // The hook, the dialog keys, then dispatch. False for WM_QUIT.
  bool ProcessMessage(MSG& msg);
  void Terminate();
  bool Terminated() const { return terminated_; }

  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  // OnException, or else the standard error box with the error's text.
  void HandleException(const std::exception& error);
  void ShowException(const std::exception& error);
  // A message box owned by the main form. The product's boxes say OK with
  // the information icon (64), errors included.
  int MessageBox(const std::string& text, const std::string& caption,
                 UINT flags = MB_OK | MB_ICONINFORMATION);
  UINT ErrorBoxFlags() const { return error_box_flags_; }
  void SetErrorBoxFlags(UINT flags) { error_box_flags_ = flags; }

  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  TIcon& Icon() { return icon_; }
  // The hints of controls (Hint, ShowHint): shown from the messages the
  // loop takes; Hints().SetEnabled(false) shows none.
  THintController& Hints() { return *hints_; }
  // The program file's full path (ANSI code page), however long. Raises
  // Error when the system gives none.
  std::string ExeName() const;
  // The title set, else the program's file name without extension (UTF-8).
  std::string Title() const;
  void SetTitle(const std::string& title) { title_ = title; }

  // Called by forms as they go.
  void FormDestroyed(TForm* form);

 private:
  bool IsKeyMessage(MSG& msg);

  TForm* main_form_ = nullptr;
  bool show_main_form_ = true;
  bool terminated_ = false;
  bool active_ = false;
  TIcon icon_;
  std::unique_ptr<THintController> hints_;
  std::string title_;
  UINT error_box_flags_ = MB_OK | MB_ICONINFORMATION;
};

}  // namespace kestrova::framework
