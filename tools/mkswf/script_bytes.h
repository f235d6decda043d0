// Script: ActionScript byte code for the sample movies, written out action
// by action (the scripted samples: particles, effects).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kestrova::mkswf {

// Byte code, written out action by action.
class Script {
 public:
  Script& Op(uint8_t op) {
    bytes_.push_back(op);
    return *this;
  }
  Script& Record(uint8_t op, const std::vector<uint8_t>& body) {
    bytes_.insert(bytes_.end(), {op, uint8_t(body.size()), uint8_t(body.size() >> 8)});
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
  }
  Script& Str(const std::string& s) {
    std::vector<uint8_t> body = {0};
    body.insert(body.end(), s.begin(), s.end());
    body.push_back(0);
    return Record(0x96, body);
  }
  Script& Num(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    std::vector<uint8_t> body = {6};
    for (int i : {4, 5, 6, 7, 0, 1, 2, 3}) body.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    return Record(0x96, body);
  }
  Script& Append(const Script& more) {
    bytes_.insert(bytes_.end(), more.bytes_.begin(), more.bytes_.end());
    return *this;
  }
  // Pushes `object` (a variable) and `name`: ready for GetMember or SetMember.
  Script& Member(const std::string& object, const std::string& name) {
    return Str(object).Op(0x1C).Str(name);
  }
  // DefineFunction NAME() { body }
  Script& Function(const std::string& name, const Script& body) {
    std::vector<uint8_t> rec(name.begin(), name.end());
    size_t size = body.bytes_.size();
    rec.insert(rec.end(), {0, 0, 0, uint8_t(size), uint8_t(size >> 8)});
    Record(0x9B, rec);
    return Append(body);
  }
  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace kestrova::mkswf
