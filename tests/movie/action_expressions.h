// Expressions and statements of AVM1 byte code as the compilers emit them,
// built from `Code`: each expression pushes one value, each statement
// pushes nothing.
#pragma once

#include <string>
#include <vector>

#include "tests/movie/action_code.h"

namespace kestrova::avm1::testing::expr {

inline Code Var(const std::string& name) { return Code().Str(name).Op(0x1C); }
inline Code Str(const std::string& s) { return Code().Str(s); }
inline Code Num(double n) { return Code().Num(n); }
inline Code This() { return Var("this"); }
inline Code Member(const Code& object, const std::string& name) {
  return Code(object).Str(name).Op(0x4E);
}
inline Code Add(const Code& x, const Code& y) { return Code(x).Append(y).Op(0x47); }
// The arguments last to first, then their count.
inline Code Arguments(const std::vector<Code>& args) {
  Code c;
  for (auto it = args.rbegin(); it != args.rend(); ++it) c.Append(*it);
  return c.Num(static_cast<double>(args.size()));
}
inline Code Method(const Code& object, const std::string& name, const std::vector<Code>& args) {
  return Arguments(args).Append(object).Str(name).Op(0x52);
}
inline Code CallF(const std::string& name, const std::vector<Code>& args) {
  return Arguments(args).Str(name).Op(0x3D);
}
inline Code New(const std::string& name, const std::vector<Code>& args) {
  return Arguments(args).Str(name).Op(0x40);
}
// An anonymous function(params) { body } as DefineFunction pushes it.
inline Code Function(const std::vector<std::string>& params, const Code& body) {
  std::vector<uint8_t> rec = {0, static_cast<uint8_t>(params.size()), 0};
  for (const std::string& p : params) {
    rec.insert(rec.end(), p.begin(), p.end());
    rec.push_back(0);
  }
  rec.insert(rec.end(), {uint8_t(body.Size()), uint8_t(body.Size() >> 8)});
  return Code().Record(0x9B, rec).Append(body);
}

inline Code Trace(const Code& value) { return Code(value).Trace(); }
inline Code SetVar(const std::string& name, const Code& value) {
  return Code().Str(name).Append(value).Op(0x1D);
}
inline Code SetLocal(const std::string& name, const Code& value) {
  return Code().Str(name).Append(value).Op(0x3C);
}
inline Code SetMember(const Code& object, const std::string& name, const Code& value) {
  return Code(object).Str(name).Append(value).Op(0x4F);
}
inline Code Statement(const Code& value) { return Code(value).Op(0x17); }  // value dropped
inline Code Return(const Code& value) { return Code(value).Op(0x3E); }

}  // namespace kestrova::avm1::testing::expr
