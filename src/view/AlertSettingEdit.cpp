#include "view/AlertSettingEdit.h"

#include "core/Cp932.h"
#include "core/TextUtil.h"

namespace vorpa {

namespace {

struct TRange {
  const std::string TAlertControls::*Field;
  int Lo, Hi;
  const char* Message;  // UTF-8
};

const TRange kRanges[] = {
    {&TAlertControls::DropPercent, 1, 99, "急落の下げ幅は1～99%にしてください。"},
    {&TAlertControls::DropOddsLimit, 1, 99999, "急落のオッズ上限は1～99999にしてください。"},
    {&TAlertControls::SharePoints, 1, 100, "支持率の上昇幅は1～100ポイントにしてください。"},
    {&TAlertControls::InflowYen, 1, 2000000000, "流入額は1～2000000000円にしてください。"},
    {&TAlertControls::NotifyWithin, 0, 999, "通知する発走前の分数は0～999にしてください。"},
};

}  // namespace

TAlertControls AlertControlsFromSetting(const TSetting& s) {
  TAlertControls c;
  c.Marks = s.AlertMarks;
  c.Popularity = s.AlertPopularity;
  c.Notify = s.AlertNotify;
  c.DropPercent = std::to_string(s.AlertDropPercent);
  c.DropOddsLimit = std::to_string(s.AlertDropOddsLimit);
  c.SharePoints = std::to_string(s.AlertSharePoints);
  c.InflowYen = std::to_string(s.AlertInflowYen);
  c.NotifyWithin = std::to_string(s.AlertNotifyWithin);
  return c;
}

std::string AlertControlsError(const TAlertControls& c) {
  for (const TRange& r : kRanges) {
    int v = 0;
    if (!TryIntOf(c.*r.Field, &v) || v < r.Lo || v > r.Hi) return Utf8ToCp932(r.Message);
  }
  return "";
}

void StoreAlertControls(const TAlertControls& c, TSetting& s) {
  s.AlertMarks = c.Marks;
  s.AlertPopularity = c.Popularity;
  s.AlertNotify = c.Notify;
  s.AlertDropPercent = IntOf(c.DropPercent);
  s.AlertDropOddsLimit = IntOf(c.DropOddsLimit);
  s.AlertSharePoints = IntOf(c.SharePoints);
  s.AlertInflowYen = IntOf(c.InflowYen);
  s.AlertNotifyWithin = IntOf(c.NotifyWithin);
}

}  // namespace vorpa
