// The five built-in skin styles and their 48-entry table (portable data).
//
// Entries are numbered 1 to 48 and each has one kind for every style. The
// look-ups answer a neutral value (0 colour, -1 integer, false flag, no
// picture) for an entry of another kind and for any style value that selects
// no column: only the low 7 bits of the style count, and only 1 to 5 select
// one (FromThemeFile does not).
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrova::skin {

enum class TsuiUIStyle : uint8_t {
  FromThemeFile = 0,
  MacOS = 1,
  WinXP = 2,
  DeepBlue = 3,
  Protein = 4,
  BlueGlass = 5,
};

enum class BuiltInKind : uint8_t { Integer, Color, Picture, Flag };

constexpr int kBuiltInEntryCount = 48;

// Well-known entries, as the components cite them.
namespace entry {
constexpr int kButton = 1;
constexpr int kButtonTransparent = 2;
constexpr int kCheckBox = 3;
constexpr int kRadioButton = 4;
constexpr int kTitleButtons = 5;
constexpr int kTitleButtonTransparent = 6;
constexpr int kLeftBtnXOffset = 7;
constexpr int kRightBtnXOffset = 8;
constexpr int kTitleButtonTop = 9;
constexpr int kTitleLeft = 10;
constexpr int kTitleClient = 11;
constexpr int kTitleRight = 12;
constexpr int kMinimumWidth = 13;
constexpr int kRoundCorner = 14;
constexpr int kFormColor = 15;
constexpr int kBorderColor = 16;
constexpr int kBorderWidth = 17;
constexpr int kMenuSelectedBorderColor = 18;
constexpr int kMenuSelectedColor = 19;
constexpr int kMenuSelectedFontColor = 20;
constexpr int kMenuColor = 21;
constexpr int kMenuFontColor = 22;
constexpr int kMenuBarColor = 23;
}  // namespace entry

// One entry's value for one style. `number` holds integers, colours and
// flags (0 or 1); `picture` holds a picture's resource name (may be empty).
struct BuiltInValue {
  BuiltInKind kind = BuiltInKind::Integer;
  int32_t number = -1;
  std::string_view picture;
};

// The table cell for (style, entry); the neutral {Integer, -1} when the
// style selects no column or the entry is outside 1..48.
BuiltInValue LookUpBuiltIn(TsuiUIStyle style, int entry);

uint32_t GetBuiltInColor(TsuiUIStyle style, int entry);
int32_t GetBuiltInInteger(TsuiUIStyle style, int entry);
bool GetBuiltInBool(TsuiUIStyle style, int entry);
// The picture's resource name; empty for other kinds, for no column and for
// the entries whose name is empty.
std::string_view GetBuiltInPictureName(TsuiUIStyle style, int entry);

// The style whose table a component reads: `requested`, unless it is
// FromThemeFile without a ready file theme, which falls back to DeepBlue.
// True when the component draws from its file theme instead.
bool ResolveUIStyle(bool themeReady, TsuiUIStyle requested, TsuiUIStyle& effective);

}  // namespace kestrova::skin
