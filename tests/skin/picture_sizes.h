// The built-in pictures the skin components draw, with the sizes and frame
// counts they are cut by: what the picture generator and the resources must
// provide.
#pragma once

namespace kestrova::skin::testing {

struct ExpectedPicture {
  const char* name;
  int width;
  int height;
  int frames;
};

inline constexpr ExpectedPicture kExpectedPictures[] = {
    {"MACOS_BUTTON", 252, 23, 3},          {"WINXP_BUTTON", 54, 21, 3},
    {"DEEPBLUE_BUTTON", 222, 21, 3},       {"PROTEIN_BUTTON", 222, 21, 3},
    {"BLUEGLASS_BUTTON", 231, 27, 3},      {"MACOS_CHECKBOX", 60, 17, 4},
    {"WINXP_CHECKBOX", 52, 13, 4},         {"DEEPBLUE_CHECKBOX", 52, 13, 4},
    {"PROTEIN_CHECKBOX", 52, 13, 4},       {"BLUEGLASS_CHECKBOX", 52, 13, 4},
    {"MACOS_RADIOBUTTON", 64, 17, 4},      {"WINXP_RADIOBUTTON", 52, 13, 4},
    {"DEEPBLUE_RADIOBUTTON", 52, 13, 4},   {"PROTEIN_RADIOBUTTON", 52, 13, 4},
    {"BLUEGLASS_RADIOBUTTON", 52, 13, 4},  {"MACOS_TITLEBTN", 306, 17, 18},
    {"WINXP_TITLEBTN", 378, 21, 18},       {"DEEPBLUE_TITLEBTN", 342, 19, 18},
    {"PROTEIN_TITLEBTN", 342, 19, 18},     {"BLUEGLASS_TITLEBTN", 342, 19, 18},
    {"MACOS_TITLE_LEFT", 48, 23, 1},       {"WINXP_TITLE_LEFT", 35, 29, 1},
    {"DEEPBLUE_TITLE_LEFT", 97, 32, 1},    {"PROTEIN_TITLE_LEFT", 441, 23, 1},
    {"BLUEGLASS_TITLE_LEFT", 162, 33, 1},  {"MACOS_TITLE_CLIENT", 49, 23, 1},
    {"WINXP_TITLE_CLIENT", 37, 29, 1},     {"DEEPBLUE_TITLE_CLIENT", 98, 32, 1},
    {"PROTEIN_TITLE_CLIENT", 1, 23, 1},    {"BLUEGLASS_TITLE_CLIENT", 179, 33, 1},
    {"MACOS_TITLE_RIGHT", 48, 23, 1},      {"WINXP_TITLE_RIGHT", 35, 29, 1},
    {"DEEPBLUE_TITLE_RIGHT", 97, 32, 1},   {"PROTEIN_TITLE_RIGHT", 1, 23, 1},
    {"BLUEGLASS_TITLE_RIGHT", 101, 33, 1}, {"MACOS_MENU_BAR", 1, 22, 1},
    {"MACOS_MENU_SELECT", 1, 21, 1},       {"MENU_CHECKED", 16, 16, 1},
    {"MACOS_FORM_BACKGROUND", 8, 8, 1},    {"PROTEIN_FORM_BACKGROUND", 8, 8, 1},
};

}  // namespace kestrova::skin::testing
