// The version 2.x loader: tagged lines in groups, read up to the first line
// that breaks the group rules.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/RaceIO/RaceFields.h"
#include "core/TextUtil.h"

namespace vorpa::raceio {

namespace {

struct Level {
  char Letter = 0;
  int Count = 0;
  int Last = 0;
};

bool OpensGroup(std::string_view line) {
  if (line.size() < 2 || line[1] != 'C') return false;
  const char c = line[0];
  return c == 'H' || c == 'S' || c == 'R' || c == 'T' || c == 'D';
}

// Calls `each` with every blank-separated token, up to `max` of them.
template <typename Fn>
void ForTokens(std::string_view data, int max, Fn each) {
  size_t i = 0;
  for (int k = 0; k < max; ++k) {
    while (i < data.size() && data[i] == ' ') ++i;
    size_t start = i;
    while (i < data.size() && data[i] != ' ') ++i;
    each(k, data.substr(start, i - start));
  }
}

class Decoder {
 public:
  Decoder(bool v21, TRace& race) : v21_(v21), race_(race) {}

  // False when decoding stops at this line.
  bool Line(std::string_view line) {
    if (line.empty() || line[0] == '#') return true;
    if (OpensGroup(line)) {
      depth_ = 1;
      levels_[0] = {line[0], PaddedIntOf(Columns(line, 3, 2)), 0};
      return true;
    }
    int at = 0;
    while (at < depth_ && levels_[at].Letter != line[0]) ++at;
    if (at == depth_) return false;
    depth_ = at + 1;
    Level& level = levels_[at];
    ++level.Last;
    const int rec = PaddedIntOf(Columns(line, 2, 2));
    if (rec != level.Last || rec > level.Count) return false;
    const std::string_view data = line.size() > 4 ? line.substr(4) : std::string_view();
    return Record(line[0], rec, data);
  }

 private:
  bool Record(char letter, int rec, std::string_view data) {
    switch (letter) {
      case 'H': Header(rec, data); return true;
      case 'S': return Runner(rec, data);
      case 'R': Payout(rec, data); return true;
      case 'T': Vote(rec, data); return true;
      case 'D': Snapshot(rec, data); return true;
      case 'Z': Part(rec, data); return true;
      default: return true;
    }
  }

  void Header(int rec, std::string_view d) {
    TRaceHeader& h = race_.Header;
    switch (rec) {
      case 1:
        h.RaceDate = DateOfText(Columns(d, 1, 8));
        h.VenueName = std::string(TrimControls(Columns(d, 9, 4)));
        h.RaceNo = PaddedIntOf(Columns(d, 13, 2));
        h.Kai = PaddedIntOf(Columns(d, 15, 2));
        h.Nichi = PaddedIntOf(Columns(d, 17, 2));
        h.StartTime = TimeOfText(Columns(d, 19, 6));
        h.Distance = PaddedIntOf(Columns(d, 25, 4));
        h.RunnerCount = std::clamp(PaddedIntOf(Columns(d, 29, 2)), 0, kMaxRunners);
        break;
      case 2: h.RaceName = std::string(d); break;
      case 3: h.Condition1 = std::string(d); break;
      case 4: h.Condition2 = std::string(d); break;
      case 5: h.CourseText = std::string(d); break;
      case 6: h.Weather = std::string(d); break;
      case 7: h.Going = std::string(d); break;
      default: break;
    }
  }

  // An S record beyond the 18 entries cannot be kept: decoding stops.
  bool Runner(int rec, std::string_view d) {
    if (rec > kMaxRunners) return false;
    TSyutuba& s = race_.Runner(rec);
    auto text = [&](size_t from, size_t len) { return std::string(TrimControls(Columns(d, from, len))); };
    s.HorseNo = rec;
    s.FrameNo = PaddedIntOf(Columns(d, 1, 1));
    s.HorseName = text(2, 18);
    s.MarkText = text(20, 1);
    s.Sex = PaddedIntOf(Columns(d, 21, 1));
    s.Age = PaddedIntOf(Columns(d, 22, 2));
    s.BodyWeight = PaddedIntOf(Columns(d, 24, 3));
    s.WeightDiffKnown = Columns(d, 27, 1) == "1";
    s.WeightDiff = PaddedIntOf(Columns(d, 28, 3));
    s.JockeyName = text(31, 18);
    s.Burden = NumberOf(Columns(d, 49, 4), 0);
    s.ApprenticeMark = text(53, 2);
    s.TrainerName = text(55, 18);
    s.Finish = PaddedIntOf(Columns(d, 73, 2));
    s.Margin = text(75, std::string_view::npos);
    return true;
  }

  void Payout(int rec, std::string_view d) {
    const int refundLine = v21_ ? 17 : 15;
    if (rec == refundLine) {
      race_.Result.RefundText = std::string(d);
      return;
    }
    if (rec > refundLine) return;
    PayoutLine p = PayoutLineOf(race_.Result, rec);
    ForTokens(d, p.Count, [&](int k, std::string_view t) { p.First[k] = PaddedIntOf(t); });
  }

  void Vote(int rec, std::string_view d) {
    if (rec > (v21_ ? 9 : 7)) return;
    ForTokens(d, 1, [&](int, std::string_view t) {
      const double scaled = std::round(NumberOf(t, 0) * 10000);
      race_.Votes[rec - 1] = std::fabs(scaled) < 9.2e18 ? static_cast<int64_t>(scaled) : 0;
    });
  }

  void Snapshot(int rec, std::string_view d) {
    if (rec == 1) race_.Snapshots.assign(levels_[0].Count, EmptySnapshot());
    levels_[1] = {'Z', PaddedIntOf(Columns(d, 3, 2)), 0};
    depth_ = 2;
  }

  // Reads `count` values into cells[index(0)], cells[index(1)], ...
  template <typename Index>
  void Values(OddsSnapshot& s, std::string_view d, int count, Index index) {
    ForTokens(d, count, [&](int k, std::string_view t) { s.Cells[index(k)] = NumberOf(t, 0); });
  }

  void Part(int rec, std::string_view d) {
    const size_t at = static_cast<size_t>(levels_[0].Last) - 1;
    if (levels_[0].Letter != 'D' || at >= race_.Snapshots.size()) return;
    OddsSnapshot& s = race_.Snapshots[at];
    const int n = race_.Header.RunnerCount;
    switch (rec) {
      case 1: s.WinTime() = TimeOfText(d); break;
      case 2: Values(s, d, n, [](int k) { return OddsSnapshot::WinIdx(k + 1); }); break;
      case 3: Values(s, d, n, [](int k) { return OddsSnapshot::PlaceLowIdx(k + 1); }); break;
      case 4: Values(s, d, n, [](int k) { return OddsSnapshot::PlaceHighIdx(k + 1); }); break;
      case 5: Values(s, d, 36, [this](int k) { return bracket_[k]; }); break;
      case 6: s.QuinellaTime() = TimeOfText(d); break;
      case 7: Pairs(s, d, n, OddsSnapshot::QuinellaIdx); break;
      case 8: s.ExactaTime() = TimeOfText(d); break;
      case 9: Exacta(s, d, n); break;
      case 10: s.WideTime() = TimeOfText(d); break;
      case 11: Pairs(s, d, n, OddsSnapshot::WideLowIdx); break;
      case 12: Pairs(s, d, n, OddsSnapshot::WideHighIdx); break;
      default: break;
    }
  }

  void Pairs(OddsSnapshot& s, std::string_view d, int n, int (*index)(int, int)) {
    int cells[153];
    int count = 0;
    for (int i = 1; i < n; ++i)
      for (int j = i + 1; j <= n; ++j) cells[count++] = index(i, j);
    Values(s, d, count, [&](int k) { return cells[k]; });
  }

  void Exacta(OddsSnapshot& s, std::string_view d, int n) {
    int cells[306];
    int count = 0;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j)
        if (j != i) cells[count++] = OddsSnapshot::ExactaIdx(i, j);
    Values(s, d, count, [&](int k) { return cells[k]; });
  }

  static std::array<int, 36> BracketCells() {
    std::array<int, 36> cells{};
    int count = 0;
    for (int i = 1; i <= kMaxFrames; ++i)
      for (int j = i; j <= kMaxFrames; ++j) cells[count++] = OddsSnapshot::BracketIdx(i, j);
    return cells;
  }

  const bool v21_;
  TRace& race_;
  Level levels_[2];
  int depth_ = 1;
  const std::array<int, 36> bracket_ = BracketCells();
};

}  // namespace

void DecodeVersion2(const std::vector<std::string_view>& lines, bool v21, TRace& race) {
  Decoder decoder(v21, race);
  for (size_t i = 1; i < lines.size(); ++i)
    if (!decoder.Line(lines[i])) return;
}

}  // namespace vorpa::raceio
