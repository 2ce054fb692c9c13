// Venue table, meeting-day clock, number extraction, text helpers, odds texts.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/MeetingClock.h"
#include "core/OddsText.h"
#include "core/TextUtil.h"
#include "core/Venue.h"

namespace vorpa {
namespace {

std::string J(const char* utf8) { return Utf8ToCp932(utf8); }

TEST(Venue, LooksUpNamesCodesAndNumbers) {
  EXPECT_EQ(VenueNo(J("東京")), 5);
  EXPECT_EQ(VenueCodeText(J("東京")), "5");
  EXPECT_EQ(VenueNameOfCode("A"), J("小倉"));
  EXPECT_EQ(VenueNameOfCode("a"), J("小倉"));
  EXPECT_EQ(VenueNo(J("札幌")), 1);
  EXPECT_EQ(VenueCodeText(J("小倉")), "A");
  // "京都" follows "中京": only whole four-byte names match.
  EXPECT_EQ(VenueNo(J("京都")), 8);
  EXPECT_EQ(VenueNo(J("京京")), 0);
  EXPECT_EQ(VenueNo(J("大井")), 0);
  EXPECT_EQ(VenueCodeText(J("大井")), "");
}

TEST(Venue, RefusesCodesOutsideTheTable) {
  EXPECT_EQ(VenueNameOfCode("0"), "");
  EXPECT_EQ(VenueNameOfCode("B"), "");
  EXPECT_EQ(VenueNameOfCode("Z"), "");
  EXPECT_EQ(VenueNameOfCode(""), "");
  EXPECT_EQ(VenueNameOfCode("FFFFFFFFF"), "");
  EXPECT_EQ(FirstChar("50323"), "5");
  EXPECT_EQ(FirstChar(""), "");
}

TEST(MeetingClock, SwitchesDayAfter1920) {
  double day = EncodeDate(2026, 12, 5);
  EXPECT_EQ(CurrentMeetingDate(day + EncodeTime(19, 20, 0)), day);
  EXPECT_EQ(CurrentMeetingDate(day + EncodeTime(19, 20, 1)), day + 1);
  EXPECT_EQ(CurrentMeetingDate(day + EncodeTime(0, 0, 0)), day);
  EXPECT_EQ(DaySwitchTime(), EncodeTime(19, 20, 0));
  EXPECT_EQ(TimerInterval(3), 180000);
  // A hand-edited check cycle beyond the int range of milliseconds gives
  // the longest interval, not a wrapped (negative) one.
  EXPECT_EQ(TimerInterval(35791), 2147460000);
  EXPECT_EQ(TimerInterval(100000), 2147483647);
  EXPECT_EQ(TimerInterval(2147483647), 2147483647);
}

TEST(MeetingClock, BlocksTheEveningBandInclusive) {
  double day = EncodeDate(2026, 12, 5);
  EXPECT_TRUE(AcquisitionAllowed(day + EncodeTime(18, 59, 59)));
  EXPECT_FALSE(AcquisitionAllowed(day + EncodeTime(19, 0, 0)));
  EXPECT_FALSE(AcquisitionAllowed(day + EncodeTime(19, 30, 0)));
  EXPECT_FALSE(AcquisitionAllowed(day + EncodeTime(20, 0, 0)));
  EXPECT_TRUE(AcquisitionAllowed(day + EncodeTime(20, 0, 1)));
}

TEST(DataFileTexts, ConvertDatesAndTimes) {
  EXPECT_EQ(TimeOfText("143500"), EncodeTime(14, 35, 0));
  EXPECT_EQ(DateOfText("20261205"), EncodeDate(2026, 12, 5));
  EXPECT_EQ(TimeOfText("256000"), 0);
  EXPECT_EQ(TimeOfText("14"), 0);
  EXPECT_EQ(DateOfText("20261332"), 0);
  EXPECT_EQ(DateOfText("2026x205"), 0);
}

TEST(Numbers, ExtractsDecimalsAndIntegers) {
  EXPECT_DOUBLE_EQ(NumberOf("12.3", 0), 12.3);
  EXPECT_DOUBLE_EQ(NumberOf(" 5 ", 0), 5);
  EXPECT_DOUBLE_EQ(NumberOf("-1.5", 0), -1.5);
  EXPECT_DOUBLE_EQ(NumberOf("abc", 7), 7);
  EXPECT_DOUBLE_EQ(NumberOf("", 0), 0);
  EXPECT_DOUBLE_EQ(NumberOf("1.2.3", 0), 0);
  EXPECT_DOUBLE_EQ(NumberOf("inf", 0), 0);
  EXPECT_DOUBLE_EQ(NumberOf("1e999", 0), 0);
  EXPECT_EQ(IntBefore("11R", "R"), 11);
  EXPECT_EQ(IntBefore(" 7 R", "R"), 7);
  EXPECT_EQ(IntBefore("\t12\r\nR", "R"), 12);
  EXPECT_EQ(Trim("\t a b \n"), "a b");
  EXPECT_EQ(IntBefore("11", "R"), 0);
  EXPECT_EQ(IntBefore("xR", "R"), 0);
  EXPECT_EQ(IntBefore("99999999999R", "R"), 0);
  EXPECT_EQ(IntBeforeNoComma(J("1,230円"), J("円")), 1230);
  EXPECT_EQ(IntBeforeNoComma("1,230", J("円")), 0);
}

TEST(Numbers, FixedPointTotals) {
  EXPECT_EQ(FixedPointOf("1,234,567"), 1234567LL * 10000);
  EXPECT_EQ(FixedPointOf("12.34567"), 123457);
  EXPECT_EQ(FixedPointOf(""), 0);
  EXPECT_EQ(FixedPointOf("x"), 0);
  EXPECT_EQ(FixedPointOf("1e300"), 0);
}

TEST(Texts, PrefixAndSplitFirst) {
  std::string out = "old";
  ValueAfterPrefix("[4][1,1]<1>abc", "[4][1,1]<1>", &out);
  EXPECT_EQ(out, "abc");
  ValueAfterPrefix("[4][1,2]<1>xyz", "[4][1,1]<1>", &out);
  EXPECT_EQ(out, "abc");
  auto [a, b] = SplitFirst("key=value=x", "=");
  EXPECT_EQ(a, "key");
  EXPECT_EQ(b, "value=x");
  auto [c, d] = SplitFirst("novalue", "=");
  EXPECT_EQ(c, "novalue");
  EXPECT_EQ(d, "");
}

TEST(Texts, SeparatorsAndMarkersAreFoundOnlyOnCharacterBoundaries) {
  // The second byte of "山" (0x8E 0x52) is "R"; the real "R" follows it.
  auto [a, b] = SplitFirst(J("中山") + "R1", "R");
  EXPECT_EQ(a, J("中山"));
  EXPECT_EQ(b, "1");
  // "ソ" is 0x83 0x5C: its second byte is no "\\".
  auto [c, d] = SplitFirst(J("ソ") + "\\x", "\\");
  EXPECT_EQ(c, J("ソ"));
  EXPECT_EQ(d, "x");
  auto [e, f] = SplitFirst(J("山"), "R");
  EXPECT_EQ(e, J("山"));
  EXPECT_EQ(f, "");
  EXPECT_EQ(SplitFirst("a\x81", "R").first, "a\x81");  // a lone lead byte at the end
}

TEST(Texts, SplitFieldsSkipsEmptyFieldsAndDropsExtras) {
  auto f = SplitFields("ab  cd", " ", 2);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0], "ab");
  EXPECT_EQ(f[1], "cd");
  EXPECT_EQ(f[2], "");
  auto g = SplitFields(",a,,b,c,d", ",", 1);
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0], "a");
  EXPECT_EQ(g[1], "b");
  // A trail byte equal to the separator inside a double-byte character is
  // not a separator: "ソ" is 0x83 0x5C, whose second byte is "\".
  auto h = SplitFields(J("ソ\\x"), "\\", 2);
  EXPECT_EQ(h[0], J("ソ"));
  EXPECT_EQ(h[1], "x");
  // A full-width blank as the separator.
  auto k = SplitFields(J("東京　１Ｒ"), J("　"), 1);
  EXPECT_EQ(k[0], J("東京"));
  EXPECT_EQ(k[1], J("１Ｒ"));
}

TEST(Texts, RemoveBlanksAndCut) {
  EXPECT_EQ(RemoveBlanks(J("ミナモ　カルーセル ")), J("ミナモカルーセル"));
  EXPECT_EQ(CutToBytes(J("東京中山"), 7), J("東京中"));
  EXPECT_EQ(CutToBytes(J("東京中山"), 8), J("東京中山"));
  EXPECT_EQ(CutToBytes(J("A東京"), 2), "A");
  EXPECT_EQ(CutToBytes("abc", 0), "");
  EXPECT_EQ(CutToBytes("abc", -3), "");
  EXPECT_EQ(CutToBytes("a\x81", 5), "a\x81");  // a lone lead byte at the end
  EXPECT_EQ(Blanks(3), "   ");
  EXPECT_EQ(Blanks(-1), "");
  EXPECT_EQ(WithSeparator("/data"), "/data/");
  EXPECT_EQ(WithSeparator("/data/"), "/data/");
  EXPECT_EQ(WithSeparator(""), "");
}

TEST(Texts, HalfAndFullWidth) {
  EXPECT_EQ(ToHalfWidth(J("ＡＢＣ１２３")), "ABC123");
  EXPECT_EQ(ToFullWidth("ABC123"), J("ＡＢＣ１２３"));
  EXPECT_EQ(ToHalfWidth(J("東京")), J("東京"));
  EXPECT_EQ(ToFullWidth(J("ｶﾀｶﾅ")), J("カタカナ"));
  EXPECT_LE(ToFullWidth(std::string(300, 'a')).size(), 256u);
  std::string full;
  for (int i = 0; i < 128; ++i) full += J("ａ");
  EXPECT_EQ(ToFullWidth(std::string(300, 'a')), full);
}

TEST(OddsTexts, WidthsCapsAndDecimals) {
  EXPECT_EQ(OddsText(5.4, 4), " 5.4");
  EXPECT_EQ(OddsText(12.3, 4), "12.3");
  EXPECT_EQ(OddsText(123.4, 4), " 123");
  EXPECT_EQ(OddsText(10000, 4), "9999");
  EXPECT_EQ(OddsText(5.4, 3), "5.4");
  EXPECT_EQ(OddsText(12.3, 3), " 12");
  EXPECT_EQ(OddsText(999, 3), "999");
  EXPECT_EQ(OddsText(1500, 3), "999");
  EXPECT_EQ(OddsText(999.9, 5), "999.9");
  EXPECT_EQ(OddsText(1000, 5), " 1000");
  EXPECT_EQ(OddsText(-1.0, 5), " -1.0");
  EXPECT_EQ(OddsText(-1.0, 6), "  -1.0");
  EXPECT_EQ(OddsText(123456.7, 6), "123457");
  EXPECT_EQ(OddsText(1e6, 6), "999999");
}

TEST(OddsTexts, HalvesRoundAwayFromZeroAndRoundingKeepsTheWidth) {
  // Page odds such as 12.5 are exact halves in binary; they round up like
  // 13.5 does, not to the even neighbour.
  EXPECT_EQ(OddsText(12.5, 3), " 13");
  EXPECT_EQ(OddsText(13.5, 3), " 14");
  EXPECT_EQ(OddsText(150.5, 4), " 151");
  EXPECT_EQ(OddsText(998.5, 3), "999");
  EXPECT_EQ(OddsText(2.25, 4), " 2.3");
  EXPECT_EQ(OddsText(2.35, 4), " 2.4");
  // Just below a decimal threshold a value that rounds up to it is shown
  // without decimals, not as the tail of "100.0".
  EXPECT_EQ(OddsText(99.95, 4), " 100");
  EXPECT_EQ(OddsText(99.97, 4), " 100");
  EXPECT_EQ(OddsText(9.96, 3), " 10");
  EXPECT_EQ(OddsText(9999.96, 6), " 10000");
  EXPECT_EQ(OddsText(99.94, 4), "99.9");
  EXPECT_EQ(OddsText(-1.0, 4), "-1.0");
}

TEST(Cp932, RoundTripsAndReplacesBadBytes) {
  EXPECT_EQ(Cp932ToUtf8(J("東京１１Ｒ")), "東京１１Ｒ");
  EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
  EXPECT_EQ(Cp932ToUtf8(J("①")), "①");
  // A cut-off UTF-8 sequence costs one "?", not the characters after it.
  EXPECT_EQ(Utf8ToCp932("\xE6\x9D" "a"), "?a");
  EXPECT_EQ(Utf8ToCp932("\xC3" "ab"), "?ab");
  EXPECT_EQ(Utf8ToCp932("x\xF0\x9F\x98\x80y"), "x?y");  // no CP932 form
}

TEST(Cp932, OddBytesStayWithinTheText) {
  // 0x80, 0xA0 and 0xFD..0xFF are single bytes; a lead byte at the end
  // stands alone. Every helper walks such texts without reading past them.
  const std::string odd = "\x80\xA0\xFD\xFE\xFF\x81";
  EXPECT_EQ(CutToBytes(odd, 6), odd);
  EXPECT_EQ(CutToBytes(odd, 5), odd.substr(0, 5));
  EXPECT_EQ(RemoveBlanks(" " + odd), odd);
  EXPECT_EQ(SplitFields(odd, ",", 1)[0], odd);
  EXPECT_EQ(SplitFirst(odd, "\x81").first, odd.substr(0, 5));
  EXPECT_FALSE(Cp932ToUtf8(odd).empty());
}

}  // namespace
}  // namespace vorpa
