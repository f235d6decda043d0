// TextField: the script objects of the player's text fields, their class
// (properties as accessors on the prototype, methods), createTextField,
// and variable binding: a field naming a variable shows its value, and
// text set on the field is stored into it.
//
//   TextFields fields(vm, runtime, formats);
//   fields.Install(vm.movieClipProto);
//   Object* o = fields.ObjectOf(parentClip, displayObject);
#pragma once

#include <deque>
#include <memory>
#include <unordered_map>

#include "movie/avm1/text_format_class.h"
#include "movie/avm1/vm.h"
#include "movie/player/clip.h"

namespace kestrova::avm1 {

class Runtime;

// Text field objects alive at once, at most (a script making fields in a
// loop stops getting them).
constexpr size_t kMaxFieldObjects = 65536;

class TextFields {
 public:
  TextFields(Vm& vm, Runtime& runtime, TextFormats& formats)
      : vm_(vm), runtime_(runtime), formats_(formats) {}
  void Install(Object* movieClipProto);

  Object* ObjectOf(movie::Clip& parent, movie::DisplayObject& object);
  text::TextField* FieldOf(const Value& value);
  // _x, _name, _parent ... of a field's object; false for other names.
  bool GetDisplayProperty(Object* o, const std::string& name, Value& out);
  bool SetDisplayProperty(Object* o, const std::string& name, const Value& value);
  std::string Path(Object* o);

  // A field placed by a timeline takes its variable's value, or gives it
  // its own text when the variable is not there yet.
  void Placed(movie::Clip& parent, movie::DisplayObject& object);
  // Every field shows its variable's value as it is now.
  void SyncVariables();

  // For the accessors (text_field_properties.cpp).
  Vm& Machine() { return vm_; }
  TextFormats& Formats() { return formats_; }
  void SetText(Object* o, text::TextField& field, const std::u32string& text);
  void Sync(Object* o, text::TextField& field);
  std::u32string Text(Object* o, text::TextField& field);
  void Rebind(Object* o, text::TextField& field);
  void Changed(Object* o);
  // The filters the field is drawn with (a display change).
  void SetFilters(Object* o, std::vector<swf::Filter> filters);
  // Settings only scripts read back (anti-aliasing, restrict ...), per
  // object; `fallback` until one is stored.
  Value Held(Object* o, const char* name, const Value& fallback);
  void Hold(Object* o, const char* name, const Value& value);
  // duplicateMovieClip of a field: a new field of the same definition, at
  // the same place.
  void Duplicate(Object* o, const std::string& name, int depth);
  void Remove(Object* o);
  // The objects of fields on the stage, and the values held for any.
  void MarkRoots(Marker& m) const;
  void Forget(const Object* o);

 private:
  struct Entry {
    std::weak_ptr<text::TextField> field;
    std::weak_ptr<movie::Clip> parent;
    const text::TextField* raw;  // its key in objects_
  };
  void InstallProperties(Object* proto);
  void InstallMethods(Object* proto);
  void InstallCreate(Object* movieClipProto);
  Value Create(movie::Clip& clip, const Args& args);
  movie::DisplayObject* Self(Object* o, movie::Clip** parent = nullptr, int* depth = nullptr);
  // `clipsOnly`: the path goes through clips only, not other objects.
  bool VariableTarget(Object* o, const text::TextField& field, Object*& target, std::string& name,
                      bool clipsOnly = false);

  Vm& vm_;
  Runtime& runtime_;
  TextFormats& formats_;
  Object* proto_ = nullptr;
  std::unordered_map<const Object*, Entry> entries_;
  std::unordered_map<const text::TextField*, Object*> objects_;
  std::unordered_map<const Object*, std::unordered_map<std::string, Value>> held_;
  std::deque<swf::EditText> made_;  // definitions of the fields scripts made
};

}  // namespace kestrova::avm1
