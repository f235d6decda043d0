// Player: plays a decoded movie's timelines, one Advance per frame of time.
//
//   auto movie = std::make_shared<swf::Movie>(swf::LoadMovie(path));
//   movie::Player player(movie);     // shows frame 1
//   player.Advance();                // next frame, timeline actions run
//   renderer.Render(player, view);   // renderer.h
#pragma once

#include <chrono>
#include <memory>

#include "movie/player/clip.h"
#include "movie/swf/movie.h"

namespace kestrova::movie {

class Player {
 public:
  explicit Player(std::shared_ptr<const swf::Movie> movie);

  void Advance();
  const Clip& Root() const { return *root_; }
  Clip& Root() { return *root_; }
  const swf::Movie& Movie() const { return *movie_; }
  // A count that grows whenever a display list changes: while it stays
  // the same, so does the picture, and nothing needs drawing.
  uint64_t Changes() const { return context_.changes; }
  // The time of one frame at the movie's rate (between 1 ms and 60 s); a
  // movie without a rate plays at 12 frames a second.
  std::chrono::microseconds FramePeriod() const;
  // FramePeriod in whole milliseconds.
  unsigned FrameInterval() const;

 private:
  void RunQueuedActions();

  std::shared_ptr<const swf::Movie> movie_;
  PlayerContext context_;
  std::shared_ptr<Clip> root_;
};

// Frame actions run per Advance at most; a movie whose actions jump back
// and forth forever still advances.
constexpr int kMaxActionRunsPerFrame = 256;

}  // namespace kestrova::movie
