// PushCache: the decoded items of each Push action, made once per action
// instead of at every run, so a loop pushing "i" shares one string value.
// A block of code is found by where its bytes are and checked against a
// copy of them when it starts running, so code freed and replaced at the
// same address is decoded anew.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "movie/avm1/value.h"

namespace kestrova::avm1 {

struct PushItem {
  enum Kind : uint8_t { kConstant, kRegister, kPoolEntry };
  Kind kind = kConstant;
  uint16_t index = 0;  // register or pool entry
  Value value;         // constants
};

// The Push actions of one block of code, by their offset in it.
class PushBlock {
 public:
  // The items of the Push at `offset` with operand bytes `body`, or null
  // when they do not decode whole (the caller then reads them the slow way,
  // pushing what comes before the fault).
  const std::vector<PushItem>* Items(size_t offset, std::span<const uint8_t> body);

 private:
  friend class PushCache;
  std::vector<uint8_t> bytes_;
  std::vector<uint32_t> slots_;  // per code offset: 1 + the index in pushes_, 0 if not decoded
  std::vector<std::vector<PushItem>> pushes_;
};

class PushCache {
 public:
  // The block for `code`, made anew when its bytes are not the ones seen.
  std::shared_ptr<PushBlock> Block(std::span<const uint8_t> code);

 private:
  static constexpr size_t kMaxBlocks = 1 << 14;
  std::map<std::pair<const uint8_t*, size_t>, std::shared_ptr<PushBlock>> blocks_;
};

}  // namespace kestrova::avm1
