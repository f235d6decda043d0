// The plain-file-name check: separators, device names, and a walk by
// characters, so a double-byte character whose second byte is 0x5C ("\")
// is one character and no separator.
#include "installer/file_name.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#endif

namespace kestrova {
namespace {

size_t ByteByByte(const std::string&, size_t at) { return at + 1; }

// Shift-JIS (code page 932): lead bytes 0x81-0x9F and 0xE0-0xFC take the
// byte after them along, as CharNextA does under a Japanese code page.
size_t ShiftJis(const std::string& text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
  return isLead && at + 1 < text.size() ? at + 2 : at + 1;
}

// "表" in Shift-JIS is 0x95 0x5C.
const std::string kOmote = "\x95\x5C";

TEST(PlainFileName, RefusesSeparatorsControlCharactersAndDotNames) {
  const std::string bad[] = {
      "", ".", "..", "a\\b.scr", "a/b.scr", "c:x", "a\tb", "a\x7F", std::string("a\x01", 2)};
  for (const std::string& name : bad) EXPECT_FALSE(IsPlainFileName(name, ByteByByte)) << name;
  const std::string good[] = {"Waves.scr", "...scr",   "a b.scr",  "caf\xE9.scr", "CONSOLE.scr",
                              "COM10.scr", "LPT0.scr", "xCON.scr", "NULL"};
  for (const std::string& name : good) EXPECT_TRUE(IsPlainFileName(name, ByteByByte)) << name;
}

TEST(PlainFileName, RefusesDeviceNamesInAnyCaseWithAnyExtension) {
  const std::string devices[] = {"CON",  "con.scr",  "Prn.txt", "AUX",  "nul.tar.gz", "NUL .scr",
                                 "COM1", "com9.scr", "LPT1.x",  "lPt9", "CON.",       "aux  "};
  for (const std::string& name : devices) EXPECT_FALSE(IsPlainFileName(name, ByteByByte)) << name;
  EXPECT_FALSE(IsPlainFileName("con.scr"));  // the system's own walk as well
  EXPECT_TRUE(IsDeviceName("Com5"));
  EXPECT_FALSE(IsDeviceName("COM"));
  EXPECT_FALSE(IsDeviceName(" NUL"));
}

TEST(PlainFileName, WalksDoubleByteCharactersAsOne) {
  const std::string name = kOmote + ".scr";
  EXPECT_TRUE(IsPlainFileName(name, ShiftJis));
  EXPECT_FALSE(IsPlainFileName(name, ByteByByte));  // as a single-byte code page reads it
  EXPECT_FALSE(IsPlainFileName(kOmote + "\\x.scr", ShiftJis));
  EXPECT_FALSE(IsPlainFileName("x\\" + kOmote, ShiftJis));
  // A lone lead byte at the end is a character of its own.
  EXPECT_TRUE(IsPlainFileName("a\x95", ShiftJis));
  // A device name spelled with a double-byte character is none.
  EXPECT_TRUE(IsPlainFileName(kOmote + "CON.scr", ShiftJis));
}

TEST(PlainFileName, AWalkerThatDoesNotMoveStillEnds) {
  auto stuck = [](const std::string&, size_t at) { return at; };
  EXPECT_TRUE(IsPlainFileName("Waves.scr", stuck));
  EXPECT_FALSE(IsPlainFileName("a\\b", stuck));
}

#ifdef _WIN32
// The system's own walk for code page 932 agrees with the table above.
size_t SystemShiftJis(const std::string& text, size_t at) {
  const char* start = text.c_str();
  return static_cast<size_t>(CharNextExA(932, start + at, 0) - start);
}

TEST(PlainFileName, RunsUnderTheCodePageTheTestAskedFor) {
  const char* expected = std::getenv("KESTROVA_EXPECT_ACP");
  if (!expected) GTEST_SKIP() << "no code page asked for";
  EXPECT_EQ(GetACP(), static_cast<UINT>(std::strtoul(expected, nullptr, 10)));
}

TEST(PlainFileName, TheSystemsDoubleByteWalkKeepsTheSecondByte) {
  EXPECT_TRUE(IsPlainFileName(kOmote + ".scr", SystemShiftJis));
  EXPECT_FALSE(IsPlainFileName(kOmote + "\\x.scr", SystemShiftJis));
  // The product's own walk follows the ANSI code page: under a single-byte
  // one (the test prefix's) 0x5C is "\"; run with LANG=ja_JP.UTF-8 the
  // code page is 932 and the name is plain.
  EXPECT_EQ(IsPlainFileName(kOmote + ".scr"), IsDBCSLeadByte(0x95) != FALSE);
}
#endif

}  // namespace
}  // namespace kestrova
