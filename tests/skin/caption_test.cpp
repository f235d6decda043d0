#include "skin/caption.h"

#include <gtest/gtest.h>

#include "skin/skin_rect.h"

namespace kestrova::skin {
namespace {

int TenPerCharacter(std::string_view s) { return static_cast<int>(s.size()) * 10; }

TEST(EllipsisText, KeepsFittingTextAndPicksTheShortestFormReachingTheLimit) {
  EXPECT_EQ(EllipsisText("Hello", 50, TenPerCharacter), "Hello");
  EXPECT_EQ(EllipsisText("Hello", 49, TenPerCharacter), "He...");  // 50 >= 49
  EXPECT_EQ(EllipsisText("Hello", 45, TenPerCharacter), "He...");  // overshoots by 5
  EXPECT_EQ(EllipsisText("Hello", 40, TenPerCharacter), "H...");
  EXPECT_EQ(EllipsisText("Hello", 1, TenPerCharacter), "H...");
  EXPECT_EQ(EllipsisText("", 0, TenPerCharacter), "");
}

TEST(EllipsisText, GivesTheWholeTextWhenNoShorterFormReachesTheLimit) {
  // Dots without width: "Hell..." is 40 wide, never reaching 45.
  auto dotsFree = [](std::string_view s) {
    int w = 0;
    for (char c : s) w += c == '.' ? 0 : 10;
    return w;
  };
  EXPECT_EQ(EllipsisText("Hello", 45, dotsFree), "Hello");
  EXPECT_EQ(EllipsisText("W", -1, TenPerCharacter), "W");
}

TEST(InRect, AllFourSidesAreInside) {
  const Rect r{10, 20, 30, 40};
  EXPECT_TRUE(InRect(10, 20, r));
  EXPECT_TRUE(InRect(30, 40, r));
  EXPECT_TRUE(InRect(30, 25, r));
  EXPECT_FALSE(InRect(31, 25, r));
  EXPECT_FALSE(InRect(15, 41, r));
  EXPECT_FALSE(InRect(9, 25, r));
}

}  // namespace
}  // namespace kestrova::skin
