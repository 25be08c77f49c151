#include "core/engine/embedded_codes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/engine/date_time_formats.h"

namespace wordsnap {
namespace {

const LocalDateTime kMarchFifth{{2001, 3, 5}, 0, 30, 9, 0};

struct CodeCase {
  std::string text;
  std::string expanded;  // nothing expected when empty
  std::size_t length;
};

TEST(EmbeddedCodes, ReadsDateAndTimeCodesWithTheirLengths) {
  const CodeCase cases[] = {
      {"<MM/DD/YY{YF000}>", "03/05/01", 17},
      {"<MM/DD/YY{NF000}>", "3/5/01", 17},
      {"<DD Mmm YYYY{YP001}>", "04 Mar 2001", 20},
      {"<MM{YF031}>rest", "04", 11},             // 31 days on: 5 April
      {"<hh:mm am{N}>", "12:30 am", 13},
      {"<hh:mm{Y}>", "00:30", 10},
      {"<Day of Week 4{YF000}>", "MONDAY", 22},
      {"<DD{YF0a1}>", "05", 11},                 // the day count stops at the first non-digit
      {"<DD{YF12x}>", "17", 11},
      {"<DD{YFabc}>", "05", 11},
      {"<DD{YF", "05", 11},                      // cut short: what is missing reads as nothing
      {"<DD{xx002}>", "7", 11},                  // Z other than Y: no zeros; S other than P: future
  };
  for (const CodeCase& c : cases) {
    const auto code = ReadCodeAt(c.text, 0, kMarchFifth);
    ASSERT_TRUE(code.has_value()) << c.text;
    EXPECT_EQ(code->text, c.expanded) << c.text;
    EXPECT_EQ(code->length, c.length) << c.text;
  }
}

TEST(EmbeddedCodes, AnythingElseIsNoCode) {
  for (const char* text : {"<", "<>", "< b", "<mm/dd/yy{YF000}>", "<MM/DD/YY", "<MM/DD/YY(", "<hh:mm{X}>",
                           "<hh:mm{N}", "<Ss{N}>", "x<DD{YF000}>"}) {
    EXPECT_FALSE(ReadCodeAt(text, 0, kMarchFifth).has_value()) << text;
  }
  EXPECT_FALSE(ReadCodeAt("<DD{YF000}>", 11, kMarchFifth).has_value()) << "past the end";
}

TEST(EmbeddedCodes, DateNameMeetsTimeNameOnlyByCase) {
  EXPECT_EQ(ReadCodeAt("<MM{YF000}>", 0, kMarchFifth)->text, "03");
  EXPECT_EQ(ReadCodeAt("<mm{Y}>", 0, kMarchFifth)->text, "30");
}

TEST(EmbeddedCodes, ClipboardExpansionReplacesEveryCodeOverRepeatedPasses) {
  const std::string text =
      "Due <MM/DD/YY{YF000}> or <MM/DD/YY{YF001}>, at <hh:mm{N}>/<hh:mm{Y}>/<hh:mm{N}>; "
      "a < b, <>, <unknown{N}> and <mm/dd{YF000}> stay.";
  EXPECT_EQ(ExpandCodesForClipboard(text, kMarchFifth),
            "Due 03/05/01 or 03/06/01, at 0:30/00:30/0:30; a < b, <>, <unknown{N}> and <mm/dd{YF000}> stay.");
}

TEST(EmbeddedCodes, ClipboardExpansionOfACodeCutShortAtTheEnd) {
  EXPECT_EQ(ExpandCodesForClipboard("on <DD{Y", kMarchFifth), "on 05");
}

// The clipboard text as it was once built, over repeated passes, each format in
// table order replacing its first occurrence: kept to check that reading once from
// left to right gives the same text wherever codes do not overlap.
std::string ExpandOverPasses(std::string text, const LocalDateTime& now) {
  const auto replaceFirst = [&](const std::string& opening) {
    const std::size_t at = text.find(opening);
    if (at == std::string::npos) return false;
    const auto code = ReadCodeAt(text, at, now);
    text.replace(at, std::min(code->length, text.size() - at), code->text);
    return true;
  };
  for (bool changed = true; changed;) {
    changed = false;
    for (std::string_view name : kDateFormats) changed |= replaceFirst("<" + std::string(name) + "{");
    for (std::string_view name : kTimeFormats) {
      for (const char* ending : {"{N}>", "{Y}>"}) changed |= replaceFirst("<" + std::string(name) + ending);
    }
  }
  return text;
}

TEST(EmbeddedCodes, ClipboardExpansionInOnePassMatchesRepeatedPasses) {
  std::mt19937 random(20261210);
  std::vector<std::string> pieces = {"a", " ", "<", "<>", "{N}>", "x<y", "\r\n", "<hh:mm{X}>"};
  for (std::string_view name : kDateFormats) pieces.push_back("<" + std::string(name) + "{NP012}>");
  for (std::string_view name : kDateFormats) pieces.push_back("<" + std::string(name) + "{YF000}>");
  for (std::string_view name : kTimeFormats) pieces.push_back("<" + std::string(name) + "{N}>");
  for (std::string_view name : kTimeFormats) pieces.push_back("<" + std::string(name) + "{Y}>");
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
    if (random() % 4 == 0) text += "<DD{Y";  // a code cut short at the end
    ASSERT_EQ(ExpandCodesForClipboard(text, kMarchFifth), ExpandOverPasses(text, kMarchFifth)) << text;
  }
}

TEST(EmbeddedCodes, ClipboardExpansionLetsTheFirstOfOverlappingCodesTakeWhatItCovers) {
  // The second code starts inside the first one's day count: the first takes it.
  EXPECT_EQ(ExpandCodesForClipboard("<DD{NP<hh{N}>", kMarchFifth), "5}>");
}

}  // namespace
}  // namespace wordsnap
