// The command line Windows starts a screensaver with, read into what to do.
//
//   "/s"                 FullScreen: run the screensaver
//   "/p 1234", "/p:1234" Preview inside window 1234 (decimal handle)
//   "/c", "/c:1234", ""  Settings, owned by window 1234 if given
//   "/a 1234"            Password: the old Windows' password change (not ours)
//
// Windows writes the switch with '/' or '-', in either case. Anything else
// (or a preview without a window) is None: the screensaver does nothing.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrova::saver {

enum class SaverMode { None, FullScreen, Preview, Settings, Password };

struct SaverCommand {
  SaverMode mode = SaverMode::None;
  uint64_t window = 0;  // the window handle that came with the switch, or 0
};

// `arguments`: the command line after the program's name.
SaverCommand ParseSaverCommand(std::string_view arguments);

}  // namespace kestrova::saver
