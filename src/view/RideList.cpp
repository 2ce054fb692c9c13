#include "view/RideList.h"

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/OddsText.h"
#include "core/TextUtil.h"
#include "view/FormatText.h"
#include "view/RaceCard.h"

namespace vorpa {

const TRideRow& RideHeaders() {
  static const TRideRow h = [] {
    const char* const u[kRideColumns] = {"日付", "レース", "レース名", "距離", "馬番", "馬名",
                                         "騎手", "単勝", "人気", "着順", "着差", "馬体重"};
    TRideRow out;
    for (int c = 0; c < kRideColumns; ++c) out[c] = Utf8ToCp932(u[c]);
    return out;
  }();
  return h;
}

const std::array<int, kRideColumns>& RideColumnWidths() {
  static const std::array<int, kRideColumns> w = {64, 58, 150, 110, 36, 130, 90, 48, 36, 40, 54, 72};
  return w;
}

TRideRow RideRowTexts(const TRide& r) {
  TRideRow t;
  t[0] = DateToText(r.Date);
  t[1] = r.Venue + FormatText("%d", r.RaceNo) + "R";
  t[2] = r.Title;
  t[3] = (r.Distance > 0 ? FormatText("%d", r.Distance) : std::string()) +
         (r.Course.empty() ? "" : " " + r.Course);
  t[4] = FormatText("%2d", r.HorseNo);
  t[5] = r.HorseName;
  t[6] = r.Jockey;
  t[7] = r.WinOdds >= 0 ? Trim(OddsText(r.WinOdds, 5)) : "";
  t[8] = r.Popularity > 0 ? FormatText("%d", r.Popularity) : "";
  t[9] = r.Finish > 0 ? FormatText("%d", r.Finish) : r.Finish < 0 ? Utf8ToCp932("取消") : "";
  t[10] = r.Margin;
  if (r.BodyWeight > 0)
    t[11] = FormatText("%d", r.BodyWeight) +
            (r.WeightChangeKnown ? FormatText("(%+d)", r.WeightChange) : std::string());
  return t;
}

std::optional<TRideKey> RideKeyOfCardColumn(int col) {
  switch (col) {
    case kColHorseName: return TRideKey::Horse;
    case kColJockey: return TRideKey::Jockey;
    case kColTrainer: return TRideKey::Trainer;
    default: return std::nullopt;
  }
}

namespace {
const char* WhoText(TRideKey key) {
  return key == TRideKey::Horse ? "馬" : key == TRideKey::Jockey ? "騎手" : "調教師";
}
}  // namespace

std::string RideMenuText(TRideKey key) { return Utf8ToCp932(std::string("この") + WhoText(key) + "の履歴"); }

std::string RideCaption(TRideKey key, const std::string& name, size_t rides) {
  return name + Utf8ToCp932(std::string("(") + WhoText(key) + ")の履歴 " + std::to_string(rides) +
                            "レース");
}

}  // namespace vorpa
