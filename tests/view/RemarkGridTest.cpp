// The remark editor of the settings dialog: add/replace, delete, moves,
// the checks of its edits and the list "OK" stores.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "view/RemarkGrid.h"

namespace vorpa {
namespace {

std::string S(const char* utf8) { return Utf8ToCp932(utf8); }

TRemarkables List(std::initializer_list<TRemarkable> items) {
  TRemarkables r;
  r.Items = items;
  return r;
}

std::vector<std::string> Names(const TRemarkGrid& g) {
  std::vector<std::string> n;
  for (const TRemarkRow& r : g.Rows) n.push_back(Cp932ToUtf8(r.Name));
  return n;
}

TEST(RemarkGrid, LoadsEntriesOrOneEmptyRow) {
  TRemarkGrid empty(TRemarkables{});
  ASSERT_EQ(empty.Rows.size(), 1u);
  EXPECT_EQ(empty.Rows[0], TRemarkRow{});
  EXPECT_EQ(empty.Selected, -1);
  TRemarkGrid g(List({{S("山田"), 0xFF0000FF, 0x800000}}));
  ASSERT_EQ(g.Rows.size(), 1u);
  EXPECT_EQ(g.Rows[0], (TRemarkRow{S("山田"), "0000FF", "800000"}));
}

TEST(RemarkGrid, AddFillsTheOnlyEmptyRowReplacesInPlaceAndAppends) {
  TRemarkGrid g(TRemarkables{});
  EXPECT_EQ(g.AddOrReplace(S("山田"), "ff", "0"), "");
  ASSERT_EQ(g.Rows.size(), 1u);
  EXPECT_EQ(g.Rows[0], (TRemarkRow{S("山田"), "0000FF", "000000"}));
  EXPECT_EQ(g.AddOrReplace(S("佐藤"), "1", "2"), "");
  EXPECT_EQ(g.AddOrReplace(S("鈴木"), "3", "4"), "");
  EXPECT_EQ(g.Selected, 2);
  // Same name: its colours are replaced where it stands.
  EXPECT_EQ(g.AddOrReplace(S("佐藤"), "abcdef", "FFFFFF"), "");
  EXPECT_EQ(Names(g), (std::vector<std::string>{"山田", "佐藤", "鈴木"}));
  EXPECT_EQ(g.Rows[1], (TRemarkRow{S("佐藤"), "ABCDEF", "FFFFFF"}));
  EXPECT_EQ(g.Selected, 1);
  // An empty row among others is not filled: the new entry goes last.
  g.Rows[0] = TRemarkRow{};
  EXPECT_EQ(g.AddOrReplace(S("高橋"), "5", "6"), "");
  EXPECT_EQ(Names(g), (std::vector<std::string>{"", "佐藤", "鈴木", "高橋"}));
  // The empty-name row is dropped from the stored list; colours read back.
  TRemarkables stored = g.ToRemarks();
  ASSERT_EQ(stored.Items.size(), 3u);
  EXPECT_EQ(stored.Items[0].Name, S("佐藤"));
  EXPECT_EQ(stored.Items[0].TextColor, 0xABCDEFu);
  EXPECT_EQ(stored.Items[0].BackColor, 0xFFFFFFu);
}

TEST(RemarkGrid, ChecksInOrderAndChangesNothingOnFailure) {
  TRemarkGrid g(List({{S("山田"), 1, 2}}));
  const std::vector<TRemarkRow> before = g.Rows;
  auto error = [&](const char* name, const char* color, const char* bg) {
    return Cp932ToUtf8(g.AddOrReplace(S(name), color, bg));
  };
  EXPECT_EQ(error("", "", ""), "注目欄が空白です");
  EXPECT_EQ(error("佐藤", "", "0"), "文字色欄の値が不正です");
  EXPECT_EQ(error("佐藤", "G1", ""), "文字色欄の値が不正です");
  EXPECT_EQ(error("佐藤", "0", ""), "背景色欄の値が不正です");
  EXPECT_EQ(error("佐藤", "0", "-1"), "背景色欄の値が不正です");
  EXPECT_EQ(error("佐,藤", "0", "0"), "注目欄にカンマ\",\"は含めないでください");
  EXPECT_EQ(g.Rows, before);
}

TEST(RemarkGrid, DeleteAndMoves) {
  TRemarkGrid g(List({{"A", 0, 0}, {"B", 0, 0}, {"C", 0, 0}}));
  g.Delete();  // nothing selected
  g.Up();
  EXPECT_EQ(Names(g), (std::vector<std::string>{"A", "B", "C"}));
  g.Selected = 0;
  g.Up();  // first row stays
  EXPECT_EQ(g.Selected, 0);
  g.Down();
  g.Down();
  EXPECT_EQ(Names(g), (std::vector<std::string>{"B", "C", "A"}));
  EXPECT_EQ(g.Selected, 2);
  g.Down();  // last row stays
  EXPECT_EQ(g.Selected, 2);
  g.Up();
  EXPECT_EQ(Names(g), (std::vector<std::string>{"B", "A", "C"}));
  g.Delete();
  EXPECT_EQ(Names(g), (std::vector<std::string>{"B", "C"}));
  g.Selected = 1;
  g.Delete();
  g.Delete();  // the only row is emptied, not removed
  ASSERT_EQ(g.Rows.size(), 1u);
  EXPECT_EQ(g.Rows[0], TRemarkRow{});
  EXPECT_TRUE(g.ToRemarks().Items.empty());
}

TEST(RemarkPreviewColors, BlackOnWhiteForTextsThatDoNotRead) {
  TCellColors c = RemarkPreviewColors("0000FF", "800000");
  EXPECT_EQ(c.Text, 0x0000FFu);
  EXPECT_EQ(c.Back, 0x800000u);
  c = RemarkPreviewColors("", "zz");
  EXPECT_EQ(c.Text, kClBlack);
  EXPECT_EQ(c.Back, kClWhite);
}

}  // namespace
}  // namespace vorpa
