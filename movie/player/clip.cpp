#include "movie/player/clip.h"

#include <algorithm>
#include <iterator>

namespace kestrova::movie {

Clip::Clip(PlayerContext& context, const swf::Timeline& timeline, Clip* parent, int nesting)
    : context_(context),
      timeline_(&timeline),
      parent_(parent),
      nesting_(nesting),
      drawing_(context.drawnEdges) {
  ++context_.liveClips;
}

Clip::~Clip() {
  // A child kept alive by running actions must not reach a dead parent.
  for (auto& [depth, object] : objects_)
    ForEachOnDepth(object, [](DisplayObject& o) {
      if (o.clip) o.clip->parent_ = nullptr;
    });
  --context_.liveClips;
}

void Clip::Start() {
  if (started_) return;
  started_ = true;
  ApplyFrame(0, objects_);
  context_.queue.push_back({weak_from_this(), 0, nullptr});
}

void Clip::Tick() {
  // Children tick first, the last placed (the highest depth) first; a clip
  // placed by this tick's frame then shows its first frame unchanged, as in
  // the original player.
  std::vector<std::shared_ptr<Clip>> children;
  for (auto& [depth, object] : objects_)
    ForEachOnDepth(object, [&](DisplayObject& o) {
      if (o.clip) children.push_back(o.clip);
    });
  for (auto it = children.rbegin(); it != children.rend(); ++it) (*it)->Tick();
  if (!playing_ || FrameCount() <= 1) return;
  if (frame_ + 1 < FrameCount())
    GotoFrame(frame_ + 1);
  else if (timeline_->loops)
    GotoFrame(0);
}

void Clip::GotoFrame(uint32_t target) {
  target = std::min(target, FrameCount() - 1);
  if (target == frame_) return;
  if (target > frame_) {
    for (uint32_t f = frame_ + 1; f <= target; ++f) ApplyFrame(f, objects_);
  } else {
    // Going back rebuilds the list from the first frame; objects that stay
    // on the same depth with the same character keep their state.
    DisplayList rebuilt;
    rebuilding_ = true;
    rebuiltPlaces_.clear();
    for (uint32_t f = 0; f <= target; ++f) ApplyFrame(f, rebuilt);
    rebuilding_ = false;
    KeepAndReplace(rebuilt, true);
    AnnounceRebuilt();
  }
  frame_ = target;
  context_.queue.push_back({weak_from_this(), target, nullptr});
}

void Clip::KeepAndReplace(DisplayList& rebuilt, bool keepScriptClips) {
  for (auto& [depth, object] : rebuilt) {
    auto old = objects_.find(depth);
    if (old != objects_.end() && old->second.characterId == object.characterId &&
        old->second.clip && object.clip) {
      object.clip = old->second.clip;
      old->second.clip.reset();
      rebuiltPlaces_.erase(depth);
    }
    if (old != objects_.end() && old->second.characterId == object.characterId &&
        old->second.field && object.field)
      object.field = old->second.field;
  }
  // Clips made by scripts stay; timeline ones not rebuilt are removed.
  for (auto& [depth, object] : objects_) {
    if (keepScriptClips && depth >= kScriptDepthBase && !rebuilt.count(depth)) {
      rebuilt.emplace(depth, object);
      continue;
    }
    Drop(object);
  }
  objects_ = std::move(rebuilt);
}

void Clip::RunTimelineActions(const std::vector<swf::Action>& actions) {
  for (const swf::Action& action : actions) Run(action);
}

void Clip::ApplyFrame(uint32_t frame, DisplayList& objects) {
  if (!timeline_->frames[frame].tags.empty()) ++context_.changes;
  for (const swf::DisplayTag& tag : timeline_->frames[frame].tags) {
    if (const auto* place = std::get_if<swf::PlaceObject>(&tag)) {
      Place(*place, objects);
    } else {
      auto it = objects.find(std::get<swf::RemoveObject>(tag).depth);
      if (it == objects.end()) continue;
      if (rebuilding_) rebuiltPlaces_.erase(it->first);
      Erase(objects, it);
    }
  }
}

// The object that takes the depth of `old`, beneath it.
static DisplayObject Displacing(DisplayObject& old) {
  DisplayObject fresh;
  fresh.displaced = std::move(old.displaced);
  old.displaced.clear();
  fresh.displaced.insert(fresh.displaced.begin(), std::move(old));
  return fresh;
}

// A new object takes the depth, beneath any object already there; `move`
// changes (and may replace the character of) the object on the depth.
void Clip::Place(const swf::PlaceObject& place, DisplayList& objects) {
  auto it = objects.find(place.depth);
  if (!place.move) {
    if (!place.character) return;
    if (it == objects.end())
      it = objects.emplace(place.depth, DisplayObject{}).first;
    else
      it->second = Displacing(it->second);
    SetCharacter(it->second, *place.character);
  } else {
    if (it == objects.end()) return;
    if (place.character && *place.character != it->second.characterId &&
        !IsSprite(it->second.characterId) && !IsSprite(*place.character))
      SetCharacter(it->second, *place.character);
  }
  DisplayObject& object = it->second;
  bool created = !place.move && object.clip;
  if (place.matrix) object.matrix = *place.matrix;
  if (place.colorTransform) object.colorTransform = *place.colorTransform;
  if (place.ratio) object.ratio = *place.ratio;
  if (place.clipDepth) object.clipDepth = *place.clipDepth;
  if (place.name) object.name = *place.name;
  if (place.visible) object.visible = *place.visible;
  if (place.blendMode) object.blendMode = *place.blendMode;
  if (place.cacheAsBitmap) object.cacheAsBitmap = *place.cacheAsBitmap;
  if (place.filters) object.filters = *place.filters;
  if (created && rebuilding_) rebuiltPlaces_[place.depth] = &place;
  if (created && context_.host && !rebuilding_) context_.host->ClipPlaced(*object.clip, &place);
  if (!place.move && object.field && context_.host) context_.host->FieldPlaced(*this, object);
}

// A sprite placed and removed again while rebuilding was never told.
void Clip::Drop(DisplayObject& object) {
  ForEachOnDepth(object, [this](DisplayObject& o) {
    if (o.clip && context_.host && !rebuilding_) context_.host->ClipRemoved(*o.clip);
  });
}

void Clip::Erase(DisplayList& objects, DisplayList::iterator it) {
  std::vector<DisplayObject> displaced = std::move(it->second.displaced);
  it->second.displaced.clear();
  Drop(it->second);
  if (displaced.empty()) {
    objects.erase(it);
    return;
  }
  it->second = std::move(displaced.front());
  it->second.displaced.assign(std::make_move_iterator(displaced.begin() + 1),
                              std::make_move_iterator(displaced.end()));
}

// The sprites the rebuilt list holds that are new: their clip events
// (initialize, construct, load) are due as for any placement.
void Clip::AnnounceRebuilt() {
  std::map<int, const swf::PlaceObject*> places;
  places.swap(rebuiltPlaces_);
  if (!context_.host) return;
  for (const auto& [depth, place] : places) {
    auto it = objects_.find(depth);
    if (it != objects_.end() && it->second.clip) context_.host->ClipPlaced(*it->second.clip, place);
  }
}

DisplayObject* Clip::Self() {
  if (!parent_) return nullptr;
  for (auto& [depth, object] : parent_->objects_) {
    if (object.clip.get() == this) return &object;
    for (DisplayObject& below : object.displaced)
      if (below.clip.get() == this) return &below;
  }
  return nullptr;
}

Clip* Clip::AddChild(int depth, uint16_t characterId, const swf::Timeline& timeline,
                     const std::string& name) {
  if (nesting_ + 1 > kMaxClipNesting || context_.liveClips >= kMaxLiveClips) return nullptr;
  auto old = objects_.find(depth);
  if (old != objects_.end()) {
    Drop(old->second);
    objects_.erase(old);
  }
  DisplayObject& object = objects_[depth];
  object.characterId = characterId;
  object.name = name;
  object.clip = std::make_shared<Clip>(context_, timeline, this, nesting_ + 1);
  std::shared_ptr<Clip> clip = object.clip;
  clip->Start();
  ++context_.changes;
  if (context_.host) context_.host->ClipPlaced(*clip, nullptr);
  return clip.get();
}

void Clip::RemoveChild(int depth) {
  auto it = objects_.find(depth);
  if (it == objects_.end()) return;
  Erase(objects_, it);
  ++context_.changes;
}

void Clip::SwapChildren(int depth, int otherDepth) {
  if (depth == otherDepth) return;
  ++context_.changes;
  auto a = objects_.find(depth), b = objects_.find(otherDepth);
  if (a != objects_.end() && b != objects_.end()) {
    std::swap(a->second, b->second);
  } else if (a != objects_.end()) {
    objects_[otherDepth] = std::move(a->second);
    objects_.erase(depth);
  } else if (b != objects_.end()) {
    objects_[depth] = std::move(b->second);
    objects_.erase(otherDepth);
  }
}

// Only shapes, morphs and texts can be swapped in place; a move naming a
// sprite (or onto one) keeps the object there, as the original player does.
bool Clip::IsSprite(uint16_t id) const {
  const swf::Character* character = context_.movie.Find(id);
  return character && (std::holds_alternative<swf::Timeline>(*character) ||
                       std::holds_alternative<swf::Button>(*character));
}

void Clip::SetCharacter(DisplayObject& object, uint16_t id) {
  object.characterId = id;
  object.clip.reset();
  object.field.reset();
  const swf::Character* character = context_.movie.Find(id);
  if (const auto* edit = character ? std::get_if<swf::EditText>(character) : nullptr) {
    object.field = std::make_shared<text::TextField>(*edit, context_.movie);
    return;
  }
  const auto* sprite = character ? std::get_if<swf::Timeline>(character) : nullptr;
  // A button runs as a clip of the state it shows, the up state first.
  const auto* button = character ? std::get_if<swf::Button>(character) : nullptr;
  if (button) sprite = &button->up;
  if (!sprite || nesting_ + 1 > kMaxClipNesting || context_.liveClips >= kMaxLiveClips) return;
  object.clip = std::make_shared<Clip>(context_, *sprite, this, nesting_ + 1);
  object.clip->button_ = button;
  object.clip->Start();
}

void Clip::RunActions(uint32_t frame) {
  if (frame >= FrameCount()) return;
  if (context_.host) {
    context_.host->FrameReached(*this, frame);
    return;
  }
  for (const swf::Action& action : timeline_->frames[frame].actions) Run(action);
}

// "/a/b", "a.b", "_root.a", "_parent", "../a": the clip a tellTarget names.
Clip* Clip::Resolve(const std::string& target) {
  Clip* clip = this;
  size_t i = 0;
  if (!target.empty() && target[0] == '/') {
    while (clip->parent_) clip = clip->parent_;
    i = 1;
  }
  while (clip && i < target.size()) {
    size_t end = target.find_first_of("/.:", i);
    if (end == std::string::npos) end = target.size();
    std::string part = target.substr(i, end - i);
    i = end + 1;
    if (part.empty()) continue;
    if (part == "_root" || part == "_level0") {
      while (clip->parent_) clip = clip->parent_;
    } else if (part == "_parent" || part == "..") {
      clip = clip->parent_;
    } else {
      Clip* found = nullptr;
      for (auto& [depth, object] : clip->objects_)
        if (object.clip && object.name == part) found = object.clip.get();
      clip = found;
    }
  }
  return clip;
}

void Clip::Run(const swf::Action& action) {
  Clip* clip = action.target.empty() ? this : Resolve(action.target);
  if (!clip) return;
  using Kind = swf::Action::Kind;
  switch (action.kind) {
    case Kind::Play:
      clip->Play();
      break;
    case Kind::Stop:
      clip->Stop();
      break;
    case Kind::NextFrame:
      clip->GotoFrame(clip->frame_ + 1);
      clip->Stop();
      break;
    case Kind::PrevFrame:
      if (clip->frame_ > 0) clip->GotoFrame(clip->frame_ - 1);
      clip->Stop();
      break;
    case Kind::GotoFrame:
    case Kind::GotoLabel: {
      std::optional<uint32_t> frame = action.kind == Kind::GotoFrame
                                          ? std::optional<uint32_t>(action.frame)
                                          : clip->timeline_->FindLabel(action.label);
      if (!frame) break;
      if (action.andStop) clip->Stop();
      if (action.andPlay) clip->Play();
      clip->GotoFrame(*frame);
      break;
    }
  }
}

}  // namespace kestrova::movie
