#include "movie/avm1/push_cache.h"

#include <algorithm>

#include "movie/swf/reader.h"
#include "movie/swf/swf_error.h"

namespace kestrova::avm1 {

namespace {

// ActionPush: U8 type, then 0 string, 1 float, 2 null, 3 undefined,
// 4 register (U8), 5 boolean (U8), 6 double, 7 int32, 8 constant (U8
// index), 9 constant (U16 index). An unknown type ends the list.
std::vector<PushItem> Decode(std::span<const uint8_t> body) {
  std::vector<PushItem> items;
  swf::Reader in(body);
  while (!in.AtEnd()) {
    PushItem item;
    switch (in.U8()) {
      case 0:
        item.value = Value(in.String());
        break;
      case 1:
        item.value = static_cast<double>(in.Float());
        break;
      case 2:
        item.value = Value::Null();
        break;
      case 3:
        break;
      case 4:
        item.kind = PushItem::kRegister;
        item.index = in.U8();
        break;
      case 5:
        item.value = in.U8() != 0;
        break;
      case 6:
        item.value = in.Double();
        break;
      case 7:
        item.value = static_cast<double>(static_cast<int32_t>(in.U32()));
        break;
      case 8:
        item.kind = PushItem::kPoolEntry;
        item.index = in.U8();
        break;
      case 9:
        item.kind = PushItem::kPoolEntry;
        item.index = in.U16();
        break;
      default:
        return items;
    }
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace

const std::vector<PushItem>* PushBlock::Items(size_t offset, std::span<const uint8_t> body) {
  if (offset >= bytes_.size()) return nullptr;
  if (slots_.empty()) slots_.resize(bytes_.size());
  if (uint32_t slot = slots_[offset]) return &pushes_[slot - 1];
  std::vector<PushItem> items;
  try {
    items = Decode(body);
  } catch (const swf::SwfError&) {
    return nullptr;
  }
  pushes_.push_back(std::move(items));
  slots_[offset] = static_cast<uint32_t>(pushes_.size());
  return &pushes_.back();
}

std::shared_ptr<PushBlock> PushCache::Block(std::span<const uint8_t> code) {
  auto key = std::make_pair(code.data(), code.size());
  auto it = blocks_.find(key);
  if (it != blocks_.end() && std::ranges::equal(it->second->bytes_, code)) return it->second;
  if (it == blocks_.end()) {
    if (blocks_.size() >= kMaxBlocks) blocks_.clear();
    it = blocks_.emplace(key, nullptr).first;
  }
  it->second = std::make_shared<PushBlock>();
  it->second->bytes_.assign(code.begin(), code.end());
  return it->second;
}

}  // namespace kestrova::avm1
