#include "framework/control.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/action.h"
#include "framework/action_link.h"
#include "framework/bitmap.h"
#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/win_control.h"

namespace kestrova::framework {

namespace {
const std::vector<std::string> kAlignNames = {"alNone", "alTop",   "alBottom",
                                              "alLeft", "alRight", "alClient"};
const std::vector<std::string> kBiDiNames = {"bdLeftToRight", "bdRightToLeft",
                                             "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};
}  // namespace

const ClassInfo& TControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TControl>("TControl", &TComponent::StaticClass())
          .Component<TCustomAction>("Action", &TControl::Action, &TControl::SetAction)
          .Integer("Left", &TControl::Left, &TControl::SetLeft)
          .Integer("Top", &TControl::Top, &TControl::SetTop)
          .Integer("Width", &TControl::Width, &TControl::SetWidth)
          .Integer("Height", &TControl::Height, &TControl::SetHeight)
          .Enumeration<TAlign>("Align", &TControl::Align, &TControl::SetAlign, kAlignNames,
                               TAlign::alNone)
          .Set<TAnchorKind>("Anchors", &TControl::Anchors, &TControl::SetAnchors,
                            {"akLeft", "akTop", "akRight", "akBottom"},
                            TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop})
          .Enumeration<TBiDiMode>("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode,
                                  kBiDiNames, TBiDiMode::bdLeftToRight)
          .StoredWhen([](const TControl& c) { return !c.ParentBiDiMode(); })
          .String("Caption", &TControl::Caption, &TControl::SetCaption)
          .StoredWhen([](const TControl& c) { return !c.Caption().empty(); })
          .Color("Color", &TControl::Color, &TControl::SetColor)
          .StoredWhen([](const TControl& c) { return !c.ParentColor(); })
          .Object("Constraints", &TControl::Constraints)
          .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
          .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
          .StoredWhen([](const TControl& c) { return !c.ParentFont(); })
          .String("Hint", &TControl::Hint, &TControl::SetHint)
          .StoredWhen([](const TControl& c) { return !c.Hint().empty(); })
          .Boolean("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true)
          .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
          .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
          .Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
          .Component<TComponent>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
          .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
          .StoredWhen([](const TControl& c) { return !c.ParentShowHint(); })
          .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
          .Event("OnClick", &TControl::OnClick)
          .Event("OnDblClick", &TControl::OnDblClick)
          .Event("OnMouseDown", &TControl::OnMouseDown)
          .Event("OnMouseMove", &TControl::OnMouseMove)
          .Event("OnMouseUp", &TControl::OnMouseUp)
          .Event("OnResize", &TControl::OnResize)
          .Build();
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  window_proc_ = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::BeforeDestroy() {
  if (parent_) parent_->RemoveControl(this);
  TComponent::BeforeDestroy();
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popup_menu_) popup_menu_ = nullptr;
  if (operation == TOperation::opRemove && action_ && component == action_) SetAction(nullptr);
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage m{msg, wparam, lparam, 0};
  Dispatch(m);
  return m.result;
}

void TControl::Dispatch(TMessage& m) {
  Hold hold(this);
  // A copy: the procedure may be replaced while it runs.
  TWndMethod proc = window_proc_;
  if (hooks_ && !hooks_->hooks.empty())
    hooks_->Run(m, proc);
  else
    proc(m);
}

TWindowHook TControl::HookWindowProc(TWindowHookProc hook) {
  if (!hooks_) hooks_ = std::make_shared<TWindowHookList>();
  int id = hooks_->next_id++;
  hooks_->hooks.emplace_back(id, std::make_shared<TWindowHookProc>(std::move(hook)));
  return TWindowHook(hooks_, id);
}

void TControl::SetWindowProc(TWndMethod proc) {
  window_proc_ = proc ? std::move(proc) : TWndMethod([this](TMessage& m) { WndProc(m); });
}

TShiftState MouseShiftState(WPARAM w) {
  TShiftState s;
  if (w & MK_SHIFT) s.Include(TShiftFlag::ssShift);
  if (w & MK_CONTROL) s.Include(TShiftFlag::ssCtrl);
  if (w & MK_LBUTTON) s.Include(TShiftFlag::ssLeft);
  if (w & MK_RBUTTON) s.Include(TShiftFlag::ssRight);
  if (w & MK_MBUTTON) s.Include(TShiftFlag::ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(TShiftFlag::ssAlt);
  return s;
}

TShiftState KeyboardShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(TShiftFlag::ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(TShiftFlag::ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(TShiftFlag::ssAlt);
  return s;
}

void TControl::WndProc(TMessage& m) {
  switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(m);
      return;
    case CM_PARENTFONTCHANGED:
      SyncParentFont();
      return;
    case CM_PARENTCOLORCHANGED:
      SyncParentColor();
      return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
      TextChanged();
      Invalidate();
      return;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      Invalidate();
      return;
    default:
      DefaultHandler(m);
  }
}

void TControl::DefaultHandler(TMessage& m) {
  switch (m.msg) {
    case WM_GETTEXTLENGTH:
      m.result = LRESULT(text_.size());
      break;
    default:
      m.result = 0;
  }
}

void TControl::HandleMouse(TMessage& m) {
  int x = GET_X_LPARAM(m.lparam), y = GET_Y_LPARAM(m.lparam);
  TShiftState shift = MouseShiftState(m.wparam);
  bool capture = control_style_.Contains(TControlStyleFlag::csCaptureMouse);
  UINT msg = m.msg;
  // Without double clicks a second press is a plain press.
  if (!control_style_.Contains(TControlStyleFlag::csDoubleClicks)) {
    if (msg == WM_LBUTTONDBLCLK) msg = WM_LBUTTONDOWN;
    if (msg == WM_RBUTTONDBLCLK) msg = WM_RBUTTONDOWN;
    if (msg == WM_MBUTTONDBLCLK) msg = WM_MBUTTONDOWN;
  }
  DefaultHandler(m);
  switch (msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (capture) SetMouseCapture(true);
      if (control_style_.Contains(TControlStyleFlag::csClickEvents))
        control_state_.Include(TControlStateFlag::csClicked);
      if (msg == WM_LBUTTONDBLCLK) {
        shift.Include(TShiftFlag::ssDouble);
        DblClick();
      }
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_LBUTTONUP:
      if (capture) SetMouseCapture(false);
      // The click rule: a release inside after a press on the control.
      if (control_state_.Contains(TControlStateFlag::csClicked)) {
        control_state_.Exclude(TControlStateFlag::csClicked);
        RECT r = ClientRect();
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) Click();
        if (Destroying()) return;  // freed by its click
      }
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, x, y);
      break;
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() {
  if (OnClick)
    OnClick(this);
  else if (action_link_)
    action_link_->Execute();
}

void TControl::DblClick() { OnDblClick(this); }

void TControl::Resize() { OnResize(this); }

bool TControl::MouseCapture() const {
  HWND captured = GetCapture();
  if (!captured) return false;
  if (auto* self = dynamic_cast<const TWinControl*>(this))
    return self->HandleAllocated() && self->handle_value() == captured;
  return parent_ && parent_->capture_child_ == this && parent_->handle_value() == captured;
}

void TControl::SetMouseCapture(bool capture) {
  if (auto* self = dynamic_cast<TWinControl*>(this)) {
    if (capture)
      SetCapture(self->Handle());
    else if (MouseCapture())
      ReleaseCapture();
    return;
  }
  if (!parent_) return;
  if (capture) {
    parent_->capture_child_ = this;
    SetCapture(parent_->Handle());
  } else if (parent_->capture_child_ == this) {
    parent_->capture_child_ = nullptr;
    if (GetCapture() == parent_->handle_value()) ReleaseCapture();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  constraints_.Apply(width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  bool resized = width != width_ || height != height_;
  left_ = left, top_ = top, width_ = width, height_ = height;
  Invalidate();
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
  if (resized) Resize();
}

void TControl::UpdateBoundsFromWindow(int left, int top, int width, int height) {
  bool resized = width != width_ || height != height_;
  left_ = left, top_ = top, width_ = width, height_ = height;
  if (resized) Resize();
}

RECT TControl::ClientRect() const { return {0, 0, width_, height_}; }

int TControl::ClientWidth() const {
  RECT r = ClientRect();
  return r.right - r.left;
}

int TControl::ClientHeight() const {
  RECT r = ClientRect();
  return r.bottom - r.top;
}

void TControl::SetClientWidth(int width) { SetWidth(width_ + width - ClientWidth()); }

void TControl::SetClientHeight(int height) { SetHeight(height_ + height - ClientHeight()); }

POINT TControl::ClientToScreen(POINT p) const {
  if (auto* self = dynamic_cast<const TWinControl*>(this)) {
    if (self->HandleAllocated()) ::ClientToScreen(self->handle_value(), &p);
    return p;
  }
  if (!parent_) return p;
  return parent_->ClientToScreen({p.x + left_, p.y + top_});
}

POINT TControl::ScreenToClient(POINT p) const {
  if (auto* self = dynamic_cast<const TWinControl*>(this)) {
    if (self->HandleAllocated()) ::ScreenToClient(self->handle_value(), &p);
    return p;
  }
  if (!parent_) return p;
  POINT q = parent_->ScreenToClient(p);
  return {q.x - left_, q.y - top_};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->AlignControls();
}

void TControl::AnchorMoved(int dx, int dy) {
  if (align_ != TAlign::alNone) return;
  int l = left_, t = top_, w = width_, h = height_;
  bool left = anchors_.Contains(TAnchorKind::akLeft),
       right = anchors_.Contains(TAnchorKind::akRight);
  bool top = anchors_.Contains(TAnchorKind::akTop),
       bottom = anchors_.Contains(TAnchorKind::akBottom);
  if (right && left)
    w += dx;
  else if (right)
    l += dx;
  if (bottom && top)
    h += dy;
  else if (bottom)
    t += dy;
  SetBounds(l, t, w, h);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw Error("A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) {
    parent->InsertControl(this);
    SyncParentFont();
    SyncParentColor();
    if (parent_bidi_mode_) bidi_mode_ = parent->BiDiMode();
    if (parent_show_hint_) show_hint_ = parent->ShowHint();
  }
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  Perform(CM_VISIBLECHANGED, visible);
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::FontChanged() {
  if (!syncing_font_) parent_font_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SyncParentFont() {
  if (!parent_font_ || !parent_) return;
  syncing_font_ = true;
  font_.Assign(parent_->Font());
  syncing_font_ = false;
}

void TControl::SetParentFont(bool parent_font) {
  if (parent_font == parent_font_) return;
  parent_font_ = parent_font;
  SyncParentFont();
}

void TControl::SetColor(TColor color) {
  parent_color_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SyncParentColor() {
  if (!parent_color_ || !parent_ || color_ == parent_->Color()) return;
  color_ = parent_->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parent_color) {
  if (parent_color == parent_color_) return;
  parent_color_ = parent_color;
  SyncParentColor();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  parent_bidi_mode_ = false;
  if (mode == bidi_mode_) return;
  bidi_mode_ = mode;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool v) {
  parent_bidi_mode_ = v;
  if (v && parent_) bidi_mode_ = parent_->BiDiMode();
}

void TControl::SetPopupMenu(TComponent* menu) {
  if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
  popup_menu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::SetShowHint(bool v) {
  show_hint_ = v;
  parent_show_hint_ = false;
}

void TControl::SetParentShowHint(bool v) {
  parent_show_hint_ = v;
  if (v && parent_) show_hint_ = parent_->ShowHint();
}

void TControl::ChangeStyle(TControlStyleFlag flag, bool on) {
  if (on)
    control_style_.Include(flag);
  else
    control_style_.Exclude(flag);
}

void TControl::Invalidate() {
  if (!parent_) return;
  // What the parent paints changed, whether or not it is on screen yet.
  ++parent_->paint_generation_;
  if (!parent_->HandleAllocated() || !visible_) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->handle_value(), &r,
                 !control_style_.Contains(TControlStyleFlag::csOpaque));
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& v = parent_->controls_;
  v.erase(std::remove(v.begin(), v.end(), this), v.end());
  v.push_back(this);
  if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated())
    SetWindowPos(self->handle_value(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Invalidate();
}

void TControl::PaintTo(TBitmap& bitmap) {
  bitmap.SetSize(width_, height_);
  bitmap.Canvas().Brush().SetColor(color_);
  bitmap.Canvas().FillRect({0, 0, width_, height_});
  PaintTo(bitmap.Canvas().Handle(), 0, 0);
  GdiFlush();
}

void TControl::Loaded() {
  TComponent::Loaded();
  SyncParentFont();
  SyncParentColor();
}

}  // namespace kestrova::framework
