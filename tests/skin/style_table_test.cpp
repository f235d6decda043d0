#include "skin/style_table.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/skin_keys.h"
#include "tests/skin/reference_tables.h"

namespace kestrova::skin {
namespace {

using S = TsuiUIStyle;
using K = BuiltInKind;
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

// Every cell's kind and value, and the neutral answers of the three
// look-ups of the other kinds, against the printed table.
TEST(BuiltInTable, EveryCellMatchesThePrintedTable) {
  ASSERT_EQ(std::size(reference::kStyleRows), size_t(kBuiltInEntryCount));
  for (const reference::StyleRow& row : reference::kStyleRows) {
    for (int i = 0; i < 5; ++i) {
      const S s = kBuiltIn[i];
      const std::string cell(row.cells[i]);
      SCOPED_TRACE(testing::Message() << "entry " << row.entry << " style " << i + 1);
      EXPECT_EQ(LookUpBuiltIn(s, row.entry).kind, row.kind);
      const bool isInt = row.kind == K::Integer, isColor = row.kind == K::Color;
      const bool isFlag = row.kind == K::Flag, isPicture = row.kind == K::Picture;
      EXPECT_EQ(GetBuiltInInteger(s, row.entry), isInt ? std::stoi(cell) : -1);
      EXPECT_EQ(GetBuiltInColor(s, row.entry), isColor ? std::stoul(cell, nullptr, 16) : 0u);
      EXPECT_EQ(GetBuiltInBool(s, row.entry), isFlag && cell == "true");
      EXPECT_EQ(GetBuiltInPictureName(s, row.entry), isPicture ? cell : "");
      EXPECT_TRUE(!isFlag || cell == "true" || cell == "false");
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

TEST(SkinKeys, EveryNameMatchesThePrintedList) {
  ASSERT_EQ(std::size(reference::kSkinKeys), SkinKeyNames.size());
  for (size_t i = 0; i < SkinKeyNames.size(); ++i)
    EXPECT_EQ(SkinKeyNames[i], reference::kSkinKeys[i]) << "position " << i;
}

// Each index kind reads its own run: index i of a run is the run's start
// plus i, and an index past the run's end has no key.
TEST(SkinKeys, IndexesReadTheirOwnRun) {
  const auto& ref = reference::kSkinKeys;
  for (int i = 0; i < 32; ++i) EXPECT_EQ(SkinKeyName(TsuiFileThemeColor{i}), ref[i]) << i;
  for (int i = 0; i < 34; ++i) EXPECT_EQ(SkinKeyName(TsuiFileThemeBitmap{i}), ref[32 + i]) << i;
  for (int i = 0; i < 9; ++i) EXPECT_EQ(SkinKeyName(TsuiFileThemeInt{i}), ref[66 + i]) << i;
  for (int i = 0; i < 9; ++i) EXPECT_EQ(SkinKeyName(TsuiFileThemeBool{i}), ref[75 + i]) << i;
  EXPECT_EQ(SkinKeyName(TsuiFileThemeColor{2}), "SKIN2_FORMCOLOR");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBitmap{15}), "SKIN2_BUTTON");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBool{5}), "SKIN2_BUTTONTRANS");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeColor{32}), "");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBitmap{34}), "");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBool{-1}), "");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeInt{9}), "");
  EXPECT_EQ(SkinKeyName(TsuiFileThemeBool{9}), "");
}

}  // namespace
}  // namespace kestrova::skin
