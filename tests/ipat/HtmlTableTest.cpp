#include "ipat/HtmlTable.h"

#include <gtest/gtest.h>

#include "core/Cp932.h"

namespace vorpa {
namespace {

TTextList Tables(std::string_view page) {
  TTextList list{"stale"};
  ExtractTables(page, &list);
  return list;
}

TTextList Forms(std::string_view page) {
  TTextList list{"stale"};
  ExtractForms(page, &list);
  return list;
}

TEST(HtmlTableTest, CellsNbspAndTextAfterTable) {
  EXPECT_EQ(Tables("<table><tr><td>A&nbsp;B</td><td> </td></tr></table>x"),
            (TTextList{"[1][1,1]<1>A B", "[1][1,2]<1>", "[2]<1>x"}));
}

TEST(HtmlTableTest, LowerCaseTagsAndTextPieces) {
  EXPECT_EQ(Tables("<TABLE><TR><TD><b>1</b>R</TD></TR></TABLE>"),
            (TTextList{"[1][1,1]<1>1", "[1][1,1]<2>R"}));
  EXPECT_EQ(Tables("<table><tr><td class=\"x\"><B>1</B>R</td></tr></table>"),
            (TTextList{"[1][1,1]<1>1", "[1][1,1]<2>R"}));
}

TEST(HtmlTableTest, NestedTablesAreCountedOverTheEnclosingTable) {
  const char* page =
      "<table><tr><td><table><tr><td>a</td></tr></table><table><tr><td>b</td></tr></table>"
      "</td><td><table><tr><td>c</td></tr></table></td></tr></table>";
  EXPECT_EQ(Tables(page), (TTextList{"[1][1,1][1][1,1]<1>a", "[1][1,1][2][1,1]<1>b",
                                     "[1][1,2][3][1,1]<1>c"}));
}

TEST(HtmlTableTest, TwoLevelsOfNesting) {
  const char* page =
      "<table><tr><td><table><tr><td></td></tr><tr><td><table><tr><td>x</td></tr><tr>"
      "<td>y</td><td>z</td></tr></table></td></tr></table></td></tr></table>";
  EXPECT_EQ(Tables(page), (TTextList{"[1][1,1][1][2,1][1][1,1]<1>x",
                                     "[1][1,1][1][2,1][1][2,1]<1>y",
                                     "[1][1,1][1][2,1][1][2,2]<1>z"}));
}

TEST(HtmlTableTest, CellAfterRowEndStartsANewRowAndRowTextGetsColumnZero) {
  EXPECT_EQ(Tables("<table><tr><td>a</td></tr><td>b</td></table>"),
            (TTextList{"[1][1,1]<1>a", "[1][2,1]<1>b"}));
  EXPECT_EQ(Tables("<table><tr>t<td>a</td></tr></table>"),
            (TTextList{"[1][1,0]<1>t", "[1][1,1]<1>a"}));
  // Text after a cell's end tag still belongs to that cell; text outside
  // any row gets piece 0.
  EXPECT_EQ(Tables("<table>o<tr><td>a</td>b</tr></table>"),
            (TTextList{"[1][0,0]<0>o", "[1][1,1]<1>a", "[1][1,1]<2>b"}));
}

TEST(HtmlTableTest, TopLevelItemsCountTablesAndTextRuns) {
  EXPECT_EQ(Tables("a<br>b<table><tr><td>c</td></tr></table></table>d<hr>e"),
            (TTextList{"[1]<1>a", "[1]<2>b", "[2][1,1]<1>c", "[3]<1>d", "[3]<2>e"}));
}

TEST(HtmlTableTest, LineBreaksVanishBlanksCountAsEmptyPieces) {
  // Pure line breaks give no token; indentation gives an empty piece.
  EXPECT_EQ(Tables("<table>\r\n<tr>\n<td>\n  <b>x\ny</b></td></tr></table>"),
            (TTextList{"[1][1,1]<1>", "[1][1,1]<2>xy"}));
  // A line break inside a tag joins the tag name.
  EXPECT_EQ(Tables("<ta\r\nble><t\nr><t\nd>v</td></tr></table>"), (TTextList{"[1][1,1]<1>v"}));
}

TEST(HtmlTableTest, EntitiesOtherThanNbspStay) {
  EXPECT_EQ(Tables("a&NBSPb&nbsp;c&amp;d&lt;"), (TTextList{"[1]<1>a b c&amp;d&lt;"}));
  // Trimming removes the spaces an &nbsp; gives at the ends.
  EXPECT_EQ(Tables("&nbsp;x&nbsp;"), (TTextList{"[1]<1>x"}));
}

TEST(HtmlTableTest, TableHeadTagsAreCells) {
  EXPECT_EQ(Tables("<table><tr><th>h</th><td>d</td></tr></table>"),
            (TTextList{"[1][1,1]<1>h", "[1][1,2]<1>d"}));
}

TEST(HtmlTableTest, Cp932TextPassesThroughUntouched) {
  // "表" is 0x95 0x5C and "ソ" 0x83 0x5C: trail bytes that look like ASCII.
  const std::string text = Utf8ToCp932("表ソ認証エラー");
  EXPECT_EQ(Tables("<table><tr><td>" + text + "</td></tr></table>"),
            (TTextList{"[1][1,1]<1>" + text}));
}

TEST(HtmlTableTest, BrokenMarkupNeverFails) {
  EXPECT_EQ(Tables(""), TTextList{});
  EXPECT_EQ(Tables("<table><tr><td>x"), (TTextList{"[1][1,1]<1>x"}));
  EXPECT_EQ(Tables("<td"), TTextList{});
  EXPECT_EQ(Tables("abc<"), (TTextList{"[1]<1>abc"}));
  EXPECT_EQ(Tables("&nbs"), (TTextList{"[1]<1>&nbs"}));
  EXPECT_EQ(Tables(std::string_view("a\0b", 3)), (TTextList{std::string("[1]<1>a\0b", 9)}));
}

TEST(HtmlTableTest, DeepNestingStaysBounded) {
  std::string page;
  for (int i = 0; i < 100000; ++i) page += "<table><tr><td>x";
  const TTextList list = Tables(page);
  ASSERT_FALSE(list.empty());
  EXPECT_LT(list.size(), 100u);
  EXPECT_EQ(list.front(), "[1][1,1]<1>x");
  // The nesting still balances: text after the closing tags is top level.
  std::string closed = "<table><tr><td>";
  for (int i = 0; i < 50; ++i) closed += "<table><tr><td>y";
  for (int i = 0; i < 51; ++i) closed += "</table>";
  closed += "z";
  EXPECT_EQ(Tables(closed).back(), "[2]<1>z");
}

TEST(HtmlTableTest, AReusedListHoldsOnlyTheNewPage) {
  TTextList list;
  ExtractTables("<table><tr><td>a</td><td>b</td><td>c</td></tr></table>", &list);
  ASSERT_EQ(list.size(), 3u);
  ExtractTables("<table><tr><td>long text that needs memory</td></tr></table>", &list);
  EXPECT_EQ(list, (TTextList{"[1][1,1]<1>long text that needs memory"}));
  ExtractTables("", &list);
  EXPECT_TRUE(list.empty());
}

TEST(HtmlTableTest, MegabytePagesAreReadInOnePass) {
  std::string page = "<table>";
  for (int r = 0; r < 200000; ++r) page += "<tr><td>x&nbsp;</td><td>\x82\xa0</td></tr>\r\n";
  TTextList list;
  ExtractTables(page, &list);
  ASSERT_EQ(list.size(), 400000u);
  EXPECT_EQ(list.back(), "[1][200000,2]<1>\x82\xa0");
  std::string forms;
  for (int f = 0; f < 100000; ++f) forms += "<form action=a><input name=n value=v></form>";
  ExtractForms(forms, &list);
  EXPECT_EQ(list.size(), 200000u);
  EXPECT_EQ(list.back(), "[100000][n]v");
}

TEST(HtmlTableTest, FormsInputsAndQuotes) {
  const char* page =
      "<form action=\"/p/s\" method=post><input type=hidden name=w value=\"AB CD\">"
      "<INPUT TYPE=HIDDEN NAME=j VALUE=AB CD><input type=submit name=s value=go>"
      "<input type=Reset name=r value=no><input name=x value=1></form>";
  EXPECT_EQ(Forms(page), (TTextList{"[1]/p/s", "[1][w]AB CD", "[1][j]AB", "[1][x]1"}));
}

TEST(HtmlTableTest, SelectorsAndStrayOptions) {
  const char* page =
      "<form action=a><option value=z><select name=m><option value=\"50326\">x"
      "<option value=10326 selected>y</select><option value=q></form>"
      "<form action=b></form>";
  EXPECT_EQ(Forms(page), (TTextList{"[1]a", "[1][]<0>z", "[1][m]<1>50326",
                                    "[1][m]<2>10326", "[1][]<0>q", "[2]b"}));
}

TEST(HtmlTableTest, AttributeRules) {
  // The name is found anywhere in the tag, also inside another value; the
  // value never takes the closing ">"; no "=" gives an empty value.
  EXPECT_EQ(Forms("<form action=x><input name=k value=v></form>"),
            (TTextList{"[1]x", "[1][k]v"}));
  EXPECT_EQ(Forms("<form id=\"NAME=fake\" action=x><input name=k value></form>"),
            (TTextList{"[1]x", "[1][k]"}));
  EXPECT_EQ(Forms("<form action=x><input id=\"NAME=fake\" name=k value=v></form>"),
            (TTextList{"[1]x", "[1][fake\"]v"}));
  EXPECT_EQ(Forms("<form action=x><input\r\nname=k\r\n value=\"a'b\"></form>"),
            (TTextList{"[1]x", "[1][k]a'b"}));
  EXPECT_EQ(Forms("<form action=\"unclosed><input name=k value=v></form>"),
            (TTextList{"[1]unclosed", "[1][k]v"}));
  EXPECT_EQ(Forms("<form action=x><input name=k value=\"v"), (TTextList{"[1]x", "[1][k]"}));
  EXPECT_EQ(Forms("<form action=x><input name=k value=\"vw\""), (TTextList{"[1]x", "[1][k]vw"}));
  EXPECT_EQ(Forms("<FORM>x<INPUTNAME=k VALUE=1>"), (TTextList{"[1]", "[1][k]1"}));
  EXPECT_EQ(Forms("no forms <input name=a>"), TTextList{});
}

TEST(HtmlTableTest, LookupPathLastMatchWins) {
  const TTextList list{"[4][1,1]<1>first", "[4][1,1]<12>twelve", "[4][j]x", "[4][jx]y",
                       "[4][1,1]<1>last"};
  std::string target = "start";
  LookupPath(list, "[4][1,1]<1>", &target);
  EXPECT_EQ(target, "last");
  LookupPath(list, "[4][j]", &target);
  EXPECT_EQ(target, "x");
  LookupPath(list, "[9]<1>", &target);
  EXPECT_EQ(target, "x");
  std::string one;
  LookupPath("[4][w]key", "[4][w]", &one);
  EXPECT_EQ(one, "key");
}

}  // namespace
}  // namespace vorpa
