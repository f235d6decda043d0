// After a file theme loads a skin, the skinned components on its form that
// use it apply their look again.
#pragma once

namespace kestrova::skin {

class TsuiFileTheme;

// Every "Tsui" component owned by the theme's form whose published FileTheme
// is `theme` gets FileTheme set to none and back, in the form's component
// order. With `recomputeFrame`, when a skinned form frame (TsuiForm) uses the
// theme, the form's window is told its frame changed. Nothing happens for a
// theme not owned by a form.
void RefreshThemeUsers(TsuiFileTheme& theme, bool recomputeFrame);

}  // namespace kestrova::skin
