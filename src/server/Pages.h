#pragma once
// The pages of the simulated IPAT information service, one renderer per
// page kind (UTF-8 HTML). `now` is the server's clock (date and time).
#include <string>

#include "server/SimDay.h"

namespace vorpa::sim {

// Titles by which the client tells the odds pages apart.
extern const char* const kTitleWinPlace;  // "単・複・枠連オッズ"
extern const char* const kTitleExacta;    // "馬単オッズ"
extern const char* const kTitleTrio;      // "３連複オッズ"
extern const char* const kTitleTrifecta;  // "３連単オッズ"
extern const char* const kTitleQuinella;  // "馬連オッズ"
extern const char* const kTitleWide;      // "ワイドオッズ"

// The menu with `shown` as the meeting displayed; `key` is the session key.
std::string MenuPage(const TSimDay& day, const TSimMeeting& shown, const std::string& key,
                     double now);
std::string CardPage(const TSimMeeting& meeting, const TSimRace& race, double now);
std::string WinPlacePage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now);
std::string ExactaPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now);
std::string QuinellaPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now);
std::string WidePage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now);
// Trio or trifecta page for the given first horse.
std::string TrioPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now,
                     bool trifecta, int firstHorse);
std::string ResultPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now);

// A page that carries none of the data paths (another page in place of the
// one asked for).
std::string MessagePage(const std::string& title, const std::string& text);
// "認証エラー" or "接続エラー" as the third entry of the table list.
std::string ErrorPage(const std::string& error);

// Texts shared by the pages and the truth.
std::string VenueText(const TSimMeeting& meeting);      // "東京"
std::string MeetingLabel(const TSimMeeting& meeting);   // "5回 東京 3日 12月8日(火) （当日売）"
std::string PostTimeText(double time);                  // "15:40"
std::string OddsTimeText(const TSimMeeting& meeting, const TSimRace& race, double now);
std::string OddsMark(const TSimMeeting& meeting, const TSimRace& race, double now);
std::string ResultMark(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now);
// H1..H5 of the race card (the later ones "" when the layout has fewer).
std::vector<std::string> CardHeader(const TSimMeeting& meeting, const TSimRace& race);
// Body weight and its change as the card shows them at `now` ("" before
// they are announced and for scratched horses).
std::string WeightText(const TSimMeeting& meeting, const TSimRace& race, const TSimRunner& r, double now);
std::string WeightDiffText(const TSimMeeting& meeting, const TSimRace& race, const TSimRunner& r, double now);

}  // namespace vorpa::sim
