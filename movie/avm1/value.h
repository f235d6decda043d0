// Value: one ActionScript value (undefined, null, boolean, number, string
// or object reference). Objects live in the Vm's heap (heap.h) and are
// referred to by plain pointers that stay valid for the Vm's lifetime.
#pragma once

#include <string>
#include <utility>

namespace kestrova::avm1 {

class Object;

enum class Type : unsigned char { Undefined, Null, Boolean, Number, String, Object };

class Value {
 public:
  Value() = default;
  Value(double n) : type_(Type::Number), number_(n) {}
  Value(int n) : type_(Type::Number), number_(n) {}
  Value(bool b) : type_(Type::Boolean), number_(b ? 1 : 0) {}
  Value(std::string s) : type_(Type::String), string_(std::move(s)) {}
  Value(const char* s) : type_(Type::String), string_(s) {}
  Value(Object* o) : type_(o ? Type::Object : Type::Null), object_(o) {}
  static Value Null() {
    Value v;
    v.type_ = Type::Null;
    return v;
  }

  Type type() const { return type_; }
  bool IsUndefined() const { return type_ == Type::Undefined; }
  bool IsNull() const { return type_ == Type::Null; }
  bool IsNullish() const { return type_ == Type::Undefined || type_ == Type::Null; }
  bool IsNumber() const { return type_ == Type::Number; }
  bool IsString() const { return type_ == Type::String; }
  bool IsBool() const { return type_ == Type::Boolean; }
  bool IsObject() const { return type_ == Type::Object; }

  double number() const { return number_; }
  bool boolean() const { return number_ != 0; }
  const std::string& string() const { return string_; }
  Object* object() const { return type_ == Type::Object ? object_ : nullptr; }

 private:
  Type type_ = Type::Undefined;
  double number_ = 0;
  Object* object_ = nullptr;
  std::string string_;
};

}  // namespace kestrova::avm1
