// Holding a file theme that is not owned: the holder is told when it goes.
#pragma once

#include "framework/component.h"
#include "skin/filetheme.h"

namespace kestrova::skin {

// Points `slot` at `theme`, moving the holder's free notification with it.
inline void BindFileTheme(framework::TComponent& holder, TsuiFileTheme*& slot,
                          TsuiFileTheme* theme) {
  if (slot) holder.RemoveFreeNotification(slot);
  slot = theme;
  if (theme) holder.FreeNotification(theme);
}

// What a control keeps of a theme's pictures is stale once this moves.
inline uint64_t ThemeVersion(const TsuiFileTheme* theme) { return theme ? theme->Version() : 0; }

}  // namespace kestrova::skin
