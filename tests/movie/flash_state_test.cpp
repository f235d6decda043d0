// The preview control's stored state: the settings it names are read, and a
// block that is damaged anywhere keeps the defaults.
#include "movie/control/flash_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/movie/flash_state_block.h"

namespace kestrova::movie {
namespace {

using Bytes = std::vector<uint8_t>;
using W = TFlashWindowMode;
using Q = TFlashQuality;
using S = TFlashScaleMode;

Bytes State(const std::vector<std::string>& settings, size_t size = 300, int count = -1) {
  return testing::FlashStateBlock(settings, size, count);
}

const FlashSettings kDefaults{W::Window, Q::High, S::ShowAll};

TEST(FlashState, TheNamedSettingsAreRead) {
  EXPECT_EQ(ReadFlashState(State(
                {"Movie=", "WMode=Window", "Quality=High", "Scale=ShowAll", "Play=-1", "Loop=-1"})),
            kDefaults);
  EXPECT_EQ(ReadFlashState(State({"Movie=", "WMode=Transparent", "Quality=Low", "Scale=NoBorder"})),
            (FlashSettings{W::Transparent, Q::Low, S::NoBorder}));
  EXPECT_EQ(ReadFlashState(State({"WMode=Opaque", "Quality=Best", "Scale=ExactFit"})),
            (FlashSettings{W::Opaque, Q::Best, S::ExactFit}));
  EXPECT_EQ(ReadFlashState(State({"Scale=NoScale", "Quality=Medium"})),
            (FlashSettings{W::Window, Q::Medium, S::NoScale}));
}

TEST(FlashState, NamesAndValuesIgnoreCaseAndTheLastOneCounts) {
  EXPECT_EQ(ReadFlashState(State({"wmode=OPAQUE", "QUALITY=autolow", "sCaLe=noborder"})),
            (FlashSettings{W::Opaque, Q::Low, S::NoBorder}));
  EXPECT_EQ(ReadFlashState(State({"Quality=Low", "Quality=AutoHigh"})).quality, Q::High);
  // Unknown values, unknown names and texts without '=' change nothing.
  EXPECT_EQ(ReadFlashState(State({"WMode=Direct", "Qualit\xE4t=Low", "Scale", "Scale =NoScale"})),
            kDefaults);
  EXPECT_EQ(ReadFlashState(State({"WMode=Opaque\xC3\xA9"})), kDefaults);
}

TEST(FlashState, DamagedBlocksKeepTheDefaults) {
  Bytes wrongMagic = State({"WMode=Opaque"});
  wrongMagic[3] = '2';
  EXPECT_EQ(ReadFlashState(wrongMagic), kDefaults);
  EXPECT_EQ(ReadFlashState(Bytes{}), kDefaults);
  EXPECT_EQ(ReadFlashState(Bytes{'K', 'S', 'F', '1', 8, 0, 1}), kDefaults);
  // A size beyond the block, or below the header, is no stored state.
  Bytes tooLong = State({"WMode=Opaque"}, 0);
  tooLong[4] = uint8_t(tooLong.size() + 1);
  EXPECT_EQ(ReadFlashState(tooLong), kDefaults);
  Bytes tooShort = State({"WMode=Opaque"});
  tooShort[4] = 7, tooShort[5] = 0;
  EXPECT_EQ(ReadFlashState(tooShort), kDefaults);
}

TEST(FlashState, NothingPastTheCountOrTheStatedSizeIsRead) {
  // The count says one setting: the second is padding.
  EXPECT_EQ(ReadFlashState(State({"WMode=Opaque", "Scale=NoScale"}, 300, 1)),
            (FlashSettings{W::Opaque, Q::High, S::ShowAll}));
  // A count beyond the texts stops at the padding's empty texts.
  EXPECT_EQ(ReadFlashState(State({"Scale=NoScale"}, 300, 500)).scaleMode, S::NoScale);
  // The stated size ends inside the second text: only the first is whole.
  Bytes cut = State({"WMode=Opaque", "Scale=NoScale"}, 0);
  const size_t firstEnd = 8 + 2 * (12 + 1);
  cut[4] = uint8_t(firstEnd + 10);
  EXPECT_EQ(ReadFlashState(cut), (FlashSettings{W::Opaque, Q::High, S::ShowAll}));
  // A last text without its zero character is not read.
  Bytes open = State({"Scale=NoScale"}, 0);
  open.resize(open.size() - 2);
  open[4] = uint8_t(open.size());
  EXPECT_EQ(ReadFlashState(open), kDefaults);
}

}  // namespace
}  // namespace kestrova::movie
