// TextField: the state of one placed DefineEditText (or a field a script
// made): its text with a format per character, its box and its settings.
// The player keeps one per display-list entry; scripts change it and the
// renderer draws it (text_layout.h lays it out).
//
//   text::TextField field(definition, movie);
//   field.SetText(U"Hello");
//   field.SetFormat(0, 1, bold);     // characters [0, 1)
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "movie/swf/movie.h"
#include "movie/text/text_format.h"

namespace kestrova::text {

struct TextLayout;

enum class AutoSize : uint8_t { None, Left, Center, Right };

class TextField {
 public:
  TextField(const swf::EditText& definition, const swf::Movie& movie);

  const swf::EditText& Definition() const { return definition_; }
  const swf::Movie& Movie() const { return movie_; }

  // Line breaks are kept as "\r", as the original player keeps them.
  const std::u32string& Text() const { return text_; }
  void SetText(const std::u32string& text);
  void Replace(size_t begin, size_t end, const std::u32string& text);
  const TextFormat& FormatAt(size_t index) const { return pool_[formats_[index]]; }
  // What characters [begin, end) have in common; an empty range: nothing.
  TextFormat FormatOf(size_t begin, size_t end) const;
  void SetFormat(size_t begin, size_t end, const TextFormat& format);

  // The box, in the field's own twips; auto size moves it with the text.
  swf::TwipsRect bounds;
  TextFormat newFormat;  // of text set from now on (every field set)
  AutoSize autoSize = AutoSize::None;
  bool wordWrap, multiline, html, border, background, password, selectable, input, embedFonts;
  uint32_t borderColor = 0, backgroundColor = 0xFFFFFF;
  int32_t maxChars = 0;  // 0: no limit
  std::string variable;
  int32_t scroll = 1, hscroll = 0;

  // Grows with every change: equal counts, the same picture.
  uint64_t Version() const { return version_; }
  void Touch() { ++version_; }
  // Moves the box to fit the text when auto size asks for it.
  void FitBox();
  // The text laid out as it is now (made again after a change).
  const TextLayout& Layout() const;

 private:
  const swf::EditText& definition_;
  const swf::Movie& movie_;
  std::u32string text_;
  // Each character's format as an index into the distinct formats: long
  // text costs four bytes a character, not a format.
  std::vector<uint32_t> formats_;
  std::vector<TextFormat> pool_;
  uint32_t Pooled(const TextFormat& format);
  void Compact();
  uint64_t version_ = 0;
  mutable std::shared_ptr<const TextLayout> layout_;
  mutable uint64_t layoutVersion_ = 0;
};

// "\n" becomes "\r" (so "\r\n" is two breaks, as in the original player).
std::u32string NormalizeBreaks(const std::u32string& text);

}  // namespace kestrova::text
