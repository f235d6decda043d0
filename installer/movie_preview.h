// TMoviePreview: the installer window's movie preview, played by the
// built-in movie player. It offers what the window uses of the Shockwave
// Flash control it stands in for (the stored initial state, Movie, Play,
// its window handle), so the design can name the player's own control
// instead once that can be hosted.
//
//   preview->SetMovie(SwfTempFile);
//   preview->Play();      // a movie that cannot be read leaves it blank
//
// ControlData, the control's stored initial state, is kept unchanged. The
// window's design writes it as "KSF1", the block size (uint16, 300), the
// entry count (uint16), then that many zero-terminated UTF-16 "Name=Value"
// entries, then zeros up to the block size.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/panel.h"
#include "framework/timer.h"
#include "movie/player/player.h"
#include "movie/player/renderer.h"

namespace kestrova {

class TMoviePreview : public framework::TPanel {
  KESTROVA_CLASS(TMoviePreview)

 public:
  explicit TMoviePreview(framework::TComponent* owner);
  ~TMoviePreview() override;

  const std::vector<uint8_t>& ControlData() const { return control_data_; }
  void SetControlData(const std::vector<uint8_t>& data) { control_data_ = data; }

  const std::string& Movie() const { return movie_; }
  void SetMovie(const std::string& path) { movie_ = path; }
  // Loads the movie and plays it from its first frame, one frame a tick.
  void Play();
  bool Playing() const { return playing_; }
  // The frames shown so far (1 once a movie is showing).
  int FramesShown() const { return frames_shown_; }

  // One entry of ControlData ("WMode" gives "Window"), empty when absent.
  std::string StateValue(const std::string& name) const;

 protected:
  void Paint() override;

 private:
  void NextFrame();

  std::vector<uint8_t> control_data_;
  std::string movie_;
  bool playing_ = false;
  int frames_shown_ = 0;
  std::unique_ptr<movie::Player> player_;
  std::unique_ptr<movie::Renderer> renderer_;
  framework::TTimer* timer_ = nullptr;  // owned as a component
  framework::TBitmap frame_;
};

}  // namespace kestrova
