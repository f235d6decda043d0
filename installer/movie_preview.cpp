#include "installer/movie_preview.h"

#include "common/error.h"
#include "framework/class_builder.h"
#include "movie/swf/decoder.h"

namespace kestrova {

using namespace framework;

const ClassInfo& TMoviePreview::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TMoviePreview>("TMoviePreview", &TPanel::StaticClass())
          .Binary("ControlData", &TMoviePreview::ControlData, &TMoviePreview::SetControlData)
          .Build();
  return info;
}

TMoviePreview::TMoviePreview(TComponent* owner) : TPanel(owner) {
  SetBevelOuter(TBevelCut::bvLowered);
  SetCaption("");
}

TMoviePreview::~TMoviePreview() = default;

void TMoviePreview::Play() {
  playing_ = true;
  if (movie_.empty()) return;
  try {
    auto movie = std::make_shared<const swf::Movie>(swf::LoadMovie(movie_));
    player_ = std::make_unique<movie::Player>(movie);
    renderer_ = std::make_unique<movie::Renderer>(movie);
  } catch (const Error&) {
    player_.reset();
    return;
  }
  if (!timer_) {
    timer_ = new TTimer(this);
    timer_->OnTimer = [this](TComponent*) { NextFrame(); };
  }
  timer_->SetInterval(int(player_->FrameInterval()));
  timer_->SetEnabled(true);
  frames_shown_ = 1;
  Invalidate();
}

void TMoviePreview::NextFrame() {
  player_->Advance();
  ++frames_shown_;
  Invalidate();
}

// The frame is drawn off screen at the preview's size and copied in one go.
void TMoviePreview::Paint() {
  if (!player_) {
    TPanel::Paint();  // no movie yet: the sunken empty panel
    return;
  }
  RECT r = ClientRect();
  frame_.SetSize(r.right - r.left, r.bottom - r.top);
  renderer_->Render(*player_, frame_.Pixels());
  Canvas().Draw(0, 0, frame_);
}

std::string TMoviePreview::StateValue(const std::string& name) const {
  constexpr size_t kHeader = 8;  // "KSF1", block size, entry count
  const std::string wanted = name + "=";
  std::string entry;
  for (size_t i = kHeader; i + 1 < control_data_.size(); i += 2) {
    uint16_t unit = uint16_t(control_data_[i] | control_data_[i + 1] << 8);
    if (unit != 0) {
      entry.push_back(unit < 0x80 ? char(unit) : '?');
      continue;
    }
    if (entry.empty()) break;  // the padding
    if (entry.compare(0, wanted.size(), wanted) == 0) return entry.substr(wanted.size());
    entry.clear();
  }
  return "";
}

}  // namespace kestrova
