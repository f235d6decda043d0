// The command lines Windows starts a screensaver with, in all the spellings
// it uses, and the ones that must not start anything.
#include "saver/saver_command.h"

#include <gtest/gtest.h>

#include "saver/wake_rule.h"

namespace kestrova::saver {
namespace {

struct Row {
  const char* arguments;
  SaverMode mode;
  uint64_t window;
};

TEST(SaverCommand, ReadsEverySpellingWindowsUses) {
  const Row rows[] = {
      {"/s", SaverMode::FullScreen, 0},
      {"/S", SaverMode::FullScreen, 0},
      {"-s", SaverMode::FullScreen, 0},
      {"  /s  ", SaverMode::FullScreen, 0},
      {"/p 1234", SaverMode::Preview, 1234},
      {"/P:1234", SaverMode::Preview, 1234},
      {"-p   987654", SaverMode::Preview, 987654},
      {"/p\t42", SaverMode::Preview, 42},
      {"/c", SaverMode::Settings, 0},
      {"/C:5678", SaverMode::Settings, 5678},
      {"-c 5678", SaverMode::Settings, 5678},
      {"", SaverMode::Settings, 0},
      {"   ", SaverMode::Settings, 0},
      {"/a 77", SaverMode::Password, 77},
      {"/p 18446744073709551615", SaverMode::Preview, 18446744073709551615ull},
  };
  for (const Row& row : rows) {
    SaverCommand command = ParseSaverCommand(row.arguments);
    EXPECT_EQ(command.mode, row.mode) << '"' << row.arguments << '"';
    EXPECT_EQ(command.window, row.window) << '"' << row.arguments << '"';
  }
}

TEST(SaverCommand, RefusesWhatItCannotRun) {
  for (const char* arguments : {"/p", "/p:", "/p 0", "/p abc", "/p 12x", "/p 18446744073709551616",
                                "/x", "s", "/", "/save", "--s", "/s1"}) {
    SaverCommand command = ParseSaverCommand(arguments);
    EXPECT_EQ(command.mode, SaverMode::None) << '"' << arguments << '"';
  }
  EXPECT_EQ(ParseSaverCommand("/c junk").window, 0u) << "settings without a usable owner";
  EXPECT_EQ(ParseSaverCommand("/c junk").mode, SaverMode::Settings);
}

TEST(WakeRule, TheFirstPositionIsWhereTheMouseRests) {
  WakeRule rule(4);
  EXPECT_FALSE(rule.MovedFar(500, 300)) << "the first report is never a move";
  EXPECT_FALSE(rule.MovedFar(504, 296)) << "a tremor of 4 pixels";
  EXPECT_FALSE(rule.MovedFar(500, 300));
  EXPECT_TRUE(rule.MovedFar(505, 300));
  EXPECT_TRUE(rule.MovedFar(500, 295));
  EXPECT_TRUE(rule.MovedFar(-2000, 300)) << "a monitor left of the primary";
}

TEST(WakeRule, SmallStepsAddUpFromTheRestingPoint) {
  WakeRule rule(4);
  rule.MovedFar(0, 0);
  bool woke = false;
  for (int x = 1; x <= 10 && !woke; ++x) woke = rule.MovedFar(x, 0);
  EXPECT_TRUE(woke) << "a slow drift still wakes the screen";
}

TEST(WakeRule, ExtremeCoordinatesDoNotOverflow) {
  WakeRule rule(4);
  rule.MovedFar(2147483647, 0);
  EXPECT_TRUE(rule.MovedFar(-2147483647 - 1, 0));
}

}  // namespace
}  // namespace kestrova::saver
