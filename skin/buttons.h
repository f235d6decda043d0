// The skinned push button and check box: windowed controls drawn from a
// picture strip of the current style (or of a file theme), composed off
// screen and copied in one blit.
//
//   auto* b = new TsuiButton(form);
//   b->SetParent(form);
//   b->SetUIStyle(TsuiUIStyle::MacOS);   // transparent, black caption
//   b->SetCaption("&Install");
//   b->OnClick = [](TComponent*) { ... };
//
//   auto* c = new TsuiCheckBox(form);
//   c->SetParent(form);
//   c->SetCaption("Set as default screensaver");
//   bool on = c->Checked();
#pragma once

#include <memory>

#include "framework/bitmap.h"
#include "framework/check_box.h"
#include "framework/custom_control.h"
#include "framework/picture_cache.h"
#include "framework/timer.h"
#include "skin/style_table.h"

namespace kestrova::skin {

class TsuiFileTheme;

// The query every skinned button answers with 1.
constexpr UINT SUIM_ISSKINBUTTON = 35768;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TsuiCustomButton : public framework::TCustomControl {
  KESTROVA_CLASS(TsuiCustomButton)

 public:
  explicit TsuiCustomButton(framework::TComponent* owner);
  ~TsuiCustomButton() override;

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int v) { modal_result_ = v; }
  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);
  int FocusedRectMargin() const { return focused_rect_margin_; }
  void SetFocusedRectMargin(int v);
  int MouseContinuouslyDownInterval() const { return repeat_interval_; }
  void SetMouseContinuouslyDownInterval(int v) { repeat_interval_ = v; }
  void SetEnabled(bool enabled) override;

  bool Hovering() const { return hovering_; }
  bool Pressed() const { return pressed_; }
  bool ActiveDefault() const { return active_default_; }

  void Click() override;
  void WndProc(framework::TMessage& message) override;
  // Also drops the kept picture: what the button shows changed.
  void Invalidate() override;

  framework::TNotifyEvent OnMouseEnter;
  framework::TNotifyEvent OnMouseExit;
  framework::TNotifyEvent OnMouseContinuouslyDown;

 protected:
  virtual void ApplyAutoSize();
  virtual void CaptionChanged() {}
  virtual void FontChanged();
  virtual void TransparentChanged();
  virtual void EnabledChanged() {}
  virtual void UIStyleChanged() {}
  virtual void DrawStatePicture(framework::TCanvas& canvas, framework::TBitmap& picture);
  virtual void DrawCaption(framework::TCanvas& canvas, const std::string& text);
  virtual void DrawFocus(framework::TCanvas& canvas);
  virtual void LoadNormalFrame(framework::TBitmap& picture) { LoadFrame(picture, 1); }
  virtual void LoadHoverFrame(framework::TBitmap& picture) { LoadFrame(picture, 2); }
  virtual void LoadPressedFrame(framework::TBitmap& picture) { LoadFrame(picture, 3); }
  virtual void LoadDisabledFrame(framework::TBitmap& picture) { LoadFrame(picture, 1); }
  void ActionChange(framework::TCustomAction& action) override;

  void Paint() override;
  void CreateWindowHandle() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

  bool PicTransparent() const { return pic_transparent_; }
  bool BoldCaption() const { return bold_caption_; }
  void SetBoldCaption(bool v) { bold_caption_ = v; }
  // The effective style and whether the file theme draws.
  bool UsesFileTheme(TsuiUIStyle& effective) const;

 private:
  void LoadFrame(framework::TBitmap& picture, int frame);
  void LoadStateFrame(framework::TBitmap& picture);
  framework::PaintStamp Stamp() const;
  void ComposePicture(framework::TBitmap& buffer);
  void Release();  // not pressed, no auto-repeat
  void StopRepeat() { repeat_timer_.reset(); }
  void HandleKey(framework::TMessage& m);
  void HandleDialogKey(framework::TMessage& m);
  void HandleDialogChar(framework::TMessage& m);
  void HandleFocusChanged(framework::TMessage& m);

  bool auto_size_ = false;
  bool cancel_ = false;
  bool default_ = false;
  bool transparent_ = false;
  bool pic_transparent_ = false;
  int modal_result_ = 0;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* file_theme_ = nullptr;
  int focused_rect_margin_ = 2;
  int repeat_interval_ = 100;
  bool hovering_ = false;
  bool pressed_ = false;
  bool active_default_ = false;
  bool bold_caption_ = false;
  std::unique_ptr<framework::TTimer> repeat_timer_;
  framework::TPictureCache picture_;
};

class TsuiButton : public TsuiCustomButton {
  KESTROVA_CLASS(TsuiButton)

 public:
  explicit TsuiButton(framework::TComponent* owner);

  framework::TBitmap& Glyph() { return glyph_; }
  void SetGlyph(const framework::TBitmap& glyph);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  // Kept for designs that store it: always 0.
  uint32_t ResHandle() const { return 0; }
  void SetResHandle(uint32_t) {}

 protected:
  void UIStyleChanged() override;
  void DrawStatePicture(framework::TCanvas& canvas, framework::TBitmap& picture) override;
  void DrawCaption(framework::TCanvas& canvas, const std::string& text) override;
  void DrawFocus(framework::TCanvas& canvas) override;
  void ActionChange(framework::TCustomAction& action) override;

 private:
  void DrawGlyph(framework::TCanvas& canvas);

  framework::TBitmap glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int spacing_ = 4;
  POINT text_origin_{0, 0};
};

using framework::TCheckBoxState;

class TsuiCheckBox : public framework::TCustomControl {
  KESTROVA_CLASS(TsuiCheckBox)

 public:
  explicit TsuiCheckBox(framework::TComponent* owner);

  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  TCheckBoxState State() const {
    return checked_ ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
  }
  void SetState(TCheckBoxState state) { SetChecked(state == TCheckBoxState::cbChecked); }
  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  TsuiFileTheme* FileTheme() const { return file_theme_; }
  void SetFileTheme(TsuiFileTheme* theme);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  void SetEnabled(bool enabled) override;

  void Click() override;
  void WndProc(framework::TMessage& message) override;
  // Also drops the kept picture: what the box shows changed.
  void Invalidate() override;

 protected:
  virtual bool NeedDrawFocus() { return TabStop() && Focused(); }
  virtual bool PicTransparent() { return false; }
  virtual int PicElement() { return 3; }
  virtual int PicFileIndex() { return 16; }
  virtual void DoClick();
  virtual void BeforeToggle() {}
  virtual void Toggle();
  virtual bool KeyToggles() { return true; }

  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  void LoadBox(framework::TBitmap& picture);
  framework::PaintStamp Stamp();
  void ComposePicture(framework::TBitmap& buffer);

  bool checked_ = false;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* file_theme_ = nullptr;
  bool transparent_ = false;
  bool auto_size_ = true;
  framework::TPictureCache picture_;
};

// Registers the three classes for stored designs.
void RegisterButtonClasses();

}  // namespace kestrova::skin
