#include "ipat/IPat.h"

#include <algorithm>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/MeetingClock.h"
#include "core/RaceEdit.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Venue.h"
#include "ipat/IPatDecode.h"
#include "ipat/IPatPage.h"
#include "ipat/URLAccess.h"

namespace vorpa {
namespace {

constexpr int kLastSlot = kStatusSlots;
constexpr int kLastRace = kStatusRaces;

double Minutes(int m) { return m / (24.0 * 60.0); }

// Appends name=value to a form body; empty values are left out.
void AddField(std::string* body, const char* name, const std::string& value) {
  if (value.empty()) return;
  if (!body->empty()) *body += '&';
  *body += name;
  *body += '=';
  *body += value;
}

}  // namespace

std::string NumberChar(int n) {
  static constexpr std::string_view kChars = "123456789abcdefghi";
  if (n < 1 || n > static_cast<int>(kChars.size())) return "";
  return std::string(1, kChars[n - 1]);
}

std::string IPatStateLabel(int state) {
  static const char* const kLabels[] = {
      "開始待ち",         "ログイン",       "開催情報取得",     "データ読み込み",
      "出馬情報取得",     "単複枠オッズ取得", "馬単オッズ取得",   "３連複オッズ取得",
      "３連単オッズ取得", "馬連オッズ取得", "ワイドオッズ取得", "成績取得",
      "データ書き込み",   "処理終了",       "処理中断",         "全処理終了"};
  if (state < 0 || state > 15) return "";
  return Utf8ToCp932(kLabels[state]);
}

TIPat::TIPat(const TSetting& setting, const TClock& clock) : setting_(&setting), clock_(&clock) {
  for (int v = 1; v <= kLastSlot; ++v)
    for (int r = 1; r <= kLastRace; ++r) Status[v][r] = InitialRaceStatus(r, setting);
}

void TIPat::Init() {
  IPatState = WaitStart;
  SessionKey.clear();
  MeetingDate = 0;
  CurVenue = 0;
  CurRace = 0;
  Priority = setting_->IPatPriority;
  for (int v = 1; v <= kLastSlot; ++v) {
    MeetingCode[v].Code.clear();
    for (int r = 1; r <= kLastRace; ++r) Status[v][r] = InitialRaceStatus(r, *setting_);
  }
}

bool TIPat::RaceDone(int v, int r) const {
  if (v < 1 || v > kLastSlot || r < 1 || r > kLastRace) return false;
  const RaceStatus& st = Status[v][r];
  return st.StartTime != 0 && st.OddsDone && st.ResultDone;
}

RaceStatus& TIPat::CurStatus() {
  if (CurVenue < 1 || CurVenue > kLastSlot || CurRace < 1 || CurRace > kLastRace) {
    scratch_ = RaceStatus();
    return scratch_;
  }
  return Status[CurVenue][CurRace];
}

std::string TIPat::VenueNameOfSlot(int v) const {
  if (v < 1 || v > kLastSlot || MeetingCode[v].Code.empty()) return "";
  return VenueNameOfCode(FirstChar(MeetingCode[v].Code));
}

bool TIPat::CheckSchedule() {
  CurVenue = 0;
  IPatState = MeetingInfo;
  CurRace = 0;
  for (int v = 1; v <= kLastSlot; ++v)
    for (int r = 1; r <= kLastRace; ++r) Status[v][r].Selected = false;
  const double now = TimeOf(clock_->Now());
  const double dayEnd = DaySwitchTime();
  const double startTime = setting_->IPatStartTime;
  const int cycle = setting_->IPatGetCycle;
  bool any = false;
  for (int v = 1; v <= kLastSlot; ++v) {
    if (!SlotUsed(v)) continue;
    for (int r = 1; r <= kLastRace; ++r) {
      RaceStatus& st = Status[v][r];
      if (!st.Listed || RaceDone(v, r)) continue;
      if (st.LastFetch == 0) {
        st.Selected = true;
      } else {
        double next;
        if (cycle <= 0) {
          next = EncodeTime(23, 59, 59);
        } else if (st.LastFetch < startTime && startTime < now) {
          next = 0;  // the last reading predates today's start: read at once
        } else {
          next = st.LastFetch + Minutes(cycle);
          if (next > 1.0 && now < st.LastFetch) next -= 1.0;
        }
        if (st.StartTime != 0 && now < dayEnd) {
          if (!st.OddsDone)
            next = std::min(next, st.StartTime + Minutes(3));
          else if (!st.ResultDone)
            next = std::min(next, st.StartTime + Minutes(25));
        }
        if (next < now) st.Selected = true;
      }
      if (now < dayEnd) {
        for (double& d : st.Deadline) {
          if ((d > 0 && now > d) || (d < 0 && st.StartTime != 0 && now > st.StartTime + d)) {
            st.Selected = true;
            d = 0;  // each fixed time fires once
          }
        }
      }
      any = any || st.Selected;
    }
  }
  return any;
}

void TIPat::CopyFrom(const TIPat& other) {
  CurVenue = 0;
  IPatState = MeetingInfo;
  CurRace = 0;
  SessionKey = other.SessionKey;
  MeetingDate = other.MeetingDate;
  SetPatOut(other.PatOut());
  for (int v = 1; v <= kLastSlot; ++v) {
    MeetingCode[v] = other.MeetingCode[v];
    for (int r = 1; r <= kLastRace; ++r) {
      RaceStatus& dst = Status[v][r];
      dst = other.Status[v][r];
      dst.Selected = false;
      dst.RunnerCount = 0;
      dst.Deadline = {};
    }
  }
}

TPatOutInfo TIPat::PatOut() const {
  std::lock_guard<std::mutex> lock(patOutMutex_);
  return patOut_;
}

void TIPat::SetPatOut(const TPatOutInfo& info) {
  std::lock_guard<std::mutex> lock(patOutMutex_);
  patOut_ = info;
}

bool TIPat::OutputRace(std::string* failure) {
  TPatOutInfo info;
  {
    std::lock_guard<std::mutex> lock(patOutMutex_);
    if (!patOut_.AutoOut) return false;
    patOut_.Date = Race.Header.RaceDate;
    patOut_.VenueName = Race.Header.VenueName;
    patOut_.RaceNo = Race.Header.RaceNo;
    info = patOut_;
  }
  return PatOutput && PatOutput(info, Race, failure);
}

int TIPat::FirstStep(int v, int r) const {
  const RaceStatus& st = Status[v][r];
  if (!st.Listed) return 0;
  if (st.StartTime == 0) return RaceCard;
  if (!st.OddsDone && st.Selected) return RaceCard;
  if (!st.ResultDone && st.ResultMark) return Result;
  return 0;
}

void TIPat::NextVenue() {
  if (CurVenue < kLastSlot) {
    ++CurVenue;
    if (SlotUsed(CurVenue)) {
      IPatState = MeetingInfo;
      return;
    }
  }
  CurVenue = 0;
  CurRace = 0;
  RaceWalk();
}

void TIPat::RaceWalk() {
  for (;;) {
    if (CurVenue >= 1 && CurVenue <= kLastSlot) {
      for (int r = std::max(CurRace, 0) + 1; r <= kLastRace; ++r) {
        if (FirstStep(CurVenue, r) != 0) {
          CurRace = r;
          IPatState = LoadData;
          return;
        }
      }
    }
    // Slots are filled in order, so the first slot without a code ends them.
    if (CurVenue < kLastSlot && CurVenue >= 0 && SlotUsed(CurVenue + 1)) {
      ++CurVenue;
      CurRace = 0;
      continue;
    }
    break;
  }
  bool anyListed = false, allDone = true;
  for (int v = 1; v <= kLastSlot; ++v) {
    for (int r = 1; r <= kLastRace; ++r) {
      if (!Status[v][r].Listed) continue;
      anyListed = true;
      if (SlotUsed(v) && !RaceDone(v, r)) allDone = false;
    }
  }
  IPatState = anyListed && allDone ? AllDone : RunEnd;
}

void TIPat::NextState() {
  switch (IPatState) {
    case WaitStart:
      IPatState = Login;
      break;
    case Login:
    case MeetingInfo:
      NextVenue();
      break;
    case LoadData: {
      int s = (CurVenue >= 1 && CurVenue <= kLastSlot && CurRace >= 1 && CurRace <= kLastRace)
                  ? FirstStep(CurVenue, CurRace)
                  : 0;
      if (s != 0)
        IPatState = static_cast<uint8_t>(s);
      else
        RaceWalk();
      break;
    }
    case RaceCard: {
      const RaceStatus& st = CurStatus();
      IPatState = st.FinalMark ? OddsWinPlace : st.ResultMark ? Result : StoreData;
      break;
    }
    case OddsWinPlace:
    case OddsExacta:
    case OddsTrio:
    case OddsTrifecta:
    case OddsQuinella:
    case OddsWide: {
      const RaceStatus& st = CurStatus();
      const std::pair<uint8_t, bool> later[] = {{OddsExacta, st.WantExacta},
                                                {OddsTrio, st.WantTrio},
                                                {OddsTrifecta, st.WantTrifecta},
                                                {OddsQuinella, st.WantQuinella},
                                                {OddsWide, st.WantWide}};
      for (const auto& [state, want] : later) {
        if (state > IPatState && want) {
          IPatState = state;
          return;
        }
      }
      IPatState = st.ResultMark ? Result : StoreData;
      break;
    }
    case Result:
      IPatState = StoreData;
      break;
    case StoreData:
      RaceWalk();
      break;
    default:
      break;  // 13, 14, 15 end a run
  }
}

void TIPat::BuildRequest() {
  Url.clear();
  PostData.clear();
  Para = TIPatPara();
  struct Row {
    const char* g;
    const char* j;  // suffix of the code in "j"
    char s;         // last character of "s": '0', or 'H' for the first horse
  };
  Row row{};
  switch (IPatState) {
    case Login:
      Para.ParamG = "Mnu02";
      Para.ParamI = setting_->INetID;
      break;
    case MeetingInfo: row = {"Mnu01", "00000", 0}; break;
    case RaceCard: row = {"Den01", "00000", '0'}; break;
    case OddsWinPlace: row = {"Ota01", "Ota01", '0'}; break;
    case OddsExacta: row = {"Out01", "Out01", '0'}; break;
    case OddsTrio: row = {"Osa01", "Osa00", 'H'}; break;
    case OddsTrifecta: row = {"Ost01", "Ost00", 'H'}; break;
    case OddsQuinella: row = {"Oum01", "Oum01", '0'}; break;
    case OddsWide: row = {"Owi01", "Owi01", '0'}; break;
    case Result: row = {"Sei01", "00000", '0'}; break;
    default:
      return;  // no page in this state
  }
  if (IPatState != Login) {
    const std::string code =
        CurVenue >= 1 && CurVenue <= kLastSlot ? MeetingCode[CurVenue].Code : std::string();
    Para.ParamG = row.g;
    Para.ParamW = SessionKey;
    Para.ParamJ = code + row.j;
    if (IPatState == MeetingInfo) {
      Para.ParamS = "0000000";
      Para.ParamM = code;
    } else {
      std::string last(1, row.s);
      if (row.s == 'H') {
        last = "1";
        const int n = std::clamp(Race.Header.RunnerCount, 0, kMaxRunners);
        for (int h = 1; h <= n; ++h) {
          if (Race.Runner(h).Finish != -1) {
            last = NumberChar(h);
            break;
          }
        }
      }
      Para.ParamS = code + NumberChar(CurRace) + last;
    }
    if (IPatState == OddsTrifecta) Para.ParamC = "1";
  }
  Url = "https://" + setting_->IPatHost + "/p/s";
  AddField(&PostData, "g", Para.ParamG);
  AddField(&PostData, "s", Para.ParamS);
  AddField(&PostData, "i", Para.ParamI);
  AddField(&PostData, "w", Para.ParamW);
  AddField(&PostData, "j", Para.ParamJ);
  AddField(&PostData, "m", Para.ParamM);
  AddField(&PostData, "c", Para.ParamC);
}

std::string TIPat::Fetch(TUrlFailure* failure) const {
  std::string page;
  if (UrlRequest(Url, PostData, &page, kReceiveTimeoutMs, failure) != 200) return "";
  return page;
}

int TIPat::Decode(const std::string& page) {
  TIPatPage p(page);
  return Decode(p);
}

int TIPat::Decode(const TIPatPage& page) {
  const auto& tables = page.Tables();
  if (tables.size() >= 3) {
    static const std::string kAuth = Utf8ToCp932("[2][3,1]<1>認証エラー");
    static const std::string kConn = Utf8ToCp932("[2][3,1]<1>接続エラー");
    if (tables[2] == kAuth) return 1;
    if (tables[2] == kConn) return 2;
  }
  switch (IPatState) {
    case Login: return DecodeMenuPage(*this, page, true);
    case MeetingInfo: return DecodeMenuPage(*this, page, false);
    case RaceCard: return DecodeRaceCard(*this, page);
    case OddsWinPlace: return DecodeOddsWinPlace(*this, page);
    case OddsExacta: return DecodeOddsExacta(*this, page);
    case OddsTrio: return DecodeOddsTrio(*this, page);
    case OddsTrifecta: return DecodeOddsTrifecta(*this, page);
    case OddsQuinella: return DecodeOddsQuinella(*this, page);
    case OddsWide: return DecodeOddsWide(*this, page);
    case Result: return DecodeResult(*this, page);
    default: return 3;
  }
}

std::string TIPat::DataDir() const { return setting_->MojiPath; }

void TIPat::LoadRace() {
  vorpa::LoadRace(DataDir(), VenueNameOfSlot(CurVenue), CurRace, Race, MeetingDate);
  loaded_ = Race;
  UpdateStatus();
}

bool TIPat::StoreRace(std::string* reason) {
  UpdateStatus();
  if (!vorpa::StoreRace(DataDir(), Race, reason)) return false;
  loaded_ = Race;
  return true;
}

bool TIPat::StoreEditedRace(std::string* reason) {
  const TRaceHeader& h = Race.Header;
  TRace base = loaded_;
  if (!SameRace(base.Header, h)) {
    // Not the race last loaded: the record is compared with a cleared one.
    ClearRace(base, h.VenueName, h.RaceNo, h.RaceDate);
    base.Snapshots.clear();
  }
  TRace stored;
  vorpa::LoadRace(DataDir(), h.VenueName, h.RaceNo, stored, h.RaceDate);
  Race = MergeRaceEdit(base, Race, stored);
  return StoreRace(reason);
}

void TIPat::UpdateStatus() {
  RaceStatus& st = CurStatus();
  const double startTime = Race.Header.StartTime;
  if (!Race.Snapshots.empty() && startTime != 0) {
    st.LastFetch = TimeOf(clock_->Now());
    for (const OddsSnapshot& snap : Race.Snapshots) {
      for (double& d : st.Deadline) {
        if (d > 0 && d < snap.WinTime())
          d = 0;
        else if (d < 0 && st.StartTime != 0 && snap.WinTime() > st.StartTime + d)
          d = 0;
      }
    }
    const auto& votes = Race.Votes;  // bet type k at index k-1
    st.OddsDone = votes[0] > 0 && (!st.WantExacta || votes[4] > 0) &&
                  (!st.WantTrio || votes[6] > 0) && (!st.WantTrifecta || votes[7] > 0) &&
                  (!st.WantQuinella || votes[3] > 0) && (!st.WantWide || votes[5] > 0);
  } else {
    st.OddsDone = false;
  }
  st.StartTime = startTime;
  st.ResultDone = HasResult(Race);
}

std::string TIPat::ErrorText(int code) {
  static const char* const kTexts[] = {"認証エラー", "接続エラー", "未定義情報受信エラー",
                                       "レース情報未公開", "開催終了?"};
  if (code >= 1 && code <= 5) return Utf8ToCp932(kTexts[code - 1]);
  if (code >= 6 && code <= 38) return Utf8ToCp932("データ解析エラー") + std::to_string(code - 5);
  return Utf8ToCp932("未定義エラー");
}

}  // namespace vorpa
