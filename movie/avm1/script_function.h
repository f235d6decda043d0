// ScriptFunction: the byte code and the call convention of a function that
// DefineFunction or DefineFunction2 made.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "movie/avm1/value.h"

namespace kestrova::avm1 {

// Made once per ConstantPool action: pushing an entry shares its text.
using ConstantPool = std::shared_ptr<const std::vector<Value>>;

// DefineFunction2 flags.
enum FunctionFlag : uint16_t {
  kPreloadThis = 0x01,
  kSuppressThis = 0x02,
  kPreloadArguments = 0x04,
  kSuppressArguments = 0x08,
  kPreloadSuper = 0x10,
  kSuppressSuper = 0x20,
  kPreloadRoot = 0x40,
  kPreloadParent = 0x80,
  kPreloadGlobal = 0x100,
};

struct ScriptFunction {
  struct Parameter {
    uint8_t reg = 0;  // 0: a local variable of that name
    std::string name;
  };
  std::string name;
  std::span<const uint8_t> code;
  std::vector<Parameter> parameters;
  bool function2 = false;
  uint8_t registerCount = 4;
  uint16_t flags = 0;
  ConstantPool pool;
  int version = 5;
};

}  // namespace kestrova::avm1
