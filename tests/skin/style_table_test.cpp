#include "skin/style_table.h"

#include <gtest/gtest.h>

#include "skin/skin_keys.h"

namespace kestrova::skin {
namespace {

using S = TsuiUIStyle;
constexpr S kBuiltIn[] = {S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass};

TEST(BuiltInTable, AnswersEachKind) {
  EXPECT_EQ(GetBuiltInInteger(S::MacOS, 8), -2);
  EXPECT_EQ(GetBuiltInInteger(S::BlueGlass, 13), 270);
  EXPECT_EQ(GetBuiltInColor(S::WinXP, 16), 0xC82C00u);
  EXPECT_EQ(GetBuiltInColor(S::Protein, 15), 0xFBFBFBu);
  EXPECT_TRUE(GetBuiltInBool(S::BlueGlass, 6));
  EXPECT_FALSE(GetBuiltInBool(S::DeepBlue, 6));
  EXPECT_TRUE(GetBuiltInBool(S::MacOS, 2));
  EXPECT_EQ(GetBuiltInPictureName(S::Protein, 10), "PROTEIN_TITLE_LEFT");
  EXPECT_EQ(GetBuiltInPictureName(S::MacOS, 1), "MACOS_BUTTON");
}

TEST(BuiltInTable, KeepsTheListedSpellingsAndEmptyNames) {
  EXPECT_EQ(GetBuiltInPictureName(S::MacOS, 38), "MACOS_SCROLLBUTTON");
  EXPECT_EQ(GetBuiltInPictureName(S::WinXP, 38), "WINXP_SCROLLBUTTON");
  for (S s : {S::DeepBlue, S::Protein, S::BlueGlass})
    EXPECT_EQ(GetBuiltInPictureName(s, 38), "MORE_SCROLLBUTTON");
  EXPECT_EQ(GetBuiltInPictureName(S::DeepBlue, 41), "DEEPBLUE_SIDECHENNEL_HANDLE");
  EXPECT_EQ(GetBuiltInPictureName(S::BlueGlass, 42), "BLUEGLASS_SIDECHENNEL_BAR");
  for (S s : kBuiltIn) {
    for (int e : {43, 45, 46}) {
      EXPECT_EQ(LookUpBuiltIn(s, e).kind, BuiltInKind::Picture);
      EXPECT_EQ(GetBuiltInPictureName(s, e), "");
    }
    EXPECT_EQ(GetBuiltInColor(s, 48), GetBuiltInColor(s, 15));
    EXPECT_EQ(GetBuiltInInteger(s, 47), 0);
  }
}

TEST(BuiltInTable, KindsAreTheSameInEveryStyleAndPicturesCarryTheirPrefix) {
  const char* prefixes[] = {"MACOS_", "WINXP_", "DEEPBLUE_", "PROTEIN_", "BLUEGLASS_"};
  for (int e = 1; e <= kBuiltInEntryCount; ++e) {
    for (int i = 0; i < 5; ++i) {
      const BuiltInValue v = LookUpBuiltIn(kBuiltIn[i], e);
      EXPECT_EQ(v.kind, LookUpBuiltIn(S::MacOS, e).kind) << e;
      if (v.kind == BuiltInKind::Picture && !v.picture.empty() &&
          v.picture != "MORE_SCROLLBUTTON") {
        EXPECT_EQ(v.picture.rfind(prefixes[i], 0), 0u) << v.picture;
      }
    }
  }
}

TEST(BuiltInTable, WrongKindsAndNoColumnGiveNeutralAnswers) {
  EXPECT_EQ(GetBuiltInColor(S::MacOS, 7), 0u);     // integer entry
  EXPECT_EQ(GetBuiltInInteger(S::MacOS, 15), -1);  // colour entry
  EXPECT_FALSE(GetBuiltInBool(S::MacOS, 1));       // picture entry
  EXPECT_EQ(GetBuiltInPictureName(S::MacOS, 2), "");
  for (int e = 1; e <= kBuiltInEntryCount; ++e) {
    EXPECT_EQ(GetBuiltInInteger(S::FromThemeFile, e), -1);
    EXPECT_EQ(GetBuiltInColor(S::FromThemeFile, e), 0u);
    EXPECT_FALSE(GetBuiltInBool(S::FromThemeFile, e));
    EXPECT_EQ(GetBuiltInPictureName(S::FromThemeFile, e), "");
  }
  EXPECT_EQ(GetBuiltInInteger(static_cast<S>(6), 7), -1);
  EXPECT_EQ(GetBuiltInInteger(S::MacOS, 0), -1);
  EXPECT_EQ(GetBuiltInInteger(S::MacOS, 49), -1);
  EXPECT_EQ(GetBuiltInInteger(S::MacOS, -100000), -1);
}

TEST(BuiltInTable, OnlyTheLowSevenBitsOfTheStyleCount) {
  EXPECT_EQ(GetBuiltInInteger(static_cast<S>(0x81), 8), -2);
  EXPECT_EQ(GetBuiltInColor(static_cast<S>(0x82), 16), 0xC82C00u);
  EXPECT_EQ(GetBuiltInInteger(static_cast<S>(0x80), 8), -1);
}

TEST(StyleResolution, DecidesBetweenFileThemeAndBuiltInTable) {
  S effective = S::Protein;
  EXPECT_FALSE(ResolveUIStyle(true, S::MacOS, effective));
  EXPECT_EQ(effective, S::MacOS);
  EXPECT_FALSE(ResolveUIStyle(false, S::FromThemeFile, effective));
  EXPECT_EQ(effective, S::DeepBlue);
  EXPECT_TRUE(ResolveUIStyle(true, S::FromThemeFile, effective));
  EXPECT_EQ(effective, S::FromThemeFile);
}

TEST(SkinKeys, RunsAndIndexesNameTheirKeys) {
  EXPECT_EQ(SkinKeyNames.size(), 84u);
  EXPECT_EQ(SkinKeyNames.front(), "SKIN2_TRANSCOLOR");
  EXPECT_EQ(SkinKeyNames.back(), "SKIN2_TABCONTROLTRANS");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeColor{2}), "SKIN2_FORMCOLOR");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeColor{31}), "SKIN2_SIDECHANNELBORDERCOLOR");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBitmap{0}), "SKIN2_TITLEBAR1");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBitmap{15}), "SKIN2_BUTTON");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBitmap{33}), "SKIN2_SCROLLBUTTON");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeInt{0}), "SKIN2_TITLEBARICONPOSX");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeInt{8}), "SKIN2_BOTTOMREGIONMAXY");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBool{5}), "SKIN2_BUTTONTRANS");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeColor{32}), "");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBool{-1}), "");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeInt{9}), "");
}

}  // namespace
}  // namespace kestrova::skin
