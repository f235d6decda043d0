#include "movie/text/text_field.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "movie/text/html_text.h"
#include "movie/text/text_layout.h"
#include "movie/text/utf8.h"

namespace kestrova::text {

std::u32string NormalizeBreaks(const std::u32string& text) {
  std::u32string out;
  out.reserve(text.size());
  for (char32_t c : text) out.push_back(c == U'\n' ? U'\r' : c);
  return out;
}

TextField::TextField(const swf::EditText& definition, const swf::Movie& movie)
    : bounds(definition.bounds),
      newFormat(DefaultFormat(definition, movie)),
      autoSize(definition.autoSize ? AutoSize::Left : AutoSize::None),
      wordWrap(definition.wordWrap),
      multiline(definition.multiline),
      html(definition.html),
      border(definition.border),
      background(definition.border),  // the border flag gives a white box with a black frame
      password(definition.password),
      selectable(!definition.noSelect),
      input(!definition.readOnly),
      embedFonts(definition.useOutlines),
      maxChars(definition.maxLength.value_or(0)),
      variable(definition.variable),
      definition_(definition),
      movie_(movie) {
  std::u32string text = FromUtf8(definition.text);
  SetText(html ? TextOfHtml(text, multiline) : text);
}

void TextField::SetText(const std::u32string& text) {
  text_ = NormalizeBreaks(text);
  pool_.clear();
  formats_.assign(text_.size(), Pooled(newFormat));
  FitBox();
  Touch();
}

void TextField::Replace(size_t begin, size_t end, const std::u32string& text) {
  end = std::min(end, text_.size());
  begin = std::min(begin, end);
  std::u32string insert = NormalizeBreaks(text);
  uint32_t format = begin < formats_.size() ? formats_[begin] : Pooled(newFormat);
  text_.replace(begin, end - begin, insert);
  formats_.erase(formats_.begin() + static_cast<std::ptrdiff_t>(begin),
                 formats_.begin() + static_cast<std::ptrdiff_t>(end));
  formats_.insert(formats_.begin() + static_cast<std::ptrdiff_t>(begin), insert.size(), format);
  FitBox();
  Touch();
}

TextFormat TextField::FormatOf(size_t begin, size_t end) const {
  end = std::min(end, formats_.size());
  if (begin >= end) return TextFormat{};
  TextFormat out = pool_[formats_[begin]];
  for (size_t i = begin + 1; i < end; ++i)
    if (formats_[i] != formats_[i - 1]) out = Common(out, pool_[formats_[i]]);
  return out;
}

void TextField::SetFormat(size_t begin, size_t end, const TextFormat& format) {
  end = std::min(end, formats_.size());
  std::vector<uint32_t> changed(pool_.size(), UINT32_MAX);  // old index -> new
  for (size_t i = begin; i < end; ++i) {
    uint32_t& index = formats_[i];
    if (changed[index] == UINT32_MAX) {
      TextFormat f = pool_[index];
      Apply(f, format);
      changed[index] = Pooled(f);
    }
    index = changed[index];
  }
  if (pool_.size() > 2 * formats_.size() + 16) Compact();
  FitBox();
  Touch();
}

uint32_t TextField::Pooled(const TextFormat& format) {
  for (size_t i = 0; i < pool_.size(); ++i)
    if (pool_[i] == format) return static_cast<uint32_t>(i);
  pool_.push_back(format);
  return static_cast<uint32_t>(pool_.size() - 1);
}

// Drops the formats no character has any more.
void TextField::Compact() {
  std::vector<TextFormat> kept;
  std::vector<uint32_t> moved(pool_.size(), UINT32_MAX);
  for (uint32_t& index : formats_) {
    if (moved[index] == UINT32_MAX) {
      moved[index] = static_cast<uint32_t>(kept.size());
      kept.push_back(pool_[index]);
    }
    index = moved[index];
  }
  pool_ = std::move(kept);
}

const TextLayout& TextField::Layout() const {
  if (!layout_ || layoutVersion_ != version_) {
    layout_ = std::make_shared<const TextLayout>(LayOut(*this));
    layoutVersion_ = version_;
  }
  return *layout_;
}

// Auto size keeps the named edge (or the centre) and fits the box to the
// text and its 2-pixel gutters; without word wrap the width follows too.
void TextField::FitBox() {
  if (autoSize == AutoSize::None) return;
  ++version_;  // the layout below is of the text as it is now
  const TextLayout& layout = Layout();
  int32_t height = layout.height + 2 * kGutter;
  bounds.yMax = {bounds.yMin.value + height};
  if (wordWrap) return;
  int32_t width = layout.width + 2 * kGutter;
  int32_t left = bounds.xMin.value, right = bounds.xMax.value;
  if (autoSize == AutoSize::Right) left = right - width;
  if (autoSize == AutoSize::Center) left = left + (right - left - width) / 2;
  bounds.xMin = {left};
  bounds.xMax = {left + width};
}

}  // namespace kestrova::text
