#include "movie/swf/button_reader.h"

#include "movie/swf/action_reader.h"
#include "movie/swf/filter_reader.h"
#include "movie/swf/swf_error.h"

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
  Timeline* states[] = {&button.up, &button.over, &button.down, &button.hit};
  for (int i = 0; i < 4; ++i)
    if (flags & (1 << i)) states[i]->frames[0].tags.emplace_back(place);
  return true;
}

ButtonAction MakeAction(uint16_t conditions, uint8_t keyCode, std::span<const uint8_t> code) {
  ButtonAction action;
  action.conditions = conditions;
  action.keyCode = keyCode;
  action.code.assign(code.begin(), code.end());
  // Code the timeline reduction cannot follow to its end still runs in
  // the interpreter; the reduced actions are then left out.
  try {
    Reader reduced(code);
    action.actions = ReadActions(reduced);
  } catch (const SwfError&) {
  }
  return action;
}

// BUTTONCONDACTION: U16 size (to the next one; 0 for the last, which runs
// to the end of the tag), U8 transition bits, U8 (key code << 1 |
// OverDownToIdle), then actions up to ActionEnd.
void ReadConditionActions(Reader& in, Button& button) {
  while (in.Remaining() >= 4) {
    const uint16_t size = in.U16();
    Reader body = size == 0 ? in.Sub(in.Remaining()) : in.Sub(size >= 2 ? size - 2 : 0);
    const uint8_t transitions = body.U8();
    const uint8_t second = body.U8();
    const uint16_t conditions = static_cast<uint16_t>(transitions | (second & 1) << 8);
    button.actions.push_back(MakeAction(conditions, second >> 1, body.Rest()));
    if (size == 0) break;
  }
}

}  // namespace

// DefineButton: records, then actions run on release. DefineButton2: U8
// flags (track as menu), U16 offset from itself to the condition actions
// (0: none), then records and the condition actions. A button is drawn in
// one of its states; each state is a one-frame timeline of the records it
// shows.
Button ReadDefineButton(Reader& in, int version) {
  Button button;
  for (Timeline* state : {&button.up, &button.over, &button.down, &button.hit})
    state->frames.resize(1);
  if (version == 1) {
    while (!in.AtEnd() && ReadRecord(in, version, button)) {
    }
    const std::span<const uint8_t> code = in.Rest();
    if (!code.empty() && code[0] != 0)
      button.actions.push_back(MakeAction(kOverDownToOverUp, 0, code));
    return button;
  }
  button.trackAsMenu = in.U8() & 1;
  const uint16_t offset = in.U16();
  if (offset == 0) {
    while (!in.AtEnd() && ReadRecord(in, version, button)) {
    }
    return button;
  }
  // The records lie between the offset field and the actions it points to.
  Reader records = in.Sub(offset >= 2 ? offset - 2 : 0);
  while (!records.AtEnd() && ReadRecord(records, version, button)) {
  }
  ReadConditionActions(in, button);
  return button;
}

// U16 button, CXFORM (no alpha): the colour of the states drawn.
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
