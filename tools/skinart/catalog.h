// Every built-in skin picture, drawn from code: the strips of the five
// styles and the pictures asked for by fixed names.
#pragma once

#include <string>
#include <vector>

#include "common/pixels.h"

namespace kestrova::skinart {

struct Picture {
  std::string name;  // resource name, e.g. "MACOS_BUTTON"
  PixelBuffer pixels;
  int frames = 1;                        // equal-width frames its consumer cuts from it
  std::vector<std::string> frameLabels;  // one per frame (empty for one frame)
};

// All pictures, in style order (MacOS, WinXP, DeepBlue, Protein, BlueGlass),
// the fixed-name pictures last.
std::vector<Picture> BuiltInPictures();

// Per style (each in its own file).
void AddMacOSPictures(std::vector<Picture>& out);
void AddWinXPPictures(std::vector<Picture>& out);
void AddDeepBluePictures(std::vector<Picture>& out);
void AddProteinPictures(std::vector<Picture>& out);
void AddBlueGlassPictures(std::vector<Picture>& out);
void AddSharedPictures(std::vector<Picture>& out);

}  // namespace kestrova::skinart
