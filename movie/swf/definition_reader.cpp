#include "movie/swf/definition_reader.h"

#include "movie/swf/bitmap_reader.h"
#include "movie/swf/button_reader.h"
#include "movie/swf/edit_text_reader.h"
#include "movie/swf/shape_reader.h"
#include "movie/swf/tag_codes.h"
#include "movie/swf/text_reader.h"

namespace kestrova::swf {

namespace {

Character ReadCharacter(uint16_t code, Reader& in, DecodeContext& context) {
  using namespace tag;
  switch (code) {
    case kDefineShape:
      return ReadDefineShape(in, 1);
    case kDefineShape2:
      return ReadDefineShape(in, 2);
    case kDefineShape3:
      return ReadDefineShape(in, 3);
    case kDefineShape4:
      return ReadDefineShape(in, 4);
    case kDefineMorphShape:
      return ReadDefineMorphShape(in, 1);
    case kDefineMorphShape2:
      return ReadDefineMorphShape(in, 2);
    case kDefineBits:
      return ReadDefineBits(in, context.jpegTables);
    case kDefineBitsJpeg2:
      return ReadDefineBitsJpeg2(in);
    case kDefineBitsJpeg3:
      return ReadDefineBitsJpeg3(in);
    case kDefineBitsLossless:
      return ReadDefineBitsLossless(in, 1);
    case kDefineBitsLossless2:
      return ReadDefineBitsLossless(in, 2);
    case kDefineFont:
      return ReadDefineFont(in);
    case kDefineFont2:
      return ReadDefineFont2(in, 2);
    case kDefineFont3:
      return ReadDefineFont2(in, 3);
    case kDefineText:
      return ReadDefineText(in, 1);
    case kDefineText2:
      return ReadDefineText(in, 2);
    case kDefineButton:
      return ReadDefineButton(in, 1);
    case kDefineButton2:
      return ReadDefineButton(in, 2);
    case kDefineEditText:
      return ReadDefineEditText(in);
    default: {
      // DefineSprite: U16 frame count, then its own tag stream.
      in.U16();
      Timeline sprite;
      ReadTimeline(in, context, sprite, false);
      return sprite;
    }
  }
}

bool IsDefinition(uint16_t code) {
  using namespace tag;
  switch (code) {
    case kDefineShape:
    case kDefineShape2:
    case kDefineShape3:
    case kDefineShape4:
    case kDefineMorphShape:
    case kDefineMorphShape2:
    case kDefineBits:
    case kDefineBitsJpeg2:
    case kDefineBitsJpeg3:
    case kDefineBitsLossless:
    case kDefineBitsLossless2:
    case kDefineFont:
    case kDefineFont2:
    case kDefineFont3:
    case kDefineText:
    case kDefineText2:
    case kDefineButton:
    case kDefineButton2:
    case kDefineEditText:
    case kDefineSprite:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool ReadDefinition(uint16_t code, Reader& body, DecodeContext& context) {
  if (code == tag::kDefineButtonCxform) {
    ApplyButtonCxform(body, context.movie);
    return true;
  }
  if (!IsDefinition(code)) return false;
  uint16_t id = body.U16();
  Character character = ReadCharacter(code, body, context);
  // A later definition of the same id is ignored, as the original player does.
  context.movie.dictionary.emplace(id, std::move(character));
  return true;
}

}  // namespace kestrova::swf
