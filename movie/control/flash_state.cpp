#include "movie/control/flash_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kestrova::movie {
namespace {

constexpr std::string_view kMagic = "KSF1";
constexpr size_t kHeaderSize = 8;  // magic, size, count

uint16_t U16(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// One zero-ended UTF-16LE text from `at`, moving `at` past it; characters
// outside ASCII become '?' (no setting the control reads uses them). None
// when the text runs past the block.
std::optional<std::string> ReadText(std::span<const uint8_t> bytes, size_t& at) {
  std::string text;
  for (; at + 2 <= bytes.size(); at += 2) {
    const uint16_t c = U16(bytes, at);
    if (c == 0) {
      at += 2;
      return text;
    }
    text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  }
  return std::nullopt;
}

using W = TFlashWindowMode;
using Q = TFlashQuality;
using S = TFlashScaleMode;

// Each setting's values, in lower case.
constexpr std::pair<std::string_view, W> kWindowModes[] = {
    {"window", W::Window}, {"opaque", W::Opaque}, {"transparent", W::Transparent}};
constexpr std::pair<std::string_view, Q> kQualities[] = {{"low", Q::Low},       {"autolow", Q::Low},
                                                         {"medium", Q::Medium}, {"high", Q::High},
                                                         {"autohigh", Q::High}, {"best", Q::Best}};
constexpr std::pair<std::string_view, S> kScaleModes[] = {{"showall", S::ShowAll},
                                                          {"noborder", S::NoBorder},
                                                          {"exactfit", S::ExactFit},
                                                          {"noscale", S::NoScale}};

template <typename Enum, size_t N>
void Pick(std::string_view value, const std::pair<std::string_view, Enum> (&names)[N], Enum& out) {
  for (const auto& [name, e] : names) {
    if (value == name) out = e;
  }
}

void Apply(std::string_view name, std::string_view value, FlashSettings& s) {
  if (name == "wmode") Pick(value, kWindowModes, s.windowMode);
  if (name == "quality") Pick(value, kQualities, s.quality);
  if (name == "scale") Pick(value, kScaleModes, s.scaleMode);
}

}  // namespace

FlashSettings ReadFlashState(std::span<const uint8_t> block) {
  FlashSettings settings;
  if (block.size() < kHeaderSize) return settings;
  if (std::string_view(reinterpret_cast<const char*>(block.data()), 4) != kMagic) return settings;
  const size_t size = U16(block, 4);
  if (size < kHeaderSize || size > block.size()) return settings;
  const std::span<const uint8_t> bytes = block.first(size);
  size_t at = kHeaderSize;
  for (int i = U16(block, 6); i > 0; --i) {
    const std::optional<std::string> text = ReadText(bytes, at);
    if (!text) break;
    const size_t equals = text->find('=');
    if (equals == std::string::npos) continue;
    Apply(Lower(text->substr(0, equals)), Lower(text->substr(equals + 1)), settings);
  }
  return settings;
}

}  // namespace kestrova::movie
