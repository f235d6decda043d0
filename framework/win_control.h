// TWinControl: a control with its own window (a real child HWND, or the
// top-level window of a form): children, focus, tab order, keyboard events,
// and the routing of dialog keys (CM_DIALOGKEY) and accelerators (CM_DIALOGCHAR).
//
//   auto* panel = new TPanel(form);
//   panel->SetParent(form);        // the HWND is made when first needed
//   HWND h = panel->Handle();
//   button->SetTabOrder(0);
//   form->SelectNext(form->ActiveControl(), true, true);
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/handles.h"

namespace kestrova::framework {

struct TCreateParams {
  std::wstring window_class;  // empty: the framework's own window class
  std::wstring caption;
  DWORD style = 0;
  DWORD ex_style = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
};

class TWinControl : public TControl {
  KESTROVA_CLASS(TWinControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, made (with its parents' and children's) when first asked for.
  HWND Handle();
  bool HandleAllocated() const { return bool(handle_); }
  void HandleNeeded() { Handle(); }
  // Destroys and re-creates the window (style changes that need it).
  void RecreateWnd();
  // The control of a window made by the framework, or null.
  static TWinControl* FromHandle(HWND window);

  const std::vector<TControl*>& Controls() const { return controls_; }
  int ControlCount() const { return int(controls_.size()); }
  // The visible, enabled child (graphic ones included) at a client point.
  TControl* ControlAtPos(POINT p, bool allow_disabled = false) const;
  // Sends a message to every child until one sets a result.
  void Broadcast(TMessage& message);
  // Sends a message to every child, whatever each answers.
  void NotifyAll(const TMessage& message);
  void NotifyControls(UINT msg);

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop);
  // Windowed descendants in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // Moves the focus to the next (or previous) control after `current`.
  void SelectNext(TWinControl* current, bool forward, bool check_tab_stop);
  virtual bool CanFocus() const;
  virtual void SetFocus();
  bool Focused() const;

  TBrush& Brush() { return brush_; }

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetText(const std::string& text) override;
  void Invalidate() override;
  void Update() override;
  // Counts the framework's invalidations of this window's own picture (its
  // own and its graphic children's): a see-through child that keeps what
  // lies behind it compares this count (PaintStamp, picture_cache.h).
  uint64_t PaintGeneration() const { return paint_generation_; }
  void PaintTo(HDC dc, int x, int y) override;
  using TControl::PaintTo;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // The window exists (children not yet created).
  virtual void CreateWindowHandle() {}
  // WM_PAINT of the framework's own window class: the control's own drawing.
  virtual void PaintWindow(HDC /*dc*/) {}
  void PaintControls(HDC dc);
  void AlignControls();
  void BeforeDestroy() override;
  virtual void DoEnter() { OnEnter(this); }
  virtual void DoExit() { OnExit(this); }
  virtual bool DoKeyDown(uint16_t& key, TShiftState shift);
  virtual bool DoKeyUp(uint16_t& key, TShiftState shift);
  virtual bool DoKeyPress(wchar_t& key);
  bool SystemClass() const { return system_class_; }
  HWND handle_value() const { return handle_.Get(); }

 private:
  friend class TControl;
  friend class TForm;
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // A control id for a new child window, distinct among its siblings, so
  // WM_MEASUREITEM (which names the control only by id) finds its control.
  UINT NextChildId();
  void Attach(HWND window);
  void Detach();
  void CreateHandleTree();
  // Each job's share of WndProc; true when the message is dealt with.
  bool HandleMouseMessage(TMessage& m);
  bool HandleKeyMessage(TMessage& m);
  bool HandlePaintMessage(TMessage& m);
  bool ReflectNotification(TMessage& m);
  void PaintHandler(TMessage& m);
  void TrackMouse(TMessage& m);
  void LeaveIfMouseOutside();
  bool RouteMouseToChild(TMessage& m);
  void HandleDialogKey(TMessage& m);
  void ApplyStoredTabOrders();
  void AlignOnce();
  void WmWindowPosChanged(const WINDOWPOS& pos);
  TWinControl* TopParent();

  WindowHandle handle_;
  WNDPROC default_proc_ = nullptr;
  bool system_class_ = false;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  int stored_tab_order_ = -1;
  bool tab_stop_ = false;
  UINT next_child_id_ = 0;
  TBrush brush_;
  // Top-level only: the control under the mouse (CM_MOUSEENTER/LEAVE).
  TControl* mouse_control_ = nullptr;
  // A graphic child that holds the capture of this window.
  TControl* capture_child_ = nullptr;
  int last_client_width_ = -1, last_client_height_ = -1;
  bool tracking_leave_ = false;
  bool aligning_ = false;
  // The child whose background is being painted (left out of PaintControls).
  TControl* background_for_ = nullptr;
  uint64_t paint_generation_ = 0;
  friend void PaintParentBackground(TControl& control, HDC dc);
};

// Paints the control's parent (its background and its other graphic
// children, clipped to the parent's client area) into `dc`, which is in the
// control's coordinates: what a see-through control shows behind itself.
void PaintParentBackground(TControl& control, HDC dc);

// A framework control for any window (the window itself or its nearest
// framework ancestor), or null.
TWinControl* FindControl(HWND window);

}  // namespace kestrova::framework
