#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/design_text.h"
#include "framework/text.h"

namespace kestrova::framework {
namespace {

using Kind = DesignValue::Kind;

TEST(DesignText, ParsesTheValueForms) {
  DesignObject o = ParseDesign(
      "object Form1: TForm1  // a comment\n"
      "  Hex = $FF\n"
      "  Negative = -$10\n"
      "  Ratio = 1.5\n"
      "  Joined = 'one'#32 +\n"
      "    'two'\n"
      "  Empty = ''\n"
      "  Items.Strings = (\n"
      "    'a'\n"
      "    'b')\n"
      "  Flags = []\n"
      "  List = <>\n"
      "  object TTimer\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(o.name, "Form1");
  ASSERT_EQ(o.properties.size(), 8u);
  EXPECT_EQ(o.properties[0].value.integer, 255);
  EXPECT_EQ(o.properties[1].value.integer, -16);
  EXPECT_EQ(o.properties[2].value.kind, Kind::Float);
  EXPECT_DOUBLE_EQ(o.properties[2].value.number, 1.5);
  EXPECT_EQ(o.properties[3].value.text, "one two");
  EXPECT_EQ(o.properties[3].line, 5);
  EXPECT_EQ(o.properties[4].value.text, "");
  EXPECT_EQ(o.properties[5].name, "Items.Strings");
  ASSERT_EQ(o.properties[5].value.list.size(), 2u);
  EXPECT_EQ(o.properties[5].value.list[1].text, "b");
  EXPECT_TRUE(o.properties[6].value.names.empty());
  EXPECT_EQ(o.properties[7].value.kind, Kind::Collection);
  ASSERT_EQ(o.children.size(), 1u);
  EXPECT_EQ(o.children[0].class_name, "TTimer");
  EXPECT_EQ(o.children[0].name, "");
  EXPECT_EQ(o.children[0].line, 13);
}

TEST(DesignText, FormattedTextReadsBackAsTheSameTree) {
  DesignObject o;
  o.name = "F";
  o.class_name = "TF";
  auto prop = [&](std::string name, DesignValue v) { o.properties.push_back({name, v, 0}); };
  DesignValue s;
  s.kind = Kind::String;
  s.text = "It's \xE2\x80\x94 caf\xC3\xA9\r\n\xF0\x9F\x98\x80";
  prop("Caption", s);
  DesignValue bin;
  bin.kind = Kind::Binary;
  for (int i = 0; i < 70; ++i) bin.bytes.push_back(uint8_t(i * 7));
  prop("Data", bin);
  DesignValue set;
  set.kind = Kind::Set;
  set.names = {"akLeft", "akTop"};
  prop("Anchors", set);
  DesignValue items;
  items.kind = Kind::Collection;
  items.items.resize(2);
  DesignValue n;
  n.integer = -3;
  items.items[0].properties.push_back({"Width", n, 0});
  prop("Sections", items);
  DesignObject child;
  child.name = "C";
  child.class_name = "TC";
  o.children.push_back(child);
  std::string text = FormatDesign(o);
  EXPECT_NE(text.find("Caption = 'It''s '#8212' caf\xC3\xA9'#13#10#128512"), std::string::npos)
      << text;
  EXPECT_NE(text.find("Anchors = [akLeft, akTop]"), std::string::npos);
  EXPECT_EQ(ParseDesign(text), o);
}

// What the ANSI code page makes of some bytes, as UTF-8.
std::string FromAnsi(const std::string& bytes) {
  wchar_t wide[16] = {};
  int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), wide, 16);
  return Narrow(std::wstring_view(wide, size_t(n)));
}

TEST(DesignText, CodesFrom128To255AreBytesOfTheAnsiCodePage) {
  DesignObject o =
      ParseDesign("object A: TA\n  Price = '5'#128\n  Word = 'caf'#233' '#8212#65\nend\n");
  EXPECT_EQ(o.properties[0].value.text, "5" + FromAnsi("\x80"));
  EXPECT_EQ(o.properties[1].value.text, "caf" + FromAnsi("\xE9") +
                                            " \xE2\x80\x94"
                                            "A");
  if (GetACP() == 1252) {
    EXPECT_EQ(o.properties[0].value.text, "5\xE2\x82\xAC");  // the euro sign
  }
  // Written back, such letters stay literal and read the same on any code page.
  DesignObject written = ParseDesign(FormatDesign(o));
  EXPECT_EQ(written, o);
}

TEST(DesignText, BadTextNamesItsLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "line 1: 'object' expected"},
      {"object A: TA\n  X 1\nend\n", "line 2: '=' expected"},
      {"object A: TA\n  X = [a b]\nend\n", "line 2: ',' or ']' expected"},
      {"object A: TA\n  X = {0G}\nend\n", "line 2: hexadecimal digit expected"},
      {"object A: TA\n  X = #\nend\n", "line 2: character code expected"},
      {"object A: TA\n  X = #1114112\nend\n", "line 2: character code out of range"},
      {"object A: TA\n  X = 99999999999999999999\nend\n", "line 2: number out of range"},
      {"object A: TA\n  X = <\n    thing\n  >\nend\n", "line 3: 'item' expected"},
      {"object A: TA\nend\nend\n", "line 3: text after the final end"},
      {"object A: TA\n  X = ;\nend\n", "line 2: value expected"},
  };
  for (const auto& [text, message] : cases) {
    try {
      ParseDesign(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const DesignError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
}

}  // namespace
}  // namespace kestrova::framework
