// TShockwaveFlash: the movie preview control, a windowed framework control
// played by the built-in SWF player (the ActiveX control of the same name is
// gone from today's Windows). It keeps the stored initial state it is
// created with as an opaque block, loads the movie named by Movie, and plays
// it at the movie's frame rate with its scripts, each frame drawn into a
// DIB and copied to the window in one blit. The mouse reaches the movie's
// buttons (hover, press, release; the hand cursor over them). Script
// warnings are dropped: the preview has no one to tell.
//
//   auto* flash = new TShockwaveFlash(form);
//   flash->SetParent(form);
//   flash->SetBounds(8, 48, 393, 169);
//   flash->SetMovie("C:\\...\\movie.swf");  // a bad file keeps the background
//   flash->Play();                          // then plays nothing, raising nothing
//   HWND h = flash->Handle();
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/timer.h"
#include "framework/win_control.h"
#include "movie/control/flash_state.h"
#include "movie/player/frame_clock.h"
#include "movie/player/player.h"
#include "movie/player/renderer.h"

namespace kestrova::avm1 {
class Runtime;
}

namespace kestrova::movie {

class TShockwaveFlash : public framework::TWinControl {
  KESTROVA_CLASS(TShockwaveFlash)

 public:
  explicit TShockwaveFlash(framework::TComponent* owner);
  ~TShockwaveFlash() override;

  // The initial state stored in the design, handed back unchanged.
  const std::vector<uint8_t>& ControlData() const { return control_data_; }
  void SetControlData(const std::vector<uint8_t>& data) {
    control_data_ = data;
    settings_ = ReadFlashState(control_data_);
  }
  // The settings the stored state names (flash_state.h). The player draws
  // "show all" at its one quality in a window of its own whatever they say.
  TFlashWindowMode WindowMode() const { return settings_.windowMode; }
  TFlashQuality Quality() const { return settings_.quality; }
  TFlashScaleMode ScaleMode() const { return settings_.scaleMode; }

  const std::string& Movie() const { return movie_path_; }
  // Loads the movie; a movie that does not load leaves the control showing
  // its background, and LoadError says why.
  void SetMovie(const std::string& path);
  const std::string& LoadError() const { return load_error_; }
  // Shows a movie decoded elsewhere (Movie() stays as it was).
  void ShowMovie(std::shared_ptr<const swf::Movie> movie);
  // Starts playing; a movie that did not load stays an empty preview.
  void Play();
  bool Playing() const { return timer_->Enabled(); }
  // The frame shown (0-based), for tests.
  uint32_t CurrentFrame() const { return player_ ? player_->Root().CurrentFrame() : 0; }
  // Frames the player rendered since the movie was set, for tests.
  unsigned FramesRendered() const { return frames_rendered_; }
  // Whether the movie's scripts run (false: its timeline plays without
  // them), and the warnings they gave, for tests.
  bool ScriptsRunning() const { return runtime_ != nullptr; }
  unsigned ScriptWarnings() const { return script_warnings_; }

  void WndProc(framework::TMessage& message) override;

 protected:
  void PaintWindow(HDC dc) override;

 private:
  void NextFrame();
  void DrawFrame();
  void StartPlayer();
  void PlayTimelineOnly();
  void Advance();
  // The mouse (shockwave_flash_mouse.cpp); true when the message is done.
  bool HandleMovieMouse(framework::TMessage& message);
  swf::TwipsPoint StagePoint(LPARAM lparam) const;
  template <typename F>
  void MouseToPlayer(F&& f);
  void RedrawIfChanged();

  std::vector<uint8_t> control_data_;
  FlashSettings settings_;
  std::string movie_path_;
  std::string load_error_;
  std::shared_ptr<const swf::Movie> movie_;
  std::unique_ptr<avm1::Runtime> runtime_;  // the movie with its scripts
  std::unique_ptr<Player> timeline_only_;   // when the scripts cannot run
  Player* player_ = nullptr;                // whichever of the two plays
  unsigned script_warnings_ = 0;
  std::unique_ptr<Renderer> renderer_;
  FrameClock clock_{std::chrono::milliseconds(83)};
  framework::TTimer* timer_;
  framework::TBitmap frame_;
  // The player's change count the DIB shows; redrawn only when it moved.
  static constexpr uint64_t kNothingDrawn = ~uint64_t(0);
  uint64_t drawn_changes_ = kNothingDrawn;
  unsigned frames_rendered_ = 0;
  bool mouse_held_ = false;  // the left button went down on the preview
};

}  // namespace kestrova::movie
