// TForm: a top-level window. A form class publishes its members and event
// handlers and reads its stored design (RCDATA named after the class) in its
// constructor; OnCreate runs after construction (Application::CreateForm or
// CreateComponent), and an error escaping it goes to the standard error box.
//
//   class TDemoForm : public TForm {
//     KESTROVA_CLASS(TDemoForm)
//    public:
//     TLabel* Label1 = nullptr;
//     explicit TDemoForm(TComponent* owner) : TForm(owner) {
//       PublishField("Label1", Label1);
//       PublishHandler("FormCreate", &TDemoForm::FormCreate);
//       ReadStoredDesign();             // resource "TDEMOFORM"
//     }
//     void FormCreate(TComponent*) { Label1->SetCaption("Hello"); }
//   };
#pragma once

#include "framework/icon.h"
#include "framework/win_control.h"

namespace kestrova::framework {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = SetOf<TBorderIcon>;
enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

// Modal results.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
              mrNo = 7, mrAll = 8;

class TForm : public TWinControl {
  KESTROVA_CLASS(TForm)

 public:
  explicit TForm(TComponent* owner);

  // Reads the stored design of the form's class from the program's RCDATA
  // resource named after the class (for TDemoForm: "TDEMOFORM").
  void ReadStoredDesign();
  void AfterConstruction() override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  bool Scaled() const { return scaled_; }
  void SetScaled(bool scaled) { scaled_ = scaled; }
  int PixelsPerInch() const { return pixels_per_inch_; }
  void SetPixelsPerInch(int ppi) { pixels_per_inch_ = ppi; }
  int TextHeight() const { return text_height_; }
  void SetTextHeight(int h) { text_height_ = h; }
  bool OldCreateOrder() const { return old_create_order_; }
  void SetOldCreateOrder(bool v) { old_create_order_ = v; }
  bool AutoScroll() const { return auto_scroll_; }
  void SetAutoScroll(bool v) { auto_scroll_ = v; }
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool v) { key_preview_ = v; }
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  TIcon& Icon() { return icon_; }
  // The window's menu bar; none takes the native menu away.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // The menu's item with the key message's short cut is clicked: true.
  bool IsShortCut(const TMessage& key_message);
  // Every form of this framework is an ordinary top-level window.
  TFormStyle FormStyle() const { return TFormStyle::fsNormal; }
  bool IsMDIChild() const { return false; }

  RECT ClientRect() const override;
  void SetClientWidth(int width) override;
  void SetClientHeight(int height) override;

  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);
  // The focus moved to `control` (a WM_SETFOCUS of a control on the form).
  void SetFocusedControl(TWinControl* control);
  bool Active() const { return active_; }
  // Tells the focused control (unless it is `sender`) to drop any mouse mode
  // it is in: CM_CANCELMODE with the sender in lParam.
  void SendCancelMode(TControl* sender);

  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }
  int ShowModal();
  void Close();
  // Frees the form once the messages being handled are done (also before
  // its window exists).
  void Release();
  void SetVisible(bool visible) override;

  void WndProc(TMessage& message) override;
  void PaintTo(HDC dc, int x, int y) override;
  using TControl::PaintTo;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle() override;
  void BeforeDestroy() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TWinControl;
  void ControlRemoved(TWinControl* control);
  void ApplyPosition();
  void FocusFirst();
  void WindowStyle(DWORD& style, DWORD& ex_style) const;
  HWND OwnerWindow() const;
  RECT FrameFor(int client_width, int client_height) const;
  // Menu messages of the window (commands, owner draw, menu changes): true when handled.
  bool MenuMessage(TMessage& m);

  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  TBorderIcons border_icons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                             TBorderIcon::biMaximize};
  int border_width_ = 0;
  TPosition position_ = TPosition::poDesigned;
  bool scaled_ = true;
  int pixels_per_inch_ = 96;
  int text_height_ = 13;
  bool old_create_order_ = false;
  bool auto_scroll_ = false;
  bool key_preview_ = false;
  TWindowState window_state_ = TWindowState::wsNormal;
  TIcon icon_;
  TMainMenu* menu_ = nullptr;
  int client_width_ = -1, client_height_ = -1;  // asked for before the window exists
  TWinControl* active_control_ = nullptr;
  bool active_ = false;
  bool positioned_ = false;
  bool modal_ = false;
  int modal_result_ = mrNone;
};

}  // namespace kestrova::framework
