// Object: an ActionScript object with its own properties (kept in the
// order they were made), a prototype, and the native state of the kinds
// that have one (functions, arrays, wrapped primitives, movie clips).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "movie/avm1/value.h"

namespace kestrova::movie {
class Clip;
}

namespace kestrova::avm1 {

class Vm;
struct ScriptFunction;

using Args = std::vector<Value>;
using NativeFn = std::function<Value(Vm&, const Value& self, const Args& args)>;

// ASSetPropFlags bits, and the version bits that hide a property from
// reads and writes of older movies (it still enumerates and is its
// object's own).
enum PropertyFlag : uint16_t {
  kDontEnum = 1,
  kDontDelete = 2,
  kReadOnly = 4,
  kVersion6 = 0x80,     // hidden before SWF 6
  kVersion7a = 0x100,   // before SWF 7
  kVersion7 = 0x400,    // before SWF 7
  kVersion8 = 0x1000,   // before SWF 8
  kVersion9 = 0x2000,   // before SWF 9
  kVersion10 = 0x4000,  // before SWF 10
};

struct Property {
  std::string name;
  Value value;
  Object* getter = nullptr;  // addProperty
  Object* setter = nullptr;
  uint16_t flags = 0;
  bool IsAccessor() const { return getter != nullptr; }
};

enum class Kind : uint8_t {
  Plain,
  Function,
  Array,
  Boolean,
  Number,
  String,
  Date,
  MovieClip,
  TextField,
  Color,
  Super,
  Arguments,
};

class Object {
 public:
  Object(Kind kind, Object* proto, bool caseSensitive)
      : kind(kind), proto(proto), caseSensitive_(caseSensitive) {}

  Property* Find(const std::string& name);
  const Property* Find(const std::string& name) const;
  // Makes the property when it is missing; keeps its flags when it exists.
  Property& Put(const std::string& name);
  void Define(const std::string& name, Value value, uint16_t flags = 0);
  bool Remove(const std::string& name);
  const std::vector<Property>& Properties() const { return properties_; }
  std::vector<Property>& Properties() { return properties_; }
  bool IsFunction() const { return kind == Kind::Function; }

  Kind kind;
  Object* proto;
  // Function
  NativeFn native;
  NativeFn nativeConstruct;  // `new` of a built-in class, when it differs from a call
  std::shared_ptr<const ScriptFunction> script;
  std::vector<Object*> scope;  // the scope chain a script function was defined in
  // Super: the prototype the super object reaches, and the `this` it calls with
  Object* superProto = nullptr;
  Value superThis;
  // Boolean, Number, String, Date
  Value primitive;
  // MovieClip
  std::weak_ptr<movie::Clip> clip;
  // watch(): name -> (callback, user data)
  struct Watch {
    Object* callback;
    Value data;
  };
  std::unordered_map<std::string, Watch> watches;
  std::vector<Object*> interfaces;  // ImplementsOp
  bool marked = false;              // reached in the collection under way

 private:
  std::string KeyOf(const std::string& name) const;
  void Reindex();

  bool caseSensitive_;
  std::vector<Property> properties_;
  std::unordered_map<std::string, uint32_t> index_;
};

// Clips and text fields: objects with display properties (_x ...).
inline bool IsDisplayObject(const Object* o) {
  return o && (o->kind == Kind::MovieClip || o->kind == Kind::TextField);
}

// Names compare without case before SWF 7.
std::string LowerCase(const std::string& text);

}  // namespace kestrova::avm1
