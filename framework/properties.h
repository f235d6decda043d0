// Published properties: per class a table of (name, kind, accessors) with
// inheritance, read by the stored-design reader and by the by-name calls.
//
//   if (HasPublishedProperty(*child, "UIStyle") && HasPublishedProperty(*child, "FileTheme")) {
//     SetComponentProperty(*child, "FileTheme", theme);
//     SetOrdProperty(*child, "UIStyle", style);
//   }
//
// A class declares its table in its .cpp (see ClassBuilder in class_builder.h).
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/error.h"

namespace kestrova::framework {

class TPersistent;
class TComponent;

enum class PropertyKind {
  Integer,      // int; may have identifier names (Font.Charset = DEFAULT_CHARSET)
  Boolean,      // True / False
  Enumeration,  // a name of the value table
  Set,          // [name, name]
  String,       // 'text' (UTF-8)
  Color,        // integer or colour name
  Binary,       // {hex}
  Object,       // owned sub-object with its own properties (Font, Glyph, Constraints)
  Collection,   // < item ... end >
  Component,    // a reference to another component by name
  Event,        // a handler by name
};

struct PropertyInfo {
  std::string name;
  PropertyKind kind = PropertyKind::Integer;
  // Enumeration and Set: value i is names[i]. Integer: optional (name, value) pairs.
  std::vector<std::string> value_names;
  std::vector<std::pair<std::string, int64_t>> integer_names;
  // Ordinal kinds (Integer, Boolean, Enumeration, Set bits, Color): not written when equal.
  std::optional<int64_t> default_value;
  std::function<bool(const TPersistent&)> stored;  // written to a design at all?

  std::function<int64_t(const TPersistent&)> get_ordinal;
  std::function<void(TPersistent&, int64_t)> set_ordinal;
  std::function<std::string(const TPersistent&)> get_string;
  std::function<void(TPersistent&, const std::string&)> set_string;
  std::function<std::vector<uint8_t>(const TPersistent&)> get_binary;
  std::function<void(TPersistent&, const std::vector<uint8_t>&)> set_binary;
  std::function<TPersistent*(TPersistent&)> get_object;  // Object and Collection
  std::function<TComponent*(const TPersistent&)> get_component;
  std::function<bool(TPersistent&, TComponent*)> set_component;  // false: wrong class
  // Binds a handler (a std::function of the event's exact type inside the any);
  // false when the handler's type does not fit the event.
  std::function<bool(TPersistent&, const std::string&, const std::any&)> set_event;
  std::function<std::string(const TPersistent&)> get_event_name;
};

class ClassInfo {
 public:
  std::string name;
  const ClassInfo* parent = nullptr;
  std::vector<PropertyInfo> properties;                  // this class's own, in declaration order
  std::function<TComponent*(TComponent* owner)> create;  // empty when not creatable

  // Looks through this class and its ancestors (names compare without case).
  const PropertyInfo* Find(std::string_view property) const;
  bool InheritsFrom(const ClassInfo& other) const;
  // Every property, the ancestors' first, each in declaration order; a
  // redeclared name replaces the ancestor's entry in place.
  std::vector<const PropertyInfo*> All() const;
};

class PropertyError : public Error {
 public:
  using Error::Error;
};

const PropertyInfo* FindPublishedProperty(const TPersistent& object, std::string_view name);
bool HasPublishedProperty(const TPersistent& object, std::string_view name);

// By-name access; each raises PropertyError for an unknown name or a kind that
// does not fit. Ordinal access covers Integer, Boolean, Enumeration, Set and Color.
int64_t GetOrdProperty(const TPersistent& object, std::string_view name);
void SetOrdProperty(TPersistent& object, std::string_view name, int64_t value);
std::string GetStrProperty(const TPersistent& object, std::string_view name);
void SetStrProperty(TPersistent& object, std::string_view name, const std::string& value);
std::string GetEnumProperty(const TPersistent& object, std::string_view name);
void SetEnumProperty(TPersistent& object, std::string_view name, std::string_view value);
TComponent* GetComponentProperty(const TPersistent& object, std::string_view name);
void SetComponentProperty(TPersistent& object, std::string_view name, TComponent* value);
TPersistent* GetObjectProperty(TPersistent& object, std::string_view name);

// Copies every published value (sub-objects through Assign) of `from` to `to`,
// which must be of the same class.
void CopyPublishedProperties(const TPersistent& from, TPersistent& to);

}  // namespace kestrova::framework
