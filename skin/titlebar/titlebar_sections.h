// The picture sections of a title bar, in drawing order. A section change
// repaints the bar that owns the collection.
//
//   TsuiTitleBarSection* s = bar->Sections().Add();
//   s->SetAutoSize(true);
//   s->SetPicture(left);            // Width follows the picture
//   s->SetAlign(TsuiTitleBarAlign::suiClient);   // stretched between the others
#pragma once

#include "framework/collection.h"
#include "framework/picture.h"
#include "skin/titlebar/titlebar_types.h"

namespace kestrova::skin {

class TsuiTitleBar;

class TsuiTitleBarSection : public framework::TCollectionItem {
  KESTROVA_CLASS(TsuiTitleBarSection)

 public:
  int Width() const { return width_; }
  void SetWidth(int width);
  TsuiTitleBarAlign Align() const { return align_; }
  // Only one section of a collection may be the client section: a second
  // one is refused with a message box.
  void SetAlign(TsuiTitleBarAlign align);
  framework::TPicture& Picture() { return picture_; }
  const framework::TPicture& Picture() const { return picture_; }
  void SetPicture(const framework::TPicture& picture);
  void SetPicture(const framework::TBitmap& bitmap);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  // A caption section: its width follows the caption text.
  bool CapSec() const { return cap_sec_; }
  void SetCapSec(bool cap_sec);

  // Width, Align, Picture, Stretch and AutoSize of another section.
  void Assign(const framework::TPersistent& source) override;

 private:
  bool ClientTaken() const;

  int width_ = 10;
  TsuiTitleBarAlign align_ = TsuiTitleBarAlign::suiLeft;
  framework::TPicture picture_;
  bool stretch_ = false;
  bool auto_size_ = false;
  bool cap_sec_ = false;
};

class TsuiTitleBarSections : public framework::TOwnedCollection<TsuiTitleBarSection> {
  KESTROVA_CLASS(TsuiTitleBarSections)

 public:
  explicit TsuiTitleBarSections(TsuiTitleBar* bar = nullptr);
  TsuiTitleBar* Bar() const { return bar_; }

 protected:
  void Update(framework::TCollectionItem* item) override;

 private:
  TsuiTitleBar* bar_;
};

}  // namespace kestrova::skin
