// Movie clip properties (_x ... _ymouse), target paths and timeline
// control, over the player's clips.
#include <cmath>

#include "movie/avm1/clip_bounds.h"
#include "movie/avm1/number_text.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

const char* const kPropertyNames[] = {
    "_x",           "_y",           "_xscale",       "_yscale",       "_currentframe",
    "_totalframes", "_alpha",       "_visible",      "_width",        "_height",
    "_rotation",    "_target",      "_framesloaded", "_name",         "_droptarget",
    "_url",         "_highquality", "_focusrect",    "_soundbuftime", "_quality",
    "_xmouse",      "_ymouse"};
constexpr int kPropertyCount = 22;

constexpr double kPi = 3.14159265358979323846;

// Pixels to twips as the player stores them: out of range (infinities
// included) is the lowest 32-bit value.
int32_t ToTwips(double pixels) {
  double t = pixels * 20;
  if (!(t > -2147483648.0 && t < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(t);
}

}  // namespace

movie::DisplayObject* Runtime::SelfOf(movie::Clip& clip) {
  if (&clip == root_) return &rootSelf_;
  return clip.Self();
}

namespace {

bool SameMatrix(const swf::Matrix& x, const swf::Matrix& y) {
  return x.a == y.a && x.b == y.b && x.c == y.c && x.d == y.d;
}

}  // namespace

void Runtime::ScaleAndRotation(movie::Clip& clip, double& xscale, double& yscale,
                               double& rotation) {
  movie::DisplayObject* self = SelfOf(clip);
  swf::Matrix m = self ? self->matrix : swf::Matrix{};
  ClipScripts& scripts = clips_[&clip];
  if (scripts.transformSet && SameMatrix(scripts.madeMatrix, m)) {
    xscale = scripts.xscale, yscale = scripts.yscale, rotation = scripts.rotation;
    return;
  }
  xscale = std::sqrt(double(m.a) * m.a + double(m.b) * m.b) * 100;
  yscale = std::sqrt(double(m.c) * m.c + double(m.d) * m.d) * 100;
  rotation = (m.a == 0 && m.b == 0) ? 0 : std::atan2(double(m.b), double(m.a)) * 180 / kPi;
}

int Runtime::PropertyIndex(const std::string& name) const {
  if (name.empty() || name[0] != '_') return -1;
  std::string lower = LowerCase(name);
  for (int i = 0; i < kPropertyCount; ++i)
    if (lower == kPropertyNames[i]) return i;
  return -1;
}

Value Runtime::GetProperty(Object* o, int index) {
  if (o && o->kind == Kind::TextField) {
    Value out;
    textFields_.GetDisplayProperty(o, kPropertyNames[index], out);
    return out;
  }
  movie::Clip* clip = ClipOf(o);
  if (!clip) return Value();
  movie::DisplayObject* self = SelfOf(*clip);
  swf::Matrix m = self ? self->matrix : swf::Matrix{};
  double xscale, yscale, rotation;
  ScaleAndRotation(*clip, xscale, yscale, rotation);
  switch (index) {
    case 0:
      return m.tx.value / 20.0;
    case 1:
      return m.ty.value / 20.0;
    case 2:
      return xscale;
    case 3:
      return yscale;
    case 4:
      return static_cast<double>(clip->CurrentFrame() + 1);
    case 5:
    case 12:
      return static_cast<double>(clip->FrameCount());
    case 6:
      return self ? self->colorTransform.ma * 100.0 : 100.0;
    case 7:
      return self ? self->visible : true;
    case 8:
    case 9: {
      swf::TwipsRect r = ClipBoundsInParent(*clip);
      double size = index == 8 ? r.Width().value : r.Height().value;
      return size / 20.0;
    }
    case 10:
      return rotation;
    case 11:
      return Value(TargetPath(o, true));
    case 13:
      return Value(self ? self->name : std::string());
    case 14:
      return Value(std::string());
    case 15:
      return Value(std::string("file:///movie.swf"));
    case 16:
      return quality_ == "LOW" ? 0.0 : quality_ == "BEST" ? 2.0 : 1.0;
    case 17:
      return focusRect_;
    case 18:
      return soundBufferTime_;
    case 19:
      return Value(quality_);
    case 20:
    case 21:
      return MouseIn(*clip, index == 21);
    default:
      return 0.0;
  }
}

void Runtime::SetProperty(Object* o, int index, const Value& value) {
  if (o && o->kind == Kind::TextField) {
    textFields_.SetDisplayProperty(o, kPropertyNames[index], value);
    return;
  }
  if (!ClipOf(o)) return;
  // undefined and null leave a number property as it is
  bool numeric = index != 13 && index != 19 && !(index == 17 && value.IsObject());
  double v = !numeric || value.IsNullish() ? std::nan("") : vm_.ToNumber(value);
  const std::string text = index == 13 || index == 19 ? vm_.ToString(value) : std::string();
  // valueOf and toString are scripts, which may have removed the clip.
  movie::Clip* clip = ClipOf(o);
  movie::DisplayObject* self = clip ? SelfOf(*clip) : nullptr;
  if (!self) return;
  ++clip->Context().changes;  // the picture may differ
  swf::Matrix& m = self->matrix;
  auto scales = [&](double& sx, double& sy, double& rotation) {
    ScaleAndRotation(*clip, sx, sy, rotation);
  };
  auto rebuild = [&](double sx, double sy, double rotation) {
    ClipScripts& scripts = clips_[clip];
    scripts.xscale = sx, scripts.yscale = sy, scripts.rotation = rotation;
    double r = std::isfinite(rotation) ? rotation * kPi / 180 : 0;
    auto clampScale = [](double s) {
      return std::isfinite(s) ? std::clamp(s / 100, -32768.0, 32768.0) : 0.0;
    };
    m.a = static_cast<float>(clampScale(sx) * std::cos(r));
    m.b = static_cast<float>(clampScale(sx) * std::sin(r));
    m.c = static_cast<float>(-clampScale(sy) * std::sin(r));
    m.d = static_cast<float>(clampScale(sy) * std::cos(r));
    scripts.transformSet = true;
    scripts.madeMatrix = m;
  };
  switch (index) {
    case 0:
      if (!std::isnan(v)) m.tx.value = ToTwips(v);
      break;
    case 1:
      if (!std::isnan(v)) m.ty.value = ToTwips(v);
      break;
    case 2:
    case 3:
    case 10: {
      if (std::isnan(v)) break;
      double sx, sy, rotation;
      scales(sx, sy, rotation);
      if (index == 2) sx = v;
      if (index == 3) sy = v;
      if (index == 10) {
        rotation = std::fmod(v, 360.0);
        if (rotation > 180) rotation -= 360;
        if (rotation < -180) rotation += 360;
      }
      rebuild(sx, sy, rotation);
      break;
    }
    case 6:  // kept as 8.8 fixed point, like the colour transform it is
      if (!std::isnan(v)) {
        double fixed =
            std::isfinite(v) ? std::trunc(std::clamp(v / 100 * 256, -32768.0, 32767.0)) : 0;
        self->colorTransform.ma = static_cast<float>(fixed / 256);
      }
      break;
    case 7:
      if (!std::isnan(v)) self->visible = v != 0;
      break;
    case 8:
    case 9: {
      swf::TwipsRect r = ClipBoundsInParent(*clip);
      double size = (index == 8 ? r.Width().value : r.Height().value) / 20.0;
      if (!std::isfinite(v) || size <= 0) break;
      double sx, sy, rotation;
      scales(sx, sy, rotation);
      if (index == 8)
        sx *= v / size;
      else
        sy *= v / size;
      rebuild(sx, sy, rotation);
      break;
    }
    case 13:
      self->name = text;
      break;
    case 16:
      if (!std::isnan(v)) quality_ = v == 0 ? "LOW" : v >= 2 ? "BEST" : "HIGH";
      break;
    case 17:
      if (value.IsObject())
        focusRect_ = 0;
      else if (!std::isnan(v))
        focusRect_ = v != 0 ? 1 : 0;
      break;
    case 18:
      if (!std::isnan(v)) soundBufferTime_ = ToTwips(v / 20);
      break;
    case 19: {
      std::string q = text;
      for (char& c : q) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (q == "LOW" || q == "MEDIUM" || q == "HIGH" || q == "BEST") quality_ = q;
      break;
    }
    default:
      break;
  }
}

bool Runtime::GetClipProperty(Object* o, const std::string& name, Value& out) {
  if (o->kind == Kind::TextField) return textFields_.GetDisplayProperty(o, name, out);
  if (o->Find(name) && (name.empty() || name[0] != '_')) return false;  // a variable
  movie::Clip* clip = ClipOf(o);
  if (!clip) return false;
  if (!name.empty() && name[0] == '_') {
    int index = PropertyIndex(name);
    if (index >= 0) {
      out = GetProperty(o, index);
      return true;
    }
    std::string lower = LowerCase(name);
    if (lower == "_parent") {
      out = clip->Parent() ? Value(ObjectOf(*clip->Parent())) : Value();
      return true;
    }
    if (lower == "_root" || lower == "_level0") {
      out = Root();
      return true;
    }
  }
  if (o->Find(name)) return false;  // own variables before children
  bool caseSensitive = vm_.CaseSensitive();
  std::string lower = caseSensitive ? std::string() : LowerCase(name);
  for (auto& [depth, object] : clip->MutableObjects()) {
    if (!object.clip && !object.field) continue;
    if (caseSensitive ? object.name == name : LowerCase(object.name) == lower) {
      out = object.clip ? ObjectOf(*object.clip) : textFields_.ObjectOf(*clip, object);
      return true;
    }
  }
  return false;
}

bool Runtime::SetClipProperty(Object* o, const std::string& name, const Value& value) {
  if (o->kind == Kind::TextField) return textFields_.SetDisplayProperty(o, name, value);
  movie::Clip* clip = ClipOf(o);
  if (!clip) return false;
  // Kept as a variable too, so that it reads back as it was set.
  if (name == "enabled") clip->SetEnabled(vm_.ToBoolean(value));
  int index = PropertyIndex(name);
  if (index < 0) return false;
  SetProperty(o, index, value);
  return true;
}

Object* Runtime::ParentOf(Object* o) {
  movie::Clip* clip = ClipOf(o);
  return clip && clip->Parent() ? ObjectOf(*clip->Parent()) : nullptr;
}

std::string Runtime::TargetPath(Object* o, bool slash) {
  movie::Clip* clip = ClipOf(o);
  if (!clip) return slash ? "" : "";
  std::vector<std::string> names;
  for (movie::Clip* c = clip; c && c->Parent(); c = c->Parent()) {
    movie::DisplayObject* self = c->Self();
    names.insert(names.begin(), self ? self->name : std::string());
  }
  std::string out = slash ? "" : "_level0";
  for (const std::string& n : names) out += (slash ? "/" : ".") + n;
  if (slash && out.empty()) out = "/";
  return out;
}

movie::Clip* Runtime::Resolve(movie::Clip* from, const std::string& path) {
  movie::Clip* clip = from;
  size_t i = 0;
  if (!path.empty() && path[0] == '/') {
    clip = root_;
    i = 1;
  }
  bool caseSensitive = vm_.CaseSensitive();
  const bool swf4 = vm_.codeVersion < 5;
  while (clip && i < path.size()) {
    size_t end = path.find_first_of("/.", i);
    // ".." is a step up, not two separators
    if (end == i && path.compare(i, 2, "..") == 0) end = i + 2;
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(i, end - i);
    i = end + 1;
    // SWF 4 code takes an empty name inside a path ("//a") for no clip.
    if (part.empty() && swf4 && end < path.size()) return nullptr;
    if (part.empty()) continue;
    std::string lower = LowerCase(part);
    if (lower == "_root" || lower == "_level0") {
      clip = root_;
    } else if (lower == "_parent" || part == "..") {
      clip = clip->Parent();
    } else if (lower == "this") {
      continue;
    } else {
      movie::Clip* found = nullptr;
      for (auto& [depth, object] : clip->MutableObjects())
        if (object.clip &&
            (caseSensitive ? object.name == part : LowerCase(object.name) == lower)) {
          found = object.clip.get();
          break;
        }
      if (!found) {
        // a variable holding a clip
        Object* o = ObjectOf(*clip);
        Value v = vm_.GetOf(o, part, o);
        found = ClipOf(v.object());
      }
      clip = found;
    }
  }
  return clip;
}

Object* Runtime::ResolveClip(Object* from, const std::string& path) {
  movie::Clip* start = ClipOf(from);
  if (!start) start = root_;
  movie::Clip* clip = Resolve(start, path);
  return clip ? ObjectOf(*clip) : nullptr;
}

void Runtime::Play(Object* o) {
  if (movie::Clip* clip = ClipOf(o)) clip->Play();
}

void Runtime::Stop(Object* o) {
  if (movie::Clip* clip = ClipOf(o)) clip->Stop();
}

void Runtime::NextFrame(Object* o) {
  if (movie::Clip* clip = ClipOf(o)) {
    clip->GotoFrame(clip->CurrentFrame() + 1);
    clip->Stop();
  }
}

void Runtime::PrevFrame(Object* o) {
  if (movie::Clip* clip = ClipOf(o)) {
    if (clip->CurrentFrame() > 0) clip->GotoFrame(clip->CurrentFrame() - 1);
    clip->Stop();
  }
}

void Runtime::GotoFrame(Object* o, const Value& frame, bool play, int bias) {
  movie::Clip* clip = ClipOf(o);
  if (!clip) return;
  std::optional<uint32_t> target;
  if (frame.IsString()) {
    target = clip->Timeline().FindLabel(frame.string());
  } else {
    double n = vm_.ToNumber(frame) + bias;
    if (std::isfinite(n)) target = n < 0 ? 0u : static_cast<uint32_t>(std::min(n, 1e9));
  }
  if (!target) return;
  if (play)
    clip->Play();
  else
    clip->Stop();
  clip->GotoFrame(*target);
}

bool Runtime::FrameLoaded(Object*, int) { return true; }

void Runtime::Duplicate(Object* o, const std::string& name, int depth) {
  if (o && o->kind == Kind::TextField) textFields_.Duplicate(o, name, depth);
  // `depth` counts from the scripts' depth 0, as duplicateMovieClip's does.
  if (movie::Clip* clip = ClipOf(o))
    DuplicateClip(*clip, name, depth + movie::kScriptDepthBase, nullptr);
}

void Runtime::Remove(Object* o) {
  if (o && o->kind == Kind::TextField) textFields_.Remove(o);
  movie::Clip* clip = ClipOf(o);
  if (!clip || !clip->Parent()) return;
  for (auto& [depth, object] : clip->Parent()->MutableObjects()) {
    if (object.clip.get() != clip) continue;
    if (depth < movie::kScriptDepthBase) return;  // timeline clips stay
    clip->Parent()->RemoveChild(depth);
    return;
  }
}

}  // namespace kestrova::avm1
