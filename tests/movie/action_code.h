// Code: AVM1 byte code written by hand, for tests and benchmarks.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kestrova::avm1::testing {

class Code {
 public:
  Code& Op(uint8_t op) {
    bytes_.push_back(op);
    return *this;
  }
  Code& Record(uint8_t op, const std::vector<uint8_t>& body) {
    bytes_.push_back(op);
    bytes_.push_back(static_cast<uint8_t>(body.size()));
    bytes_.push_back(static_cast<uint8_t>(body.size() >> 8));
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
  }
  Code& Str(const std::string& s) {
    std::vector<uint8_t> body = {0};
    body.insert(body.end(), s.begin(), s.end());
    body.push_back(0);
    return Record(0x96, body);
  }
  Code& Num(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    std::vector<uint8_t> body = {6};
    for (int i : {4, 5, 6, 7, 0, 1, 2, 3}) body.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    return Record(0x96, body);
  }
  Code& Append(const Code& more) {
    bytes_.insert(bytes_.end(), more.bytes_.begin(), more.bytes_.end());
    return *this;
  }
  Code& Undefined() { return Record(0x96, {3}); }
  Code& Trace() { return Op(0x26); }
  Code& Jump(int16_t offset) { return Record(0x99, {uint8_t(offset), uint8_t(offset >> 8)}); }
  Code& If(int16_t offset) { return Record(0x9D, {uint8_t(offset), uint8_t(offset >> 8)}); }
  // DefineFunction NAME() whose body is `body`.
  Code& Function(const std::string& name, const Code& body) {
    std::vector<uint8_t> rec(name.begin(), name.end());
    rec.push_back(0);
    rec.insert(rec.end(), {0, 0});
    size_t size = body.bytes_.size();
    rec.insert(rec.end(), {uint8_t(size), uint8_t(size >> 8)});
    Record(0x9B, rec);
    bytes_.insert(bytes_.end(), body.bytes_.begin(), body.bytes_.end());
    return *this;
  }
  Code& Call(const std::string& name) { return Num(0).Str(name).Op(0x3D); }
  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace kestrova::avm1::testing
