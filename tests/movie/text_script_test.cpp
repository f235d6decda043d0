// TextField and TextFormat as scripts see them: TextFormat's coercion by
// SWF version, variable binding both ways, createTextField, duplicated
// fields and display properties.
#include <gtest/gtest.h>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "movie/swf/text_writer.h"
#include "tests/movie/action_code.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::avm1 {
namespace {

using testing::Code;

enum Op : uint8_t {
  kGetVariable = 0x1C,
  kSetVariable = 0x1D,
  kCloneSprite = 0x24,
  kNewObject = 0x40,
  kGetMember = 0x4E,
  kSetMember = 0x4F,
  kCallMethod = 0x52,
};

// trace(object.member)
Code TraceMember(const std::string& object, const std::string& member) {
  return Code().Str(object).Op(kGetVariable).Str(member).Op(kGetMember).Trace();
}

Code SetMember(const std::string& object, const std::string& member, const Code& value) {
  return Code().Str(object).Op(kGetVariable).Str(member).Append(value).Op(kSetMember);
}

// Runs one frame of `script`, after `tags` (definitions and placements).
std::vector<std::string> RunScript(
    int version, const Code& script,
    const std::vector<std::pair<uint16_t, std::vector<uint8_t>>>& tags = {}) {
  swf::SwfWriter swf(static_cast<uint8_t>(version), swf::testing::Stage(200, 100), 12);
  for (const auto& [code, body] : tags) swf.Tag(code, body);
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(script.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  std::vector<std::string> lines;
  Runtime runtime(movie, {[&](const std::string& l) { lines.push_back(l); }, {}});
  return lines;
}

// format = new TextFormat("x", 3.7), then stores read back.
Code FormatScript() {
  Code c;
  c.Str("f").Num(3.7).Str("x").Num(2).Str("TextFormat").Op(kNewObject).Op(kSetVariable);
  c.Append(TraceMember("f", "size"));
  c.Append(SetMember("f", "size", Code().Num(3.5))).Append(TraceMember("f", "size"));
  c.Append(SetMember("f", "leftMargin", Code().Num(-2))).Append(TraceMember("f", "leftMargin"));
  c.Append(SetMember("f", "color", Code().Num(-1))).Append(TraceMember("f", "color"));
  c.Append(SetMember("f", "align", Code().Str("CENTER")));
  c.Append(SetMember("f", "align", Code().Str("middle"))).Append(TraceMember("f", "align"));
  c.Append(SetMember("f", "font", Code().Num(12))).Append(TraceMember("f", "font"));
  c.Append(SetMember("f", "bold", Code().Str("no"))).Append(TraceMember("f", "bold"));
  c.Append(TraceMember("f", "url"));
  return c;
}

TEST(TextFormatScript, CoercesStoresAsTheMovieVersionSays) {
  // The constructor cuts fractions; SWF 8 setters round half to even and
  // keep margins from going negative; older ones cut.
  EXPECT_EQ(
      RunScript(8, FormatScript()),
      (std::vector<std::string>{"3", "4", "0", "4294967295", "center", "12", "true", "null"}));
  EXPECT_EQ(
      RunScript(7, FormatScript()),
      (std::vector<std::string>{"3", "3", "-2", "4294967295", "center", "12", "true", "null"}));
}

// A placed field "tf" bound to "v", starting "start", at (10, 20) with its
// box from (2, 3).
std::vector<std::pair<uint16_t, std::vector<uint8_t>>> BoundField() {
  swf::EditText e;
  e.bounds = {{40}, {2040}, {60}, {460}};
  e.variable = "v";
  e.text = "start";
  swf::PlaceObject place;
  place.depth = 1;
  place.character = 1;
  place.name = "tf";
  place.matrix = swf::Matrix{};
  place.matrix->tx = {200};
  place.matrix->ty = {400};
  return {{swf::tag::kDefineEditText, swf::DefineEditTextBody(1, e)},
          {swf::tag::kPlaceObject2, swf::PlaceObject2Body(place)}};
}

TEST(TextFieldScript, AVariableAndItsFieldFollowEachOther) {
  Code c;
  c.Str("v").Op(kGetVariable).Trace();
  c.Str("v").Str("next").Op(kSetVariable).Append(TraceMember("tf", "text"));
  c.Append(SetMember("tf", "text", Code().Str("set"))).Str("v").Op(kGetVariable).Trace();
  c.Append(TraceMember("tf", "_x")).Append(TraceMember("tf", "_y"));
  c.Append(SetMember("tf", "_x", Code().Num(50))).Append(TraceMember("tf", "_x"));
  c.Append(TraceMember("tf", "_width"));
  c.Str("tf").Op(kGetVariable).Trace();
  c.Append(TraceMember("tf", "variable")).Append(TraceMember("tf", "length"));
  EXPECT_EQ(RunScript(6, c, BoundField()),
            (std::vector<std::string>{"start", "next", "set", "12", "23", "50", "100", "_level0.tf",
                                      "v", "3"}));
}

TEST(TextFieldScript, ScriptsMakeDuplicateAndRemoveFields) {
  Code c;
  // made = createTextField("t", 5, 10, 20, 100, 30)
  c.Str("made").Num(30).Num(100).Num(20).Num(10).Num(5).Str("t").Num(6).Str("_root");
  c.Op(kGetVariable).Str("createTextField").Op(kCallMethod).Op(kSetVariable);
  c.Str("made").Op(kGetVariable).Trace();
  c.Num(0).Str("t").Op(kGetVariable).Str("getDepth").Op(kCallMethod).Trace();
  c.Append(TraceMember("t", "_height")).Append(TraceMember("t", "type"));
  // duplicateMovieClip(tf, "copy", 16390): a new field of the same
  // definition at the same place, bound to the same variable
  c.Append(SetMember("tf", "wordWrap", Code().Num(1)));
  c.Str("tf").Op(kGetVariable).Str("copy").Num(16390).Op(kCloneSprite);
  c.Append(TraceMember("copy", "_x")).Append(TraceMember("copy", "wordWrap"));
  c.Append(TraceMember("copy", "text"));
  c.Num(0).Str("t").Op(kGetVariable).Str("removeTextField").Op(kCallMethod);
  c.Str("t").Op(kGetVariable).Trace();
  std::vector<std::string> lines = RunScript(8, c, BoundField());
  EXPECT_EQ(lines, (std::vector<std::string>{"_level0.t", "5", "30", "dynamic", "12", "false",
                                             "start", "undefined"}));
  EXPECT_EQ(RunScript(7, Code()
                             .Str("made")
                             .Num(30)
                             .Num(100)
                             .Num(20)
                             .Num(10)
                             .Num(5)
                             .Str("t")
                             .Num(6)
                             .Str("_root")
                             .Op(kGetVariable)
                             .Str("createTextField")
                             .Op(kCallMethod)
                             .Op(kSetVariable)
                             .Str("made")
                             .Op(kGetVariable)
                             .Trace()),
            (std::vector<std::string>{"undefined"}))
      << "before SWF 8 createTextField returns nothing";
}

// tf.setTextFormat(1, 3, bold) and what getTextFormat reads back over
// ranges; htmlText of a field; the prototype's accessors on a plain object.
TEST(TextFieldScript, FormatsOverRangesHtmlTextAndThePrototype) {
  Code c;
  c.Num(20).Num(100).Num(0).Num(0).Num(1).Str("t").Num(6).Str("_root").Op(kGetVariable);
  c.Str("createTextField").Op(kCallMethod).Op(0x17);  // Pop
  c.Str("bold").Num(0).Str("TextFormat").Op(kNewObject).Op(kSetVariable);
  c.Append(SetMember("bold", "bold", Code().Num(1)));
  c.Append(SetMember("t", "text", Code().Str("abcd")));
  c.Str("bold").Op(kGetVariable).Num(3).Num(1).Num(3).Str("t").Op(kGetVariable);
  c.Str("setTextFormat").Op(kCallMethod).Op(0x17);  // Pop
  auto boldOf = [&](std::vector<double> range) {
    for (auto it = range.rbegin(); it != range.rend(); ++it) c.Num(*it);
    c.Num(static_cast<double>(range.size())).Str("t").Op(kGetVariable).Str("getTextFormat");
    c.Op(kCallMethod).Str("bold").Op(kGetMember).Trace();
  };
  boldOf({}), boldOf({1, 3}), boldOf({2}), boldOf({0}), boldOf({3, 3});
  c.Append(TraceMember("t", "htmlText"));
  c.Str("o").Num(0).Str("TextField").Op(kNewObject).Op(kSetVariable);
  c.Append(SetMember("o", "text", Code().Str("x"))).Append(TraceMember("o", "text"));
  EXPECT_EQ(RunScript(8, c),
            (std::vector<std::string>{
                "null", "true", "true", "false", "null",
                "<P ALIGN=\"LEFT\"><FONT FACE=\"Times New Roman\" SIZE=\"12\" COLOR=\"#000000\" "
                "LETTERSPACING=\"0\" KERNING=\"0\">abcd</FONT></P>",
                "undefined"}));
}

// The preview draws only when the player reports a change: text a script
// sets must count as one.
TEST(TextFieldScript, ChangedTextAsksForANewPicture) {
  swf::SwfWriter swf(8, swf::testing::Stage(200, 100), 12);
  for (const auto& [code, body] : BoundField()) swf.Tag(code, body);
  swf.ShowFrame();
  Code set = SetMember("tf", "text", Code().Str("x"));
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(set.Append(TraceMember("tf", "text")).Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  std::vector<std::string> lines;
  Runtime runtime(movie, {[&](const std::string& l) { lines.push_back(l); }, {}});
  uint64_t before = runtime.Player().Changes();
  runtime.Advance();
  EXPECT_EQ(lines, (std::vector<std::string>{"x"}));
  EXPECT_GT(runtime.Player().Changes(), before);
  const movie::DisplayObject& placed = runtime.Player().Root().Objects().at(1);
  ASSERT_TRUE(placed.field);
  EXPECT_EQ(placed.field->Text(), U"x") << "the field shows its variable after the frame";
}

}  // namespace
}  // namespace kestrova::avm1
