#include "skin/style_table.h"

#include <array>

namespace kestrova::skin {
namespace {

using K = BuiltInKind;

// One table row: its kind and the values of MacOS, WinXP, DeepBlue, Protein
// and BlueGlass, in that order.
struct Row {
  K kind;
  std::array<int32_t, 5> numbers{};
  std::array<std::string_view, 5> pictures{};
};

constexpr Row Pictures(std::string_view a, std::string_view b, std::string_view c,
                       std::string_view d, std::string_view e) {
  return {K::Picture, {}, {a, b, c, d, e}};
}
constexpr Row Numbers(K kind, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
  return {kind, {a, b, c, d, e}, {}};
}

// Entries without a user in this program (and the pictures of the controls
// it does not contain) are kept so that the numbering stays as the
// components cite it; "SIDECHENNEL" is the pictures' own spelling.
constexpr std::array<Row, kBuiltInEntryCount> kTable = {{
    /* 1 */ Pictures("MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON",
                     "BLUEGLASS_BUTTON"),
    /* 2 */ Numbers(K::Flag, 1, 0, 0, 0, 1),
    /* 3 */
    Pictures("MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX",
             "BLUEGLASS_CHECKBOX"),
    /* 4 */
    Pictures("MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON",
             "PROTEIN_RADIOBUTTON", "BLUEGLASS_RADIOBUTTON"),
    /* 5 */
    Pictures("MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN",
             "BLUEGLASS_TITLEBTN"),
    /* 6 */ Numbers(K::Flag, 0, 0, 0, 1, 1),
    /* 7 */ Numbers(K::Integer, 3, 2, 0, 0, 4),
    /* 8 */ Numbers(K::Integer, -2, -2, 0, 0, -3),
    /* 9 */ Numbers(K::Integer, 4, 5, 2, 2, 6),
    /* 10 */
    Pictures("MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT", "PROTEIN_TITLE_LEFT",
             "BLUEGLASS_TITLE_LEFT"),
    /* 11 */
    Pictures("MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT",
             "PROTEIN_TITLE_CLIENT", "BLUEGLASS_TITLE_CLIENT"),
    /* 12 */
    Pictures("MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT",
             "PROTEIN_TITLE_RIGHT", "BLUEGLASS_TITLE_RIGHT"),
    /* 13 */ Numbers(K::Integer, 130, 150, 130, 130, 270),
    /* 14 */ Numbers(K::Integer, 0, 13, 0, 0, 11),
    /* 15 */ Numbers(K::Color, 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 16 */ Numbers(K::Color, 0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000),
    /* 17 */ Numbers(K::Integer, 1, 3, 1, 1, 1),
    /* 18 */ Numbers(K::Color, 0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 19 */ Numbers(K::Color, 0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 20 */ Numbers(K::Color, 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 21 */ Numbers(K::Color, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7),
    /* 22 */ Numbers(K::Color, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000),
    /* 23 */ Numbers(K::Color, 0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6),
    /* 24 */
    Pictures("MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR",
             "PROTEIN_PROGRESSBAR", "BLUEGLASS_PROGRESSBAR"),
    /* 25 */ Numbers(K::Color, 0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000),
    /* 26 */ Numbers(K::Color, 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 27 */ Numbers(K::Color, 0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000),
    /* 28 */
    Pictures("MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR",
             "PROTEIN_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_BAR"),
    /* 29 */
    Pictures("MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER",
             "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER"),
    /* 30 */
    Pictures("MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V", "DEEPBLUE_TRACKBAR_SLIDER_V",
             "PROTEIN_TRACKBAR_SLIDER_V", "BLUEGLASS_TRACKBAR_SLIDER_V"),
    /* 31 */ Numbers(K::Color, 0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4),
    /* 32 */
    Pictures("MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_BUTTON",
             "PROTEIN_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_BUTTON"),
    /* 33 */
    Pictures("MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK",
             "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK"),
    /* 34 */
    Pictures("MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST", "PROTEIN_CHECKLIST",
             "BLUEGLASS_CHECKLIST"),
    /* 35 */ Numbers(K::Color, 0x474747, 0xC66931, 0x474747, 0x474747, 0x474747),
    /* 36 */ Numbers(K::Color, 0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF),
    /* 37 */ Numbers(K::Color, 0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8),
    /* 38 */
    Pictures("MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON",
             "MORE_SCROLLBUTTON"),
    /* 39 */ Pictures("MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB"),
    /* 40 */
    Pictures("MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE",
             "BLUEGLASS_TAB_LINE"),
    /* 41 */
    Pictures("MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_HANDLE",
             "PROTEIN_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_HANDLE"),
    /* 42 */
    Pictures("MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR",
             "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR"),
    /* 43 */ Pictures("", "", "", "", ""),
    /* 44 */ Numbers(K::Color, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 45 */ Pictures("", "", "", "", ""),
    /* 46 */ Pictures("", "", "", "", ""),
    /* 47 */ Numbers(K::Integer, 0, 0, 0, 0, 0),
    /* 48 */ Numbers(K::Color, 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
}};

}  // namespace

BuiltInValue LookUpBuiltIn(TsuiUIStyle style, int entry) {
  const int column = (static_cast<uint8_t>(style) & 0x7F) - 1;
  // The components pass only the listed entries; anything else gets the
  // neutral answer rather than a read outside the table.
  if (column < 0 || column >= 5 || entry < 1 || entry > kBuiltInEntryCount) return {};
  const Row& row = kTable[entry - 1];
  return {row.kind, row.numbers[column], row.pictures[column]};
}

uint32_t GetBuiltInColor(TsuiUIStyle style, int entry) {
  const BuiltInValue v = LookUpBuiltIn(style, entry);
  return v.kind == BuiltInKind::Color ? static_cast<uint32_t>(v.number) : 0;
}

int32_t GetBuiltInInteger(TsuiUIStyle style, int entry) {
  const BuiltInValue v = LookUpBuiltIn(style, entry);
  return v.kind == BuiltInKind::Integer ? v.number : -1;
}

bool GetBuiltInBool(TsuiUIStyle style, int entry) {
  const BuiltInValue v = LookUpBuiltIn(style, entry);
  return v.kind == BuiltInKind::Flag && v.number != 0;
}

std::string_view GetBuiltInPictureName(TsuiUIStyle style, int entry) {
  const BuiltInValue v = LookUpBuiltIn(style, entry);
  return v.kind == BuiltInKind::Picture ? v.picture : std::string_view();
}

bool ResolveUIStyle(bool themeReady, TsuiUIStyle requested, TsuiUIStyle& effective) {
  effective = requested;
  if (requested != TsuiUIStyle::FromThemeFile) return false;
  if (themeReady) return true;
  effective = TsuiUIStyle::DeepBlue;
  return false;
}

}  // namespace kestrova::skin
