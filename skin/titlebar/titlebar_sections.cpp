// TsuiTitleBarSection: one picture of the title bar's row, and the
// collection that repaints its bar on every change.
#include "skin/titlebar/titlebar_sections.h"

#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using namespace framework;

void TsuiTitleBarSection::SetWidth(int width) {
  width_ = width;
  Changed();
}

bool TsuiTitleBarSection::ClientTaken() const {
  const TCollection* sections = Collection();
  if (!sections) return align_ == TsuiTitleBarAlign::suiClient;
  for (int i = 0; i < sections->Count(); ++i) {
    auto* s = static_cast<const TsuiTitleBarSection*>(sections->Item(i));
    if (s->align_ == TsuiTitleBarAlign::suiClient) return true;
  }
  return false;
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align) {
  if (align == TsuiTitleBarAlign::suiClient) {
    if (ClientTaken()) {
      ShowTitleBarMisuse("Sorry, only one section's Align property can be \"suiClient\"");
      return;
    }
    stretch_ = true;
  }
  align_ = align;
  Changed();
}

void TsuiTitleBarSection::SetPicture(const TPicture& picture) { SetPicture(picture.Bitmap()); }

void TsuiTitleBarSection::SetPicture(const TBitmap& bitmap) {
  picture_.Bitmap().Assign(bitmap);
  if (auto_size_ && !picture_.Empty()) width_ = picture_.Width();
  Changed();
}

void TsuiTitleBarSection::SetStretch(bool stretch) {
  stretch_ = stretch || align_ == TsuiTitleBarAlign::suiClient;
  Changed();
}

void TsuiTitleBarSection::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (!picture_.Empty()) width_ = picture_.Width();
  Changed();
}

void TsuiTitleBarSection::SetCapSec(bool cap_sec) {
  cap_sec_ = cap_sec;
  Changed();
}

void TsuiTitleBarSection::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TsuiTitleBarSection*>(&source);
  if (!other) return TCollectionItem::Assign(source);
  SetWidth(other->width_);
  SetAlign(other->align_);
  SetPicture(other->picture_);
  SetStretch(other->stretch_);
  SetAutoSize(other->auto_size_);
  // A copy of a caption section stays one: the caption keeps its place.
  SetCapSec(other->cap_sec_);
}

TsuiTitleBarSections::TsuiTitleBarSections(TsuiTitleBar* bar) : TOwnedCollection(bar), bar_(bar) {}

void TsuiTitleBarSections::Update(TCollectionItem*) {
  if (bar_) bar_->Paint();
}

}  // namespace kestrova::skin
