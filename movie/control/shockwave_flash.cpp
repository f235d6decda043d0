#include "movie/control/shockwave_flash.h"

#include "common/error.h"
#include "framework/class_builder.h"
#include "framework/colors.h"
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
  player_.reset();
  drawn_changes_ = kNothingDrawn;
  frames_rendered_ = 0;
  movie_ = std::move(movie);
  if (movie_) {
    player_ = std::make_unique<Player>(movie_);
    renderer_ = std::make_unique<Renderer>(movie_);
  }
  Invalidate();
}

void TShockwaveFlash::Play() {
  if (!load_error_.empty()) throw Error(load_error_);
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
  while (due-- > 0) player_->Advance();
  // Frames that changed nothing (a stopped movie, empty frames) keep the
  // picture on screen as it is.
  if (player_->Changes() == drawn_changes_) return;
  if (HandleAllocated()) {
    // Drawn at once rather than through WM_PAINT, so that a busy queue does
    // not drop frames of the preview.
    HDC dc = GetDC(Handle());
    if (dc) {
      PaintWindow(dc);
      ReleaseDC(Handle(), dc);
    }
  }
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
  TWinControl::WndProc(message);
}

}  // namespace kestrova::movie
