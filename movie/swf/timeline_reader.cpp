#include "movie/swf/timeline_reader.h"

#include <string>

#include "movie/swf/action_reader.h"
#include "movie/swf/definition_reader.h"
#include "movie/swf/filter_reader.h"
#include "movie/swf/swf_error.h"
#include "movie/swf/tag_codes.h"

namespace kestrova::swf {

namespace {

std::string TagName(uint16_t code) { return "tag " + std::to_string(code); }

// ExportAssets: U16 count, then per asset U16 character and STRING name.
void ReadExports(Reader& in, Movie& movie) {
  uint16_t count = in.U16();
  for (uint16_t i = 0; i < count && !in.AtEnd(); ++i) {
    uint16_t id = in.U16();
    movie.exports[in.String()] = id;
  }
}

// CLIPACTIONS: U16 reserved, all-events flags, then records (flags, U32
// size, [U8 key code when the key-press bit is set], actions) up to zero
// flags. Flags are U16 before SWF 6, U32 from then on.
std::vector<ClipAction> ReadClipActions(Reader& in, int swfVersion) {
  auto flags = [&] { return swfVersion >= 6 ? in.U32() : in.U16(); };
  std::vector<ClipAction> out;
  in.U16();
  flags();
  while (!in.AtEnd()) {
    ClipAction action;
    action.events = flags();
    if (action.events == 0) break;
    Reader body = in.Sub(in.U32());
    if (action.events & 0x20000) action.keyCode = body.U8();
    auto bytes = body.Rest();
    action.code.assign(bytes.begin(), bytes.end());
    out.push_back(std::move(action));
  }
  return out;
}

// A control tag of a timeline; returns false at End.
bool ReadControlTag(uint16_t code, Reader& body, DecodeContext& context, Timeline& timeline,
                    Frame& frame, bool root) {
  using namespace tag;
  switch (code) {
    case kEnd:
      return false;
    case kShowFrame:
      timeline.frames.push_back(std::move(frame));
      frame = Frame{};
      break;
    case kPlaceObject:
      frame.tags.emplace_back(ReadPlaceObject(body));
      break;
    case kPlaceObject2:
      frame.tags.emplace_back(ReadPlaceObject2(body, 2, context.movie.header.version));
      break;
    case kPlaceObject3:
      frame.tags.emplace_back(ReadPlaceObject2(body, 3, context.movie.header.version));
      break;
    case kRemoveObject:
      body.U16();
      frame.tags.emplace_back(RemoveObject{body.U16()});
      break;
    case kRemoveObject2:
      frame.tags.emplace_back(RemoveObject{body.U16()});
      break;
    case kFrameLabel:
      frame.label = body.String();
      break;
    case kDoAction: {
      auto bytes = body.Rest();
      frame.scripts.emplace_back(bytes.begin(), bytes.end());
      Reader actions(bytes);
      for (Action& a : ReadActions(actions)) frame.actions.push_back(std::move(a));
      break;
    }
    case kDoInitAction: {
      InitAction init;
      init.spriteId = body.U16();
      auto bytes = body.Rest();
      init.code.assign(bytes.begin(), bytes.end());
      frame.initScripts.push_back(std::move(init));
      break;
    }
    case kExportAssets:
      if (root) ReadExports(body, context.movie);
      break;
    case kDefineScalingGrid:  // U16 character, RECT grid
      if (root) {
        const uint16_t id = body.U16();
        context.movie.scalingGrids[id] = body.Rect();
      }
      break;
    case kSetBackgroundColor:
      if (root && !context.movie.background) context.movie.background = body.Rgb();
      break;
    case kJpegTables:
      if (root) {
        auto bytes = body.Rest();
        context.jpegTables.assign(bytes.begin(), bytes.end());
      }
      break;
    default:
      if (root) ReadDefinition(code, body, context);
      break;
  }
  return true;
}

}  // namespace

// PlaceObject: U16 character, U16 depth, MATRIX, [CXFORM].
PlaceObject ReadPlaceObject(Reader& in) {
  PlaceObject place;
  place.character = in.U16();
  place.depth = in.U16();
  place.matrix = in.ReadMatrix();
  if (!in.AtEnd()) place.colorTransform = in.CxForm(false);
  return place;
}

// PlaceObject2: U8 flags (clip actions, clip depth, name, ratio, colour
// transform, matrix, character, move), U16 depth, then the present fields
// in that order reversed: [U16 character] [MATRIX] [CXFORMWITHALPHA] [U16
// ratio] [STRING name] [U16 clip depth] [clip actions]. PlaceObject3 adds
// a second flag byte (opaque background, visible, image, class name, cache
// as bitmap, blend mode, filters), [STRING class name] after the depth,
// and after the clip depth [filters] [U8 blend mode] [U8 cache] [U8 visible].
PlaceObject ReadPlaceObject2(Reader& in, int version, int swfVersion) {
  PlaceObject place;
  uint8_t flags = in.U8();
  uint8_t flags3 = version >= 3 ? in.U8() : 0;
  place.depth = in.U16();
  place.move = flags & 0x01;
  if ((flags3 & 0x08) || ((flags3 & 0x10) && (flags & 0x02))) in.String();
  if (flags & 0x02) place.character = in.U16();
  if (flags & 0x04) place.matrix = in.ReadMatrix();
  if (flags & 0x08) place.colorTransform = in.CxForm(true);
  if (flags & 0x10) place.ratio = in.U16();
  if (flags & 0x20) place.name = in.String();
  if (flags & 0x40) place.clipDepth = in.U16();
  if (version >= 3) {
    if (flags3 & 0x01) {
      try {
        place.filters = ReadFilters(in);
      } catch (const SwfError&) {
        return place;  // a bad filter list: the object is still placed, unfiltered
      }
    }
    if (flags3 & 0x02) place.blendMode = in.U8();
    if (flags3 & 0x04) place.cacheAsBitmap = in.U8() != 0;
    if (flags3 & 0x20) place.visible = in.U8() != 0;
  }
  if (flags & 0x80) place.clipActions = ReadClipActions(in, swfVersion);
  return place;
}

void ReadTimeline(Reader& in, DecodeContext& context, Timeline& timeline, bool root) {
  Frame frame;
  bool ended = false;
  while (!in.AtEnd()) {
    uint16_t header = in.U16();
    uint16_t code = header >> 6;
    uint32_t length = header & 0x3F;
    if (length == 0x3F) length = in.U32();
    if (length > in.Remaining()) {
      context.movie.warnings.push_back(TagName(code) + ": length beyond the end of the movie");
      break;
    }
    Reader body = in.Sub(length);
    try {
      if (!ReadControlTag(code, body, context, timeline, frame, root)) {
        ended = true;
        break;
      }
    } catch (const SwfError& e) {
      context.movie.warnings.push_back(TagName(code) + ": " + e.what());
    }
  }
  // Tags after the last ShowFrame still count when nothing else was shown.
  if (timeline.frames.empty()) {
    timeline.frames.push_back(std::move(frame));
    return;
  }
  if (root) return;
  // A sprite's tags after its last ShowFrame make one more frame, played
  // once: such a sprite, like one without its End tag, stops at its end.
  bool partial = !frame.tags.empty() || !frame.scripts.empty() || !frame.actions.empty() ||
                 !frame.initScripts.empty();
  if (partial) timeline.frames.push_back(std::move(frame));
  timeline.loops = ended && !partial;
}

std::optional<uint32_t> Timeline::FindLabel(const std::string& label) const {
  for (size_t i = 0; i < frames.size(); ++i) {
    // Labels match without regard to case, as in the original player.
    const std::string& l = frames[i].label;
    if (l.size() == label.size() &&
        std::equal(l.begin(), l.end(), label.begin(),
                   [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
      return static_cast<uint32_t>(i);
  }
  return std::nullopt;
}

}  // namespace kestrova::swf
