// TControl: anything visible on a form, windowed or not: bounds and
// alignment, parent, visibility, font and colour (with the parent's), text,
// the standard mouse processing and click rule, and the replaceable window
// procedure through which every message reaches it.
//
//   control->SetBounds(8, 8, 120, 24);
//   control->OnClick = [](TComponent*) { ... };
//   TWndMethod saved = control->WindowProc();         // take over ...
//   control->SetWindowProc([saved](TMessage& m) { ...; saved(m); });
//   control->SetWindowProc(saved);                    // ... and give back
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/events.h"
#include "framework/graphics.h"
#include "framework/messages.h"
#include "framework/size_constraints.h"
#include "framework/window_hook.h"

namespace kestrova::framework {

class TWinControl;
class TForm;
class TBitmap;
class TCustomAction;
class TActionLink;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = SetOf<TAnchorKind>;
enum class TBiDiMode {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};

enum class TControlStyleFlag {
  csAcceptsControls,
  csCaptureMouse,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoStdEvents,
};
using TControlStyle = SetOf<TControlStyleFlag>;
enum class TControlStateFlag { csLButtonDown, csClicked, csFocusing, csCreating, csPaintCopy };
using TControlState = SetOf<TControlStateFlag>;

class TControl : public TComponent {
  KESTROVA_CLASS(TControl)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Messages. Perform sends through WindowProc, like a window message would.
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
  // Hands a message to the hooks (newest first), then to WindowProc, with
  // the control held (see TComponent::Hold) until it returns.
  void Dispatch(TMessage& message);
  // Puts a hook in front of the window procedure; it calls `next` to pass
  // the message on. The hook stays until its token goes, whatever the order
  // in which hooks come and go.
  [[nodiscard]] TWindowHook HookWindowProc(TWindowHookProc hook);
  const TWndMethod& WindowProc() const { return window_proc_; }
  void SetWindowProc(TWndMethod proc);
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  // Geometry (parent client coordinates; screen coordinates for forms).
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const;
  int ClientWidth() const;
  int ClientHeight() const;
  virtual void SetClientWidth(int width);
  virtual void SetClientHeight(int height);
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors) { anchors_ = anchors; }
  TSizeConstraints& Constraints() { return constraints_; }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The form the control sits on (itself for a form), or null.
  TForm* ParentForm() const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to a top-level window that is shown.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool parent_color);

  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text) { SetText(text); }
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  TBiDiMode BiDiMode() const { return bidi_mode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool ParentBiDiMode() const { return parent_bidi_mode_; }
  void SetParentBiDiMode(bool v);
  bool UseRightToLeftReading() const { return bidi_mode_ != TBiDiMode::bdLeftToRight; }
  // Caption, enabled state, hint and visibility follow the action; a click
  // without an OnClick executes it.
  TCustomAction* Action() const { return action_; }
  void SetAction(TCustomAction* action);
  TComponent* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TComponent* menu);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool v);

  TControlStyle ControlStyle() const { return control_style_; }
  void SetControlStyle(TControlStyle style) { control_style_ = style; }
  TControlState ControlState() const { return control_state_; }

  // Mouse capture: a windowed control captures its window, a graphic control
  // its parent's (the parent then routes mouse messages to it).
  bool MouseCapture() const;
  void SetMouseCapture(bool capture);

  virtual void Click();
  virtual void DblClick();
  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();

  // Paints the control (and its children) as on screen into a DC at (x, y)...
  virtual void PaintTo(HDC dc, int x, int y) = 0;
  // ... or into a bitmap the size of the control.
  void PaintTo(TBitmap& bitmap);

  void Loaded() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;

 protected:
  void BeforeDestroy() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The linked action changed (or was just linked).
  virtual void ActionChange(TCustomAction& action);

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Resize();
  // Told when the text, font or colour changed (after the matching CM_).
  virtual void TextChanged() {}
  void ChangeStyle(TControlStyleFlag flag, bool on);
  // The parent's client area changed by (dx, dy): apply the anchors.
  void AnchorMoved(int dx, int dy);
  // Stores bounds without moving any window (a window told us it moved).
  void UpdateBoundsFromWindow(int left, int top, int width, int height);

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  TControlState control_state_;

 private:
  void HandleMouse(TMessage& m);
  void FontChanged();
  void SyncParentFont();
  void SyncParentColor();

  TWndMethod window_proc_;
  std::shared_ptr<TWindowHookList> hooks_;
  TWinControl* parent_ = nullptr;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
  TSizeConstraints constraints_;
  bool enabled_ = true;
  TFont font_;
  bool parent_font_ = true;
  bool syncing_font_ = false;
  TColor color_ = clWindow;
  bool parent_color_ = false;
  std::string text_;
  TBiDiMode bidi_mode_ = TBiDiMode::bdLeftToRight;
  bool parent_bidi_mode_ = true;
  TComponent* popup_menu_ = nullptr;
  TCustomAction* action_ = nullptr;
  std::unique_ptr<TActionLink> action_link_;
  std::string hint_;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;
  TControlStyle control_style_{TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                               TControlStyleFlag::csSetCaption, TControlStyleFlag::csDoubleClicks};

  friend class TWinControl;
};

// Shift state of a mouse message's wParam, and of the keyboard now.
TShiftState MouseShiftState(WPARAM wparam);
TShiftState KeyboardShiftState();

}  // namespace kestrova::framework
