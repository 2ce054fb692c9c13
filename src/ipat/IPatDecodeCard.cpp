// The race card page: race outline and runner entries.
#include <algorithm>
#include <array>
#include <string>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/TextUtil.h"
#include "ipat/IPatDecode.h"

namespace vorpa {
namespace {

// The nine column texts of one runner row, in column order.
struct TDecodeSyutuba {
  std::array<std::string, 9> Col;  // column c at index c-1
};

struct TCardHeader {
  std::string Title, Condition, Course;
};

TCardHeader HeaderLayout(const std::array<std::string, 6>& h) {
  if (!h[5].empty()) return {h[2] + h[3], h[4], h[5]};
  if (!h[4].empty()) return {h[2], h[3], h[4]};
  return {"", h[2], h[3]};
}

// The date in the full-width parentheses of the first header text; 0 when
// it does not convert.
double PageDate(const std::string& h1) {
  static const std::string kOpen = Utf8ToCp932("（");
  static const std::string kClose = Utf8ToCp932("）");
  std::string inner = SplitFirst(SplitFirst(h1, kOpen).second, kClose).first;
  double date = 0;
  return TryTextToDate(Trim(inner), &date) ? date : 0;
}

// The course text is read as a chain of splits at markers. Each step takes
// its field from the text before its marker (all of the rest when the marker
// is missing); the next step runs only when the marker was found and
// something follows it.
class TSplitChain {
 public:
  explicit TSplitChain(std::string text) : rest_(std::move(text)) {}
  // Splits the rest at `marker`: *before gets the text before it (all of the
  // rest when it is missing); true when the chain goes on.
  bool Next(const std::string& marker, std::string* before) {
    auto [b, r] = SplitFirst(rest_, marker);
    *before = std::move(b);
    rest_ = std::move(r);
    return !rest_.empty();  // a missing marker leaves nothing after it
  }
  const std::string& Rest() const { return rest_; }

 private:
  std::string rest_;
};

// Distance, course text, runner count, weather, post time and going; fields
// whose step does not run keep the loaded values.
void TakeCourse(TIPat& s, const std::string& course) {
  static const std::string kRunners = Utf8ToCp932("出走頭数：");
  static const std::string kWeather = Utf8ToCp932("頭 天候：");
  static const std::string kGoing = Utf8ToCp932("馬場状態 ");
  static const std::string kPost = Utf8ToCp932("発走時刻：");
  static const std::string kColon = Utf8ToCp932("：");
  TRaceHeader& hd = s.Race.Header;
  TSplitChain chain(course);
  std::string before;
  bool more = chain.Next("m", &before);
  hd.Distance = IntOf(Trim(before));
  if (!more) return;
  more = chain.Next(kRunners, &before);
  hd.CourseText = Trim(before);
  if (!more) return;
  more = chain.Next(kWeather, &before);
  // More than 18 runners do not fit the record; a negative count is none.
  hd.RunnerCount = std::clamp(IntOf(Trim(before)), 0, kMaxRunners);
  s.CurStatus().RunnerCount = hd.RunnerCount;
  if (!more) return;
  more = chain.Next(kGoing, &before);
  hd.Weather = Trim(before);
  if (!more) return;
  // A missing marker leaves no text after it: no post time.
  more = chain.Next(kPost, &before);
  double post = 0;
  hd.StartTime = TryTextToTime(Trim(chain.Rest()), &post) ? post : 0;
  if (!more) return;
  const std::string going = SplitFirst(before, kColon).second;
  hd.Going = Trim(SplitFirst(going, "/").first);
}

TDecodeSyutuba RunnerRow(const TIPatPage& page, int h) {
  TDecodeSyutuba row;
  const std::string rowCell = "[5]" + Cell(h + 1, 1);
  const std::string plain = rowCell + "<1>";
  const std::string nested = rowCell + "[" + std::to_string(h) + "]" + Cell(1, 1) + "<1>";
  row.Col[0] = std::string(page.TableIndex(nested) > page.TableIndex(plain) ? page.Table(nested)
                                                                            : page.Table(plain));
  for (int c = 2; c <= 9; ++c) row.Col[c - 1] = std::string(page.Table("[5]" + Cell(h + 1, c) + "<1>"));
  return row;
}

// The text from its n-th character on (n from 0; double-byte counts as one).
std::string FromChar(const std::string& text, int n) {
  size_t at = 0;
  for (int i = 0; i < n && at < text.size(); ++i)
    at += Cp932CharLen(static_cast<unsigned char>(text[at]));
  return at < text.size() ? text.substr(at) : std::string();
}

void TakeSexAge(TSyutuba& u, const std::string& text) {
  static const std::string kColt = Utf8ToCp932("牡");
  static const std::string kFilly = Utf8ToCp932("牝");
  static const std::string kGelding = Utf8ToCp932("せん");
  std::string rest;
  if (text.starts_with(kColt)) {
    u.Sex = 1;
    rest = text.substr(kColt.size());
  } else if (text.starts_with(kFilly)) {
    u.Sex = 0;
    rest = text.substr(kFilly.size());
  } else if (text.starts_with(kGelding)) {
    u.Sex = 2;
    rest = text.substr(kGelding.size());
  } else {
    u.Sex = 9;
    rest = FromChar(text, 1);
  }
  if (rest.starts_with(" ")) rest.erase(0, 1);
  u.Age = IntOf(rest.substr(0, std::min<size_t>(rest.size(), 99)));
}

void TakeWeight(TSyutuba& u, const std::string& weight, const std::string& change) {
  static const std::string kFirst = Utf8ToCp932("初");
  if (weight.empty()) return;
  u.BodyWeight = IntOf(Trim(SplitFirst(weight, "k").first));
  if (change == kFirst) return;  // first weighing: no change known
  u.WeightDiffKnown = true;
  if (change.empty() || change[0] == '0') {
    u.WeightDiff = 0;
    return;
  }
  const std::string digits = CutToBytes(FromChar(change, 1), 10);
  const int diff = IntOf(Trim(SplitFirst(digits, "k").first));
  u.WeightDiff = change[0] == '+' ? diff : -diff;
}

void TakeJockey(TSyutuba& u, const std::string& text) {
  static const std::string kMarks[] = {Utf8ToCp932("△"), Utf8ToCp932("▲"), Utf8ToCp932("☆")};
  for (const std::string& mark : kMarks) {
    if (text.compare(0, 2, mark) == 0) {
      u.ApprenticeMark = mark;
      u.JockeyName = CutToBytes(std::string_view(text).substr(2), 18);
      return;
    }
  }
  u.ApprenticeMark = Utf8ToCp932("　");
  u.JockeyName = CutToBytes(text, 18);
}

void TakeRunner(TSyutuba& u, int h, const TDecodeSyutuba& row) {
  static const std::string kScratched = Utf8ToCp932("取消");
  const auto& c = row.Col;
  if (c[1] == kScratched) u.Finish = -1;
  u.HorseNo = h;
  u.FrameNo = IntOf(c[0]);
  u.HorseName = RemoveBlanks(c[2]);
  TakeSexAge(u, c[3]);
  u.MarkText = "-";
  TakeWeight(u, c[4], c[5]);
  TakeJockey(u, c[6]);
  u.Burden = NumberOf(c[7].substr(0, 4), 0);
  u.TrainerName = CutToBytes(c[8], 18);
}

}  // namespace

int DecodeRaceCard(TIPat& s, const TIPatPage& page) {
  std::array<std::string, 6> h;  // H1..H5 at 1..5
  bool any = false;
  for (int k = 1; k <= 5; ++k) {
    h[k] = std::string(page.Table("[4]" + Piece(k)));
    any = any || !h[k].empty();
  }
  if (!any) return 10;
  const TCardHeader layout = HeaderLayout(h);
  const double pageDate = PageDate(h[1]);
  TRaceHeader& hd = s.Race.Header;
  hd.RaceName = layout.Title;
  auto [cond1, cond2] = SplitFirst(layout.Condition, Utf8ToCp932("　"));
  hd.Condition1 = cond1;
  hd.Condition2 = cond2;
  TakeCourse(s, layout.Course);
  if (pageDate != hd.RaceDate) return 5;  // the site shows another day
  if (hd.Distance == 0) return 11;
  if (hd.RunnerCount == 0) return 12;
  if (hd.StartTime == 0) return 13;
  const std::string& code = s.CurVenue >= 1 && s.CurVenue <= kStatusSlots
                                ? s.MeetingCode[s.CurVenue].Code
                                : std::string();
  hd.Kai = code.size() >= 4 ? IntOf(code.substr(3, 1)) : 0;
  hd.Nichi = code.size() >= 5 ? IntOf(code.substr(4, 1)) : 0;
  int filled = 0;
  for (int n = 1; n <= hd.RunnerCount; ++n) {
    TDecodeSyutuba row = RunnerRow(page, n);
    if (row.Col[2].empty()) continue;
    TakeRunner(s.Race.Runner(n), n, row);
    ++filled;
  }
  return filled > 0 ? 0 : 14;
}

}  // namespace vorpa
