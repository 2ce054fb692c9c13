// The menu page: session key, the day's meeting codes (first page only) and
// the race table of the shown meeting.
#include <string>

#include "core/Cp932.h"
#include "core/MeetingClock.h"
#include "core/TextUtil.h"
#include "ipat/IPatDecode.h"

namespace vorpa {
namespace {

constexpr int kMeetingOptions = 6;

std::string Option(const TIPatPage& page, int k) {
  return std::string(page.Form("[4][m]" + Piece(k)));
}

// The first n characters of a text (double-byte characters count as one).
std::string FirstChars(std::string_view text, int n) {
  size_t at = 0;
  for (int i = 0; i < n && at < text.size(); ++i)
    at += Cp932CharLen(static_cast<unsigned char>(text[at]));
  return std::string(text.substr(0, std::min(at, text.size())));
}

// Fills the venue slots with the meetings labelled as sold on the day;
// false when there is none. A fourth such meeting has no slot and is ignored.
bool TakeMeetings(TIPat& s, const TIPatPage& page) {
  static const std::string kOnTheDay = Utf8ToCp932("（当日売）");
  // A retried first page starts over rather than finding every slot taken.
  for (int v = 1; v <= kStatusSlots; ++v) s.MeetingCode[v].Code.clear();
  int slot = 0;
  for (int k = 1; k <= kMeetingOptions && slot < kStatusSlots; ++k) {
    std::string label(page.Table("[4][1,1][1][1,1]" + Piece(k)));
    std::vector<std::string> words = SplitFields(label, " ", 4);
    if (words[4] != kOnTheDay) continue;
    std::string code = Option(page, k);
    if (code.empty()) continue;
    s.MeetingCode[++slot].Code = code;
  }
  return slot > 0;
}

// Marks the races of slot v from the race table; the number of races the
// table names (a cancelled race among them).
int TakeRaces(TIPat& s, const TIPatPage& page, int v) {
  static const std::string kCancelled = Utf8ToCp932("中止");
  static const std::string kFinal = Utf8ToCp932("(最終)");
  static const std::string kAllHorses = Utf8ToCp932("(全馬)");
  int set = 0;
  for (int i = 1; i <= kStatusRaces; ++i) {
    const std::string_view heading = page.Table("[4][3,1][4]" + Cell(1, i + 1) + "<1>");
    const std::string_view odds = page.Table("[4][3,1][4]" + Cell(3, i + 1) + "<1>");
    const std::string_view result = page.Table("[4][3,1][4]" + Cell(5, i + 1) + "<1>");
    const int r = IntBefore(heading, "R");
    if (r < 1 || r > kStatusRaces) continue;
    RaceStatus& st = s.Status[v][r];
    ++set;
    if (odds == kCancelled) {
      // A race cancelled during the day is no longer waited for; its file
      // keeps what was stored.
      st.Listed = false;
      st.Selected = false;
      continue;
    }
    st.Listed = true;
    st.FinalMark = odds.empty() || odds == kFinal;
    st.ResultMark = result == kAllHorses;
  }
  return set;
}

}  // namespace

int DecodeMenuPage(TIPat& s, const TIPatPage& page, bool first) {
  const std::string key(page.Form("[4][w]"));
  if (key.empty()) return 6;
  if (first) {
    s.SessionKey = key;
    s.MeetingDate = CurrentMeetingDate(s.Clock().Now());
    if (!TakeMeetings(s, page)) return 8;
    s.CurVenue = 1;
  }
  const std::string shown = FirstChars(page.Form("[4][j]"), 5);
  if (shown.empty()) return 9;
  int set = 0;
  for (int v = 1; v <= kStatusSlots; ++v)
    if (shown == Option(page, v)) set += TakeRaces(s, page, v);
  return set > 0 ? 0 : 4;
}

}  // namespace vorpa
