// Runtime: a movie with its scripts. Owns the Vm, the interpreter and the
// player, binds movie clip objects to the player's clips and runs the
// frame's events in Flash Player's order: enterFrame, the timelines'
// frame scripts (init actions first), loads, intervals.
//
//   avm1::Runtime runtime(movie, output);
//   for (int i = 1; i < frames && !runtime.QuitRequested(); ++i) runtime.Advance();
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "movie/avm1/display_host.h"
#include "movie/avm1/interpreter.h"
#include "movie/avm1/text_field_class.h"
#include "movie/avm1/vm.h"
#include "movie/player/player.h"

namespace kestrova::avm1 {

struct RuntimeOutput {
  std::function<void(const std::string&)> trace;
  std::function<void(const std::string&)> warn;
};

// How the Vm's collector runs: when the heap has grown (the default), after
// every frame (a check that every root is known), or never.
enum class Collection { kWhenGrown, kEveryFrame, kNever };

class Runtime : public movie::ScriptHost, public VmHost, public DisplayHost {
 public:
  Runtime(std::shared_ptr<const swf::Movie> movie, RuntimeOutput output,
          Collection collection = Collection::kWhenGrown);
  ~Runtime() override;

  void Advance();
  bool QuitRequested() const { return quit_; }
  movie::Player& Player() { return *player_; }
  Vm& Machine() { return vm_; }

  // movie::ScriptHost
  void ClipPlaced(movie::Clip& clip, const swf::PlaceObject* place) override;
  void FieldPlaced(movie::Clip& parent, movie::DisplayObject& object) override;
  void ClipRemoved(movie::Clip& clip) override;
  void FrameReached(movie::Clip& clip, uint32_t frame) override;
  void BeforeTick() override;
  void AfterTick() override;
  void AfterFrame() override;
  void MouseTransition(movie::Clip& clip, uint16_t condition) override;
  void ButtonActionDue(movie::Clip& button, const swf::ButtonAction& action) override;
  bool ActsAsButton(movie::Clip& clip) override;
  bool HandCursor(movie::Clip& clip) override;
  void MouseMoved(MouseEvent event) override;
  void AfterMouse() override;

  // VmHost
  void Trace(const std::string& line) override;
  void Warn(const std::string& message) override;
  void FsCommand(const std::string& command, const std::string& args) override;
  double Milliseconds() const override;

  // DisplayHost
  Object* Root() override;
  Object* ResolveClip(Object* from, const std::string& path) override;
  Object* ParentOf(Object* clip) override;
  std::string TargetPath(Object* clip, bool slash) override;
  void Play(Object* clip) override;
  void Stop(Object* clip) override;
  void NextFrame(Object* clip) override;
  void PrevFrame(Object* clip) override;
  void GotoFrame(Object* clip, const Value& frame, bool play, int bias) override;
  bool FrameLoaded(Object* clip, int frame) override;
  Value GetProperty(Object* clip, int index) override;
  void SetProperty(Object* clip, int index, const Value& value) override;
  void Duplicate(Object* clip, const std::string& name, int depth) override;
  void Remove(Object* clip) override;

  // Movie clip objects
  Object* ObjectOf(movie::Clip& clip);
  Object* FieldObject(movie::Clip& parent, movie::DisplayObject& object) {
    return textFields_.ObjectOf(parent, object);
  }
  movie::Clip* ClipOf(Object* o) const;
  Object* AttachMovie(movie::Clip& parent, const std::string& id, const std::string& name,
                      int depth, Object* init);
  Object* CreateEmptyClip(movie::Clip& parent, const std::string& name, int depth);
  void SetMask(movie::Clip& clip, movie::Clip* mask);  // no mask: none
  Object* DuplicateClip(movie::Clip& clip, const std::string& name, int depth, Object* init);
  int SetInterval(const Args& args);
  void ClearInterval(double id);

 private:
  struct ClipScripts {
    std::weak_ptr<movie::Clip> clip;
    Object* object = nullptr;
    std::vector<const swf::ClipAction*> events;
    bool loaded = false;
    // _xscale, _yscale, _rotation as last set, while the matrix is the one
    // they made (the timeline may move the clip since).
    bool transformSet = false;
    double xscale = 100, yscale = 100, rotation = 0;
    swf::Matrix madeMatrix;
    // The filter objects `filters` was last set to (copies), read back as
    // copies again.
    Value filters;
  };
  struct Interval {
    int id;
    Value function;  // or an object and a method name
    Value object;
    std::string method;
    Args args;
    double period, due;
  };

  void InstallMovieClip();
  void InstallClipMethods(Object* proto);
  void InstallDrawingMethods(Object* proto);
  void InstallClipGeometry(Object* proto);  // clip_geometry.cpp
  void InstallColor();                      // color_class.cpp
  movie::DisplayObject* ColorTarget(const Value& self, bool change = false);
  // SWF 8's filters, blendMode, cacheAsBitmap and transform of clips and
  // buttons (clip_effects.cpp), over the placement the renderer draws.
  void InstallClipEffects(Object* proto);
  movie::DisplayObject* EffectsTarget(const Value& self, bool change);
  // flash.geom.Transform (transform_class.cpp): of a clip, or of the clip a
  // Transform object names.
  void InstallTransformClass();
  Value NewTransform(Object* clip);
  void SetTransform(Object* clip, const Value& transform);
  void InstallTimers();
  void MarkRoots(Marker& m);  // runtime_roots.cpp
  void Forget(const Object* o);
  void InstallButtonClass();  // button_events.cpp
  bool HasButtonHandlers(Object* o);
  void ShowButtonFrame(movie::Clip& clip);
  double MouseIn(movie::Clip& clip, bool y);
  bool GetClipProperty(Object* o, const std::string& name, Value& out);
  bool SetClipProperty(Object* o, const std::string& name, const Value& value);
  int PropertyIndex(const std::string& name) const;
  void RunClipEvent(movie::Clip& clip, uint32_t event);
  void CallHandler(Object* object, const std::string& name);
  void RunScript(std::span<const uint8_t> code, Object* target);
  void RunInitActions(uint32_t frame);
  void FireIntervals();
  std::vector<movie::Clip*> ClipsInEventOrder();
  std::vector<movie::Clip*> ClipsInTickOrder();
  void CollectClipsForTick(movie::Clip& clip, std::vector<movie::Clip*>& out);
  void CollectClips(movie::Clip& clip, std::vector<movie::Clip*>& out);
  movie::Clip* Resolve(movie::Clip* from, const std::string& path);
  movie::DisplayObject* SelfOf(movie::Clip& clip);
  void ScaleAndRotation(movie::Clip& clip, double& xscale, double& yscale, double& rotation);

  std::shared_ptr<const swf::Movie> movie_;
  RuntimeOutput output_;
  Vm vm_;
  Interpreter interpreter_;
  TextFormats textFormats_{vm_};
  TextFields textFields_{vm_, *this, textFormats_};
  std::unordered_map<const movie::Clip*, ClipScripts> clips_;
  std::unordered_map<const Object*, movie::Clip*> clipOf_;
  std::set<uint16_t> initDone_;
  std::vector<Interval> intervals_;
  int nextInterval_ = 1;
  int nextInstance_ = 1;
  uint64_t frameNumber_ = 0;  // frames shown so far minus one
  bool quit_ = false;
  movie::Clip* root_ = nullptr;
  movie::DisplayObject rootSelf_;
  // Player-wide settings scripts can read back.
  std::string quality_ = "HIGH";
  double focusRect_ = 1;
  double soundBufferTime_ = 5;  // the root's own placement, set by scripts  // known from its
                                // placement, before the player is fully built
  Object* buttonProto_ = nullptr;
  std::unique_ptr<movie::Player> player_;
};

}  // namespace kestrova::avm1
