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
  // `host`, when given, runs the movie's scripts (it must outlive the player).
  explicit Player(std::shared_ptr<const swf::Movie> movie, ScriptHost* host = nullptr);

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

  // The mouse, in stage twips (mouse.cpp). Each call makes the button
  // transitions it causes, shows their states and runs their actions; the
  // topmost enabled button under the mouse is the one that answers.
  void MouseMove(swf::TwipsPoint at);
  void MouseDown(swf::TwipsPoint at);
  void MouseUp(swf::TwipsPoint at);
  void MouseLeave();
  // A key press: the buttons' actions for its key code (ASCII, or Flash's
  // codes 1-19 for arrows, home, end, insert, delete, backspace, enter,
  // page keys, tab and escape).
  void KeyPress(uint8_t code);
  swf::TwipsPoint MousePosition() const { return mouse_.at; }
  bool MouseInside() const { return mouse_.inside; }
  // Whether an enabled button (or a clip acting as one) is under the mouse
  // and wants the hand cursor (scripts may keep the arrow).
  bool OverButton() const;

 private:
  void RunQueuedActions();
  void UpdateMouseTarget();
  void Transition(Clip& clip, uint16_t condition);
  void QueueKeyActions(Clip& clip, uint8_t code);
  void AfterMouse();

  std::shared_ptr<const swf::Movie> movie_;
  PlayerContext context_;
  std::shared_ptr<Clip> root_;
  struct MouseTracking {
    swf::TwipsPoint at;
    bool inside = false, down = false;
    std::weak_ptr<Clip> hovered;  // OverUp
    std::weak_ptr<Clip> pressed;  // OverDown or OutDown
  } mouse_;
};

// Frame actions run per Advance at most; a movie whose actions jump back
// and forth forever still advances.
constexpr int kMaxActionRunsPerFrame = 256;

}  // namespace kestrova::movie
