// SWF tag codes the decoder knows; every other tag is skipped by length.
#pragma once

#include <cstdint>

namespace kestrova::swf::tag {

enum Code : uint16_t {
  kEnd = 0,
  kShowFrame = 1,
  kDefineShape = 2,
  kPlaceObject = 4,
  kRemoveObject = 5,
  kDefineBits = 6,
  kJpegTables = 8,
  kSetBackgroundColor = 9,
  kDefineFont = 10,
  kDefineText = 11,
  kDoAction = 12,
  kDefineButton = 7,
  kDefineBitsLossless = 20,
  kDefineButtonCxform = 23,
  kDefineBitsJpeg2 = 21,
  kDefineShape2 = 22,
  kPlaceObject2 = 26,
  kRemoveObject2 = 28,
  kDefineShape3 = 32,
  kDefineText2 = 33,
  kDefineButton2 = 34,
  kDefineEditText = 37,
  kDefineBitsJpeg3 = 35,
  kDefineBitsLossless2 = 36,
  kDefineSprite = 39,
  kFrameLabel = 43,
  kExportAssets = 56,
  kDoInitAction = 59,
  kDefineMorphShape = 46,
  kDefineFont2 = 48,
  kPlaceObject3 = 70,
  kDefineFont3 = 75,
  kDefineScalingGrid = 78,
  kDefineShape4 = 83,
  kDefineMorphShape2 = 84,
};

}  // namespace kestrova::swf::tag
