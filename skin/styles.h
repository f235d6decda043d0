// The built-in skin styles as components use them: the table look-ups, the
// built-in pictures (bitmap resources loaded by name on every request), a
// new component's first style, and the choice between a file theme and the
// built-in table.
//
//   TsuiUIStyle style;
//   if (!UsingFileTheme(FileTheme(), UIStyle(), style)) {
//     GetBuiltInBitmap(style, entry::kButton, &picture, 3, 2);   // hover frame
//     SetTransparent(GetBuiltInBool(style, entry::kButtonTransparent));
//   }
#pragma once

#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "skin/skin_keys.h"
#include "skin/style_table.h"

namespace kestrova::skin {

class TsuiFileTheme;

// The value names of TsuiUIStyle in a stored design, for publishing UIStyle.
std::vector<std::string> UIStyleNames();

// Loads the entry's picture into `destination` (nothing happens when it is
// null): whole when `count` is 0, else frame `frame` (from 1) of `count`
// equal frames. An entry that is not a picture, or a style without a table,
// leaves the destination as it was, or with a count makes it an empty
// frame. Raises Error when the picture's resource is missing.
void GetBuiltInBitmap(TsuiUIStyle style, int entry, framework::TBitmap* destination, int count,
                      int frame);

// The style a new skinned component takes from its owner: the UIStyle of the
// first skinned form frame (a TsuiForm) among the owner form's direct child
// controls; DeepBlue when the owner is not a form or has none.
TsuiUIStyle GetOwnerFormUIStyle(const framework::TComponent* owner);

// The class name by which GetOwnerFormUIStyle knows a skinned form frame.
inline constexpr std::string_view kSkinnedFormClass = "TsuiForm";

// Whether a component with `requested` style and `theme` draws from the file
// theme (true) or from the built-in table of `effective` (false): a style
// other than FromThemeFile is used as it is; FromThemeFile needs a theme
// that is Ready, and falls back to DeepBlue without one.
bool UsingFileTheme(const TsuiFileTheme* theme, TsuiUIStyle requested, TsuiUIStyle& effective);

}  // namespace kestrova::skin
