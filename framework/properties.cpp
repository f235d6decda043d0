#include "framework/properties.h"

#include "framework/component.h"
#include "framework/persistent.h"
#include "framework/text.h"

namespace kestrova::framework {
namespace {

const PropertyInfo& Require(const TPersistent& object, std::string_view name) {
  const PropertyInfo* p = object.Class().Find(name);
  if (!p)
    throw PropertyError(object.ClassName() + " has no published property " + std::string(name));
  return *p;
}

bool IsOrdinal(PropertyKind kind) {
  return kind == PropertyKind::Integer || kind == PropertyKind::Boolean ||
         kind == PropertyKind::Enumeration || kind == PropertyKind::Set ||
         kind == PropertyKind::Color;
}

PropertyError WrongKind(const TPersistent& object, const PropertyInfo& p, const char* wanted) {
  return PropertyError("property " + object.ClassName() + "." + p.name + " is not " + wanted);
}

}  // namespace

const ClassInfo& TPersistent::StaticClass() {
  static const ClassInfo info = [] {
    ClassInfo c;
    c.name = "TPersistent";
    return c;
  }();
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  throw Error("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

const PropertyInfo* ClassInfo::Find(std::string_view property) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    for (const PropertyInfo& p : c->properties)
      if (SameText(p.name, property)) return &p;
  return nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    if (c == &other) return true;
  return false;
}

std::vector<const PropertyInfo*> ClassInfo::All() const {
  std::vector<const PropertyInfo*> out =
      parent ? parent->All() : std::vector<const PropertyInfo*>{};
  for (const PropertyInfo& p : properties) {
    bool replaced = false;
    for (const PropertyInfo*& q : out)
      if (SameText(q->name, p.name)) {
        q = &p;
        replaced = true;
      }
    if (!replaced) out.push_back(&p);
  }
  return out;
}

const PropertyInfo* FindPublishedProperty(const TPersistent& object, std::string_view name) {
  return object.Class().Find(name);
}

bool HasPublishedProperty(const TPersistent& object, std::string_view name) {
  return FindPublishedProperty(object, name) != nullptr;
}

int64_t GetOrdProperty(const TPersistent& object, std::string_view name) {
  const PropertyInfo& p = Require(object, name);
  if (!IsOrdinal(p.kind)) throw WrongKind(object, p, "ordinal");
  return p.get_ordinal(object);
}

void SetOrdProperty(TPersistent& object, std::string_view name, int64_t value) {
  const PropertyInfo& p = Require(object, name);
  if (!IsOrdinal(p.kind)) throw WrongKind(object, p, "ordinal");
  if (p.kind == PropertyKind::Enumeration && (value < 0 || value >= int64_t(p.value_names.size())))
    throw PropertyError("value " + std::to_string(value) + " is out of range for " + p.name);
  p.set_ordinal(object, value);
}

std::string GetStrProperty(const TPersistent& object, std::string_view name) {
  const PropertyInfo& p = Require(object, name);
  if (p.kind != PropertyKind::String) throw WrongKind(object, p, "a string");
  return p.get_string(object);
}

void SetStrProperty(TPersistent& object, std::string_view name, const std::string& value) {
  const PropertyInfo& p = Require(object, name);
  if (p.kind != PropertyKind::String) throw WrongKind(object, p, "a string");
  p.set_string(object, value);
}

std::string GetEnumProperty(const TPersistent& object, std::string_view name) {
  const PropertyInfo& p = Require(object, name);
  if (p.kind != PropertyKind::Enumeration) throw WrongKind(object, p, "an enumeration");
  int64_t v = p.get_ordinal(object);
  return v >= 0 && v < int64_t(p.value_names.size()) ? p.value_names[size_t(v)] : std::to_string(v);
}

void SetEnumProperty(TPersistent& object, std::string_view name, std::string_view value) {
  const PropertyInfo& p = Require(object, name);
  if (p.kind != PropertyKind::Enumeration) throw WrongKind(object, p, "an enumeration");
  for (size_t i = 0; i < p.value_names.size(); ++i)
    if (SameText(p.value_names[i], value)) return p.set_ordinal(object, int64_t(i));
  throw PropertyError("\"" + std::string(value) + "\" is not a value of " + p.name);
}

TComponent* GetComponentProperty(const TPersistent& object, std::string_view name) {
  const PropertyInfo& p = Require(object, name);
  if (p.kind != PropertyKind::Component) throw WrongKind(object, p, "a component reference");
  return p.get_component(object);
}

void SetComponentProperty(TPersistent& object, std::string_view name, TComponent* value) {
  const PropertyInfo& p = Require(object, name);
  if (p.kind != PropertyKind::Component) throw WrongKind(object, p, "a component reference");
  if (!p.set_component(object, value))
    throw PropertyError(value->ClassName() + " does not fit property " + p.name);
}

TPersistent* GetObjectProperty(TPersistent& object, std::string_view name) {
  const PropertyInfo& p = Require(object, name);
  if (!p.get_object) throw WrongKind(object, p, "an object");
  return p.get_object(object);
}

void CopyPublishedProperties(const TPersistent& from, TPersistent& to) {
  auto& source = const_cast<TPersistent&>(from);
  for (const PropertyInfo* p : from.Class().All()) {
    switch (p->kind) {
      case PropertyKind::String:
        p->set_string(to, p->get_string(from));
        break;
      case PropertyKind::Binary:
        p->set_binary(to, p->get_binary(from));
        break;
      case PropertyKind::Object:
      case PropertyKind::Collection:
        p->get_object(to)->Assign(*p->get_object(source));
        break;
      case PropertyKind::Component:
        p->set_component(to, p->get_component(from));
        break;
      case PropertyKind::Event:
        break;
      default:
        p->set_ordinal(to, p->get_ordinal(from));
    }
  }
}

}  // namespace kestrova::framework
