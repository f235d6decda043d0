#include "movie/avm1/object.h"

#include <algorithm>

namespace kestrova::avm1 {

std::string LowerCase(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Object::KeyOf(const std::string& name) const {
  return caseSensitive_ ? name : LowerCase(name);
}

Property* Object::Find(const std::string& name) {
  auto it = caseSensitive_ ? index_.find(name) : index_.find(LowerCase(name));
  return it == index_.end() ? nullptr : &properties_[it->second];
}

const Property* Object::Find(const std::string& name) const {
  return const_cast<Object*>(this)->Find(name);
}

Property& Object::Put(const std::string& name) {
  std::string key = KeyOf(name);
  auto it = index_.find(key);
  if (it != index_.end()) return properties_[it->second];
  index_.emplace(std::move(key), static_cast<uint32_t>(properties_.size()));
  properties_.push_back(Property{name, Value(), nullptr, nullptr, 0});
  return properties_.back();
}

void Object::Define(const std::string& name, Value value, uint16_t flags) {
  Property& p = Put(name);
  p.value = std::move(value);
  p.getter = p.setter = nullptr;
  p.flags = flags;
}

bool Object::Remove(const std::string& name) {
  auto it = index_.find(KeyOf(name));
  if (it == index_.end()) return false;
  properties_.erase(properties_.begin() + it->second);
  Reindex();
  return true;
}

void Object::Reindex() {
  index_.clear();
  for (uint32_t i = 0; i < properties_.size(); ++i) index_.emplace(KeyOf(properties_[i].name), i);
}

}  // namespace kestrova::avm1
