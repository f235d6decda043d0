// Value: one ActionScript value (undefined, null, boolean, number, string
// or object reference). Objects live in the Vm's heap (heap.h) and are
// referred to by plain pointers that stay valid for the Vm's lifetime.
//
// Strings are immutable and shared: copying a string value (a push, a
// variable read, an argument) counts a reference instead of copying the
// text. The count is not atomic: a Vm and its values belong to one thread.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace kestrova::avm1 {

class Object;

enum class Type : unsigned char { Undefined, Null, Boolean, Number, String, Object };

class Value {
 public:
  Value() : number_(0) {}
  Value(double n) : type_(Type::Number), number_(n) {}
  Value(int n) : type_(Type::Number), number_(n) {}
  Value(bool b) : type_(Type::Boolean), number_(b ? 1 : 0) {}
  Value(std::string s) : type_(Type::String), text_(new Text{std::move(s), 1}) {}
  Value(const char* s) : type_(Type::String), text_(new Text{s, 1}) {}
  Value(Object* o) : type_(o ? Type::Object : Type::Null), object_(o) {}
  static Value Null() {
    Value v;
    v.type_ = Type::Null;
    return v;
  }

  Value(const Value& other) : type_(other.type_), bits_(other.bits_) {
    if (type_ == Type::String) ++text_->references;
  }
  Value(Value&& other) noexcept : type_(other.type_), bits_(other.bits_) {
    other.type_ = Type::Undefined;
  }
  Value& operator=(const Value& other) {
    if (other.type_ == Type::String) ++other.text_->references;
    Release();
    type_ = other.type_;
    bits_ = other.bits_;
    return *this;
  }
  Value& operator=(Value&& other) noexcept {
    if (this != &other) {
      Release();
      type_ = other.type_;
      bits_ = other.bits_;
      other.type_ = Type::Undefined;
    }
    return *this;
  }
  ~Value() { Release(); }

  Type type() const { return type_; }
  bool IsUndefined() const { return type_ == Type::Undefined; }
  bool IsNull() const { return type_ == Type::Null; }
  bool IsNullish() const { return type_ == Type::Undefined || type_ == Type::Null; }
  bool IsNumber() const { return type_ == Type::Number; }
  bool IsString() const { return type_ == Type::String; }
  bool IsBool() const { return type_ == Type::Boolean; }
  bool IsObject() const { return type_ == Type::Object; }

  double number() const { return type_ == Type::Number || type_ == Type::Boolean ? number_ : 0; }
  bool boolean() const { return number() != 0; }
  // The text of a string value; the empty string for any other kind.
  const std::string& string() const { return type_ == Type::String ? text_->text : Empty(); }
  Object* object() const { return type_ == Type::Object ? object_ : nullptr; }

 private:
  struct Text {
    std::string text;
    uint32_t references;
  };
  static const std::string& Empty() {
    static const std::string empty;
    return empty;
  }
  void Release() {
    if (type_ == Type::String && --text_->references == 0) Free(text_);
  }
  static void Free(Text* text);  // out of line: the compiler cannot follow the count

  Type type_ = Type::Undefined;
  union {
    double number_;
    Object* object_;
    Text* text_;
    uint64_t bits_;
  };
};

}  // namespace kestrova::avm1
