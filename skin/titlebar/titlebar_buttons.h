// The title buttons of a title bar: their pictures per style (three frames
// of the style's 18-frame strip per role: normal, mouse over, pressed) and
// their actions on the bar's form. A button change repaints the bar.
//
//   TsuiTitleBarButton* b = bar->Buttons().Add();   // a visible suiCustom button
//   b->SetButtonType(TsuiTitleBarBtnType::suiHelp); // takes the style's help pictures
//   b->PerformAction();                             // what a click does
#pragma once

#include "framework/collection.h"
#include "framework/picture.h"
#include "framework/popup_menu.h"
#include "skin/style_table.h"
#include "skin/titlebar/titlebar_types.h"

namespace kestrova::framework {
class TForm;
}

namespace kestrova::skin {

class TsuiTitleBar;

// The first of the three strip frames (from 1) of a role; 0 for suiCustom,
// which has no built-in pictures. suiMax gives the frames of a window that
// is not maximized.
int TitleButtonFirstFrame(TsuiTitleBarBtnType type);
constexpr int kTitleButtonFrames = 18;
constexpr int kRestoreFirstFrame = 10;

class TsuiTitleBarButton : public framework::TCollectionItem {
  KESTROVA_CLASS(TsuiTitleBarButton)

 public:
  TsuiTitleBarButton();
  ~TsuiTitleBarButton() override;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  TsuiTitleBarBtnType ButtonType() const { return type_; }
  // Only one button of a collection may be the control box: a second one is
  // refused with a message box.
  void SetButtonType(TsuiTitleBarBtnType type);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  int Top() const { return top_; }
  void SetTop(int top);
  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  framework::TPicture& PicNormal() { return pictures_[0]; }
  framework::TPicture& PicMouseOn() { return pictures_[1]; }
  framework::TPicture& PicMouseDown() { return pictures_[2]; }
  const framework::TPicture& PicNormal() const { return pictures_[0]; }
  const framework::TPicture& PicMouseOn() const { return pictures_[1]; }
  const framework::TPicture& PicMouseDown() const { return pictures_[2]; }
  void SetPicNormal(const framework::TPicture& picture) { SetPicture(0, picture); }
  void SetPicMouseOn(const framework::TPicture& picture) { SetPicture(1, picture); }
  void SetPicMouseDown(const framework::TPicture& picture) { SetPicture(2, picture); }
  // Shown by a control-box button instead of the bar's window menu.
  framework::TPopupMenu* ControlBoxMenu() const { return control_box_menu_; }
  void SetControlBoxMenu(framework::TPopupMenu* menu);

  // All three pictures hold images (only such a button is drawn).
  bool HasPictures() const;
  // The bar whose collection holds the button, or null.
  TsuiTitleBar* Bar() const;

  // The pictures, transparency and top of the button's style, from the
  // bar's file theme when the style says so.
  void LoadStylePictures();
  // A maximize button's pictures for its form's state: restore frames while
  // the form is maximized.
  void LoadMaximizePictures();
  // What a click on the button does to the bar's form.
  void PerformAction();

  void Assign(const framework::TPersistent& source) override;

 protected:
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  void SetPicture(int index, const framework::TPicture& picture);
  void LoadFrames(int first);
  bool ControlBoxTaken() const;
  void Maximize();
  void PopUpControlBoxMenu();

  bool visible_ = true;
  TsuiTitleBarBtnType type_ = TsuiTitleBarBtnType::suiCustom;
  bool transparent_ = false;
  int top_ = 2;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  framework::TPicture pictures_[3];
  framework::TPopupMenu* control_box_menu_ = nullptr;
};

class TsuiTitleBarButtons : public framework::TOwnedCollection<TsuiTitleBarButton> {
  KESTROVA_CLASS(TsuiTitleBarButtons)

 public:
  explicit TsuiTitleBarButtons(TsuiTitleBar* bar = nullptr);
  TsuiTitleBar* Bar() const { return bar_; }
  // The first visible button of the type, or null.
  TsuiTitleBarButton* FindVisible(TsuiTitleBarBtnType type) const;

 protected:
  void Update(framework::TCollectionItem* item) override;

 private:
  TsuiTitleBar* bar_;
};

// The error box of a misused title bar item ("Sorry, ...").
void ShowTitleBarMisuse(const char* text);

// Minimizes the form: the whole application when it is the main form.
void MinimizeForm(framework::TForm& form);

}  // namespace kestrova::skin
