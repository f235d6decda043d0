#include "movie/swf/button_reader.h"

#include "movie/swf/filter_reader.h"

namespace kestrova::swf {

namespace {

// BUTTONRECORD: U8 flags (blend mode, filter list, hit test, down, over,
// up), U16 character, U16 depth, MATRIX, [CXFORMWITHALPHA] in version 2,
// then [filters] [U8 blend mode] as the flags say. A zero flag byte ends
// the list.
bool ReadRecord(Reader& in, int version, Button& button) {
  const uint8_t flags = in.U8();
  if (flags == 0) return false;
  PlaceObject place;
  place.character = in.U16();
  place.depth = in.U16();
  place.matrix = in.ReadMatrix();
  if (version == 2) place.colorTransform = in.CxForm(true);
  if (version == 2 && (flags & 0x10)) place.filters = ReadFilters(in);
  if (version == 2 && (flags & 0x20)) place.blendMode = in.U8();
  Timeline* states[] = {&button.up, &button.over, &button.down};
  for (int i = 0; i < 3; ++i)
    if (flags & (1 << i)) states[i]->frames[0].tags.emplace_back(place);
  return true;
}

}  // namespace

// DefineButton: records, then actions. DefineButton2: U8 flags (track as
// menu), U16 offset to the condition actions, then records. A button is
// drawn in one of its states; each state is a one-frame timeline of the
// records it shows.
Button ReadDefineButton(Reader& in, int version) {
  Button button;
  for (Timeline* state : {&button.up, &button.over, &button.down}) state->frames.resize(1);
  if (version == 2) {
    in.U8();
    in.U16();
  }
  while (!in.AtEnd() && ReadRecord(in, version, button)) {
  }
  return button;
}

// U16 button, CXFORM (no alpha).
void ApplyButtonCxform(Reader& in, Movie& movie) {
  const uint16_t id = in.U16();
  const ColorTransform cx = in.CxForm(false);
  auto it = movie.dictionary.find(id);
  Button* button = it == movie.dictionary.end() ? nullptr : std::get_if<Button>(&it->second);
  if (!button) return;
  for (Timeline* state : {&button->up, &button->over, &button->down})
    for (DisplayTag& tag : state->frames[0].tags) std::get<PlaceObject>(tag).colorTransform = cx;
}

}  // namespace kestrova::swf
