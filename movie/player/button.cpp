// A button instance's states: the clip shows the records of one state.
#include "movie/player/clip.h"

namespace kestrova::movie {

void Clip::ShowButtonState(ButtonState state) {
  if (!button_ || state == shown_) return;
  shown_ = state;
  const swf::Timeline* states[] = {&button_->up, &button_->over, &button_->down};
  timeline_ = states[static_cast<int>(state)];
  // Objects on the same depth with the same character carry over; sprites
  // new to this state start from their first frame, as they are placed.
  DisplayList rebuilt;
  rebuilding_ = true;
  rebuiltPlaces_.clear();
  ApplyFrame(0, rebuilt);
  rebuilding_ = false;
  KeepAndReplace(rebuilt, false);
  AnnounceRebuilt();
  ++context_.changes;
}

}  // namespace kestrova::movie
