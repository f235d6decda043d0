#include "movie/control/shockwave_flash.h"

#include "common/error.h"
#include "framework/class_builder.h"
#include "framework/colors.h"
#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"

namespace kestrova::movie {

using namespace framework;

const ClassInfo& TShockwaveFlash::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TShockwaveFlash>("TShockwaveFlash", &TWinControl::StaticClass())
          .Binary("ControlData", &TShockwaveFlash::ControlData, &TShockwaveFlash::SetControlData)
          .Build();
  return info;
}

TShockwaveFlash::TShockwaveFlash(TComponent* owner) : TWinControl(owner), timer_(new TTimer(this)) {
  SetColor(clWhite);
  timer_->SetEnabled(false);
  timer_->OnTimer = [this](TComponent*) { NextFrame(); };
}

TShockwaveFlash::~TShockwaveFlash() = default;

void TShockwaveFlash::SetMovie(const std::string& path) {
  movie_path_ = path;
  try {
    ShowMovie(std::make_shared<const swf::Movie>(swf::LoadMovie(path)));
  } catch (const Error& e) {
    ShowMovie(nullptr);
    load_error_ = e.what();
  }
}

void TShockwaveFlash::ShowMovie(std::shared_ptr<const swf::Movie> movie) {
  timer_->SetEnabled(false);
  load_error_.clear();
  renderer_.reset();
  player_ = nullptr;
  runtime_.reset();
  timeline_only_.reset();
  script_warnings_ = 0;
  mouse_held_ = false;
  drawn_changes_ = kNothingDrawn;
  frames_rendered_ = 0;
  movie_ = std::move(movie);
  if (movie_) {
    StartPlayer();
    renderer_ = std::make_unique<Renderer>(movie_);
  }
  Invalidate();
}

// Traces and warnings go nowhere (warnings are only counted): a preview
// shows no error boxes. fscommand("quit") is not the installer's to obey.
void TShockwaveFlash::StartPlayer() {
  avm1::RuntimeOutput output;
  output.warn = [this](const std::string&) { ++script_warnings_; };
  try {
    runtime_ = std::make_unique<avm1::Runtime>(movie_, std::move(output));
    player_ = &runtime_->Player();
  } catch (const std::exception&) {
    PlayTimelineOnly();
  }
}

// A movie whose scripts fail plays on from its first frame without them.
void TShockwaveFlash::PlayTimelineOnly() {
  player_ = nullptr;
  runtime_.reset();
  timeline_only_ = std::make_unique<Player>(movie_);
  player_ = timeline_only_.get();
  drawn_changes_ = kNothingDrawn;
}

void TShockwaveFlash::Advance() {
  if (!runtime_) return player_->Advance();
  try {
    runtime_->Advance();
  } catch (const std::exception&) {
    PlayTimelineOnly();
  }
}

// A movie that did not load plays as an empty preview, silently: the user
// has nothing to fix, and the error would only name a temporary file.
void TShockwaveFlash::Play() {
  if (!player_) return;
  // The timer wakes about once a frame; the clock says how many frames are
  // due, so coarse or late ticks do not slow the movie down.
  clock_ = FrameClock(player_->FramePeriod());
  clock_.Start(FrameClock::Clock::now());
  timer_->SetInterval(static_cast<int>(player_->FrameInterval()));
  timer_->SetEnabled(true);
}

void TShockwaveFlash::NextFrame() {
  if (!player_) return;
  int due = clock_.FramesDue(FrameClock::Clock::now());
  if (due == 0) return;
  while (due-- > 0) Advance();
  // Frames that changed nothing (a stopped movie, empty frames) keep the
  // picture on screen as it is.
  // Drawn at once rather than through WM_PAINT, so that a busy queue does
  // not drop frames of the preview.
  RedrawIfChanged();
}

// The frame (or the background when there is no movie) into the DIB.
void TShockwaveFlash::DrawFrame() {
  RECT client = ClientRect();
  int width = std::max<int>(client.right - client.left, 1);
  int height = std::max<int>(client.bottom - client.top, 1);
  const bool resized = frame_.Width() != width || frame_.Height() != height;
  if (resized) frame_.SetSize(width, height);
  PixelView pixels = frame_.Pixels();
  if (renderer_ && player_) {
    if (!resized && drawn_changes_ == player_->Changes()) return;
    renderer_->Render(*player_, pixels);
    drawn_changes_ = player_->Changes();
    ++frames_rendered_;
    return;
  }
  Pixel background = ColorToPixel(ColorToRGB(Color()));
  for (int y = 0; y < pixels.height; ++y) std::fill_n(pixels.Row(y), pixels.width, background);
}

void TShockwaveFlash::PaintWindow(HDC dc) {
  DrawFrame();
  BitBlt(dc, 0, 0, frame_.Width(), frame_.Height(), frame_.MemoryHandle(), 0, 0, SRCCOPY);
}

void TShockwaveFlash::WndProc(TMessage& message) {
  // Every pixel is drawn by PaintWindow: erasing first would only flicker.
  if (message.msg == WM_ERASEBKGND) {
    message.result = 1;
    return;
  }
  if (HandleMovieMouse(message)) return;
  TWinControl::WndProc(message);
}

}  // namespace kestrova::movie
