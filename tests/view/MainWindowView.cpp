// The frame's log list, receive lamp and action hints.
#include "view/MainWindowView.h"

#include <gtest/gtest.h>

namespace vorpa {
namespace {

TEST(LogLines, StartsWithFourEmptyLinesAndKeepsTheLastFour) {
  TLogLines log;
  EXPECT_EQ(log.Lines(), std::vector<std::string>(4));
  log.Add("1");
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"", "", "", "1"}));
  for (const char* s : {"2", "3", "4", "5"}) log.Add(s);
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"2", "3", "4", "5"}));
}

TEST(RecvLamp, LimeWhileReceivingGreenOtherwise) {
  EXPECT_EQ(RecvLampColor(true), 0x00FF00u);
  EXPECT_EQ(RecvLampColor(false), 0x008000u);
}

TEST(SplitHint, ShortPartForTheTipLongPartForTheStatusLine) {
  THintParts h = SplitHint("終了 | プログラムを終了します。");
  EXPECT_EQ(h.Short, "終了");
  EXPECT_EQ(h.Long, "プログラムを終了します。");
  h = SplitHint("IPATデータ取得 | IPATデータを取得します.。");
  EXPECT_EQ(h.Long, "IPATデータを取得します.。");
  h = SplitHint("only");
  EXPECT_EQ(h.Short, "only");
  EXPECT_EQ(h.Long, "only");
  h = SplitHint("a|b|c");
  EXPECT_EQ(h.Short, "a");
  EXPECT_EQ(h.Long, "b|c");
}

}  // namespace
}  // namespace vorpa
