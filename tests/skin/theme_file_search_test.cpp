// The places a skin file name is tried in, and which one wins.
#include "skin/filetheme/theme_file_search.h"

#include <gtest/gtest.h>

#include <set>

#include "common/os_services.h"

namespace kestrova::skin {
namespace {

const std::string kSep(1, os::PathSeparator());

TEST(ThemeFileSearch, TriesTheValueThenItsNameInEachFolderInOrder) {
  EXPECT_EQ(ThemeFileCandidates("C:\\skins\\blue.skn", {"D:\\prog", "C:\\WINDOWS\\", "C:/sys/"}),
            (std::vector<std::string>{"C:\\skins\\blue.skn", "D:\\prog" + kSep + "blue.skn",
                                      "C:\\WINDOWS\\blue.skn", "C:/sys/blue.skn"}));
  EXPECT_EQ(ThemeFileCandidates("a/b\\c.skn", {"x"}),
            (std::vector<std::string>{"a/b\\c.skn", "x" + kSep + "c.skn"}));
  // No name part: a folder alone must never be taken for the file.
  EXPECT_EQ(ThemeFileCandidates("C:\\skins\\", {"D:\\prog"}),
            (std::vector<std::string>{"C:\\skins\\"}));
  EXPECT_EQ(FileNamePart("plain.skn"), "plain.skn");
}

TEST(ThemeFileSearch, FirstExistingCandidateWinsAndNothingFoundIsNone) {
  std::set<std::string> files{"W\\blue.skn", "S\\blue.skn"};
  auto exists = [&](const std::string& p) { return files.count(p) > 0; };
  EXPECT_EQ(FindThemeFile("blue.skn", {"P\\", "W\\", "S\\"}, exists), "W\\blue.skn");
  files.insert("P\\blue.skn");
  EXPECT_EQ(FindThemeFile("elsewhere\\blue.skn", {"P\\", "W\\", "S\\"}, exists), "P\\blue.skn");
  files.insert("elsewhere\\blue.skn");
  EXPECT_EQ(FindThemeFile("elsewhere\\blue.skn", {"P\\", "W\\", "S\\"}, exists),
            "elsewhere\\blue.skn");
  EXPECT_EQ(FindThemeFile("red.skn", {"P\\", "W\\", "S\\"}, exists), std::nullopt);
  EXPECT_EQ(FindThemeFile("", {"P\\"}, [](const std::string&) { return true; }), std::nullopt);
}

}  // namespace
}  // namespace kestrova::skin
