// Clip: one running timeline (the root's or a placed sprite's) and its
// display list. Clips are made and driven by Player (player.h).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "movie/player/drawing.h"
#include "movie/player/script_host.h"
#include "movie/swf/movie.h"
#include "movie/text/text_field.h"

namespace kestrova::movie {

class Clip;

struct DisplayObject {
  uint16_t characterId = 0;
  swf::Matrix matrix;
  swf::ColorTransform colorTransform;
  uint16_t ratio = 0;
  uint16_t clipDepth = 0;  // non-zero: a mask over depths up to this one
  std::string name;
  bool visible = true;
  uint8_t blendMode = 0;  // 0 and 1: normal
  bool cacheAsBitmap = false;
  std::vector<swf::Filter> filters;
  std::shared_ptr<Clip> clip;              // sprites only
  std::shared_ptr<text::TextField> field;  // text fields only
  // Scripts' masks (setMask): this object shows only inside `maskClip`'s
  // shapes; a clip that masks another is not drawn itself.
  std::weak_ptr<Clip> maskClip;
  bool isMask = false;
  // A placement on an occupied depth takes the depth and goes beneath the
  // objects there, which stay drawn: these, the latest displaced first.
  // Removing this object gives the depth back to the first of them.
  std::vector<DisplayObject> displaced;
};

// Where the mouse is for a button (or a clip acting as one): away, over it
// with the mouse button up or down, or pressed on it and dragged away.
enum class MouseState : uint8_t { Idle, OverUp, OverDown, OutDown };
// The state a button shows.
enum class ButtonState : uint8_t { Up, Over, Down };

// By depth: timeline depths 1..65535; scripts place clips from 16384 up.
using DisplayList = std::map<int, DisplayObject>;

// The object on a depth, then the ones it displaced: in drawing order.
template <typename Object, typename Visit>
void ForEachOnDepth(Object& object, Visit&& visit) {
  visit(object);
  for (auto& below : object.displaced) visit(below);
}

// What every clip of one player shares: the movie, the limits that keep a
// hostile movie from exhausting memory or time, and the queued frame
// actions.
struct PlayerContext {
  const swf::Movie& movie;
  int liveClips = 0;
  // Grows whenever a display list changes: equal counts, the same picture.
  uint64_t changes = 0;
  ScriptHost* host = nullptr;
  swf::Timeline emptyTimeline{std::vector<swf::Frame>(1)};  // createEmptyMovieClip
  // A frame's actions, or (with `button`) a button's actions, due in order.
  struct QueuedActions {
    std::weak_ptr<Clip> clip;
    uint32_t frame;
    const swf::ButtonAction* button = nullptr;
  };
  std::vector<QueuedActions> queue;
  size_t drawnEdges = 0;  // in all clips' drawings (drawing.h)
};

// Sprites nested deeper than this, or beyond this many live clips, show
// nothing: a sprite may place itself.
constexpr int kMaxClipNesting = 16;
constexpr int kMaxLiveClips = 4096;
// Depth 0 of scripts (getDepth() 0) in the display list; scripts' depths
// from here up survive the timeline going back.
constexpr int kScriptDepthBase = 16384;

class Clip : public std::enable_shared_from_this<Clip> {
 public:
  Clip(PlayerContext& context, const swf::Timeline& timeline, Clip* parent, int nesting);
  ~Clip();
  Clip(const Clip&) = delete;
  Clip& operator=(const Clip&) = delete;

  uint32_t CurrentFrame() const { return frame_; }
  uint32_t FrameCount() const { return static_cast<uint32_t>(timeline_->frames.size()); }
  bool Playing() const { return playing_; }
  const DisplayList& Objects() const { return objects_; }

  // Shows the first frame and queues its actions (once, after creation).
  void Start();
  // One frame of time: the next frame (looping) if playing, then children.
  void Tick();
  void GotoFrame(uint32_t frame);  // 0-based; past the end: the last frame
  void Play() { playing_ = true; }
  void Stop() { playing_ = false; }
  void RunActions(uint32_t frame);
  // Timeline actions with this clip as their target (tellTarget paths
  // from here).
  void RunTimelineActions(const std::vector<swf::Action>& actions);

  // Buttons (button.cpp): a button instance plays the state it shows as a
  // one-frame timeline. Objects of the new state on the depth and with the
  // character of the old one stay as they are; the others come new (a
  // sprite restarts) or go.
  const swf::Button* ButtonDefinition() const { return button_; }
  ButtonState ShownState() const { return shown_; }
  void ShowButtonState(ButtonState state);
  // The mouse's state for this button or clip; `enabled` false takes it
  // off the mouse.
  MouseState Mouse() const { return mouse_; }
  void SetMouse(MouseState state) { mouse_ = state; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // For scripts: the clip's place in its parent, and changes to it.
  Clip* Parent() const { return parent_; }
  DisplayObject* Self();
  DisplayList& MutableObjects() { return objects_; }
  const swf::Timeline& Timeline() const { return *timeline_; }
  PlayerContext& Context() { return context_; }
  int Nesting() const { return nesting_; }
  // A new sprite instance at `depth` (a free one), of `timeline`.
  Clip* AddChild(int depth, uint16_t characterId, const swf::Timeline& timeline,
                 const std::string& name);
  void RemoveChild(int depth);
  void SwapChildren(int depth, int otherDepth);
  // What the clip's scripts drew, beneath its children. Reaching it to
  // draw counts as a display change.
  const Drawing& Drawn() const { return drawing_; }
  Drawing& ChangeDrawing() {
    ++context_.changes;
    return drawing_;
  }

 private:
  void ApplyFrame(uint32_t frame, DisplayList& objects);
  // Moves the state of `objects_` that `rebuilt` keeps (same depth and
  // character) into it and drops the rest; the result is the new list.
  void KeepAndReplace(DisplayList& rebuilt, bool keepScriptClips);
  void Place(const swf::PlaceObject& place, DisplayList& objects);
  void SetCharacter(DisplayObject& object, uint16_t id);
  bool IsSprite(uint16_t id) const;
  void Drop(DisplayObject& object);
  // Removes the object at `it`: the one it displaced takes its depth.
  void Erase(DisplayList& objects, DisplayList::iterator it);
  void AnnounceRebuilt();
  Clip* Resolve(const std::string& target);
  void Run(const swf::Action& action);

  PlayerContext& context_;
  const swf::Timeline* timeline_;
  Clip* parent_;
  int nesting_;
  uint32_t frame_ = 0;
  bool playing_ = true;
  bool started_ = false;
  DisplayList objects_;
  Drawing drawing_;
  const swf::Button* button_ = nullptr;
  ButtonState shown_ = ButtonState::Up;
  MouseState mouse_ = MouseState::Idle;
  bool enabled_ = true;
  // While going back rebuilds the list, sprites placed on the way are told
  // to the host only if they are new when it is done (the others keep
  // their old clip); these are their placements, by depth.
  bool rebuilding_ = false;
  std::map<int, const swf::PlaceObject*> rebuiltPlaces_;
};

}  // namespace kestrova::movie
