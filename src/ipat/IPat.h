#pragma once
// The IPAT session: login key, the day's meeting codes, the plan of what to
// read (RaceStatus, 3 venue slots x 12 races), the race being read, and the
// request of the current step. It does no waiting and no threading: the
// acquisition thread drives it step by step (NextState, then BuildRequest,
// Fetch and Decode, or LoadRace or StoreRace).
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "core/Clock.h"
#include "core/PatOutInfo.h"
#include "core/Race.h"
#include "core/Setting.h"
#include "ipat/URLAccess.h"

namespace vorpa {

class TIPatPage;

// Values of the form fields "i", "g", "s", "w", "j", "m", "c".
struct TIPatPara {
  std::string ParamI, ParamG, ParamS, ParamW, ParamJ, ParamM, ParamC;
};

// The 5-character meeting code of one venue slot: venue code (one hex
// digit), a two-digit number, Kai, Nichi. Empty = no meeting in the slot.
struct TIPatKaisai {
  std::string Code;
};

class TIPat {
 public:
  // The states; the number is what IPatState stores.
  enum : uint8_t {
    WaitStart = 0,
    Login = 1,
    MeetingInfo = 2,
    LoadData = 3,
    RaceCard = 4,
    OddsWinPlace = 5,
    OddsExacta = 6,
    OddsTrio = 7,
    OddsTrifecta = 8,
    OddsQuinella = 9,
    OddsWide = 10,
    Result = 11,
    StoreData = 12,
    RunEnd = 13,
    Aborted = 14,
    AllDone = 15,
  };

  // Settings and clock are read, never owned; both outlive the session.
  TIPat(const TSetting& setting, const TClock& clock);

  uint8_t Priority = 0;
  uint8_t IPatState = WaitStart;
  int32_t ActionCount = 0;
  int32_t AccessCount = 0;
  int32_t ErrRetryCount = 0;
  int32_t ErrWaitCount = 0;
  std::string SessionKey;
  std::string Url;
  std::string PostData;
  TIPatPara Para;
  double MeetingDate = 0;
  int32_t CurVenue = 0;  // 0 = none yet, else 1..3
  int32_t CurRace = 0;   // 0 = none yet, else 1..12
  TIPatKaisai MeetingCode[kStatusSlots + 1];             // [1..3]; [0] unused
  RaceStatus Status[kStatusSlots + 1][kStatusRaces + 1];  // [1..3][1..12]; row and column 0 unused
  TRace Race;
  // The request of the automatic per-race PAT output: the main thread
  // replaces it while the acquisition thread may be writing with it.
  TPatOutInfo PatOut() const;
  void SetPatOut(const TPatOutInfo& info);
  // The per-race PAT output, given by whoever runs the session (the PAT
  // writers sit above this library): writes the files of the request for
  // the race; true when files were written. A file that could not be
  // written ends it: then false, and `failure` (when given) gets the file
  // and why ("path: reason", UTF-8). Unset: nothing is written.
  std::function<bool(const TPatOutInfo&, const TRace&, std::string* failure)> PatOutput;

  void Init();
  bool CheckSchedule();
  void CopyFrom(const TIPat& other);
  void NextState();
  void BuildRequest();
  // The page of the current request; "" unless the status code is 200,
  // and then `failure` (when given) says why.
  std::string Fetch(TUrlFailure* failure = nullptr) const;
  int Decode(const std::string& page);
  int Decode(const TIPatPage& page);
  void LoadRace();
  // False when the race file could not be written; `reason` (UTF-8), when
  // given, then says why.
  bool StoreRace(std::string* reason = nullptr);
  // StoreRace over the file as it is now, for a record changed by hand
  // while other runs may have stored the race: what the change left alone
  // follows the file (MergeRaceEdit against the record as last loaded or
  // stored), and Race becomes what is stored. The caller holds the race.
  bool StoreEditedRace(std::string* reason = nullptr);
  void UpdateStatus();
  // When the request has AutoOut: the race key of Race into the request,
  // then PatOutput on both; true when files were written. `failure` as
  // PatOutput gives it ("" when nothing failed).
  bool OutputRace(std::string* failure = nullptr);
  bool RaceDone(int v, int r) const;
  static std::string ErrorText(int code);

  // Status[CurVenue][CurRace], or a scratch entry while either is out of
  // range, so a decoder never writes outside the table.
  RaceStatus& CurStatus();
  // The venue name of slot v's meeting code ("" when the slot is empty).
  std::string VenueNameOfSlot(int v) const;

  const TSetting& Settings() const { return *setting_; }
  const TClock& Clock() const { return *clock_; }

 private:
  int FirstStep(int v, int r) const;
  void NextVenue();
  void RaceWalk();
  std::string DataDir() const;
  bool SlotUsed(int v) const { return !MeetingCode[v].Code.empty(); }

  const TSetting* setting_;
  const TClock* clock_;
  mutable std::mutex patOutMutex_;
  TPatOutInfo patOut_;
  RaceStatus scratch_;
  TRace loaded_;  // Race as last loaded or stored
};

// The label of a state ("開始待ち" .. "全処理終了", CP932); "" outside 0..15.
std::string IPatStateLabel(int state);

// The character of a number 1..18 in "123456789abcdefghi"; "" outside.
std::string NumberChar(int n);

}  // namespace vorpa
