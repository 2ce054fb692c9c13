#pragma once
// What the views add about the odds movement: the change marks of the
// card's win and place cells with their tooltips, the popularity column,
// the matrix cells that fell by the drop threshold, and the popularity of
// the sorted lists' rows.
#include <string>
#include <vector>

#include "analysis/OddsAlerts.h"
#include "analysis/OddsMovement.h"
#include "view/Colors.h"
#include "view/OddsViews.h"

namespace vorpa {

// The card's added column "人気" (after the columns of the card).
constexpr int kColPopularity = kCardColumns;
const std::string& PopularityHeader();  // "人気" (CP932)
constexpr int kPopularityWidth = 18;  // what the card leaves at its design width

// Colours of the change marks: neither of the odds colours.
constexpr TColor kClShorter = Rgb(0xC0, 0x00, 0xC0);  // ▼
constexpr TColor kClLonger = Rgb(0x80, 0x80, 0x80);   // ▲

// The change of a card cell since the reading before.
struct TChangeMark {
  TMoveKind Kind = TMoveKind::None;
  std::string Mark;     // "▼" shorter, "▲" drifting, "" none (CP932)
  TColor Color = kClWindowText;
  std::string Tooltip;  // the value before and its reading time (CP932)
};

// What the card adds for one row (horse).
struct TCardMovementRow {
  TChangeMark Win, Place;
  std::string Popularity;  // "%2d" of the rank, "" without one
  std::string Tooltip;     // popularity, share, money and its change (CP932)
};

// The rows of card order `order` for win reading `winIndex` (-1: none);
// `pools` the win pools of the readings when known.
std::vector<TCardMovementRow> CardMovement(const TRace& race, const std::vector<int>& order,
                                           int winIndex, const TWinPools& pools = {});

// Cells of a view (in TOddsView::Cells order) whose odds at reading `index`
// fell to (100 - percent) % or less of the reading before.
std::vector<bool> FallenCells(const TRace& race, TPairKind kind, int index, double percent);

// Popularity of each sorted list row: its position, rows of equal odds
// sharing the first one's.
std::vector<int> SortedRanks(const TOddsView& view);
// Tooltip of a sorted row: "%d番人気" (CP932).
std::string RankTooltip(int rank);

// The alert list of the alert window, newest first: one line of texts
// per alert (CP932).
constexpr int kAlertColumns = 7;
const std::vector<std::string>& AlertHeaders();
const std::vector<int>& AlertColumnWidths();
std::vector<std::vector<std::string>> AlertRows(const std::vector<TAlert>& newestFirst);
// The kind in Japanese: "急落", "支持", "流入".
std::string AlertKindText(TAlertKind kind);

// Whether an alert is notified: notifications on, and (when
// AlertNotifyWithin is above 0) the race's post `postTime` no more than that
// many minutes after `now`, and not past (both times of day).
bool AlertNotified(double postTime, double now, const TSetting& s);

// The text of a desktop notification for an alert: summary and body (UTF-8).
std::pair<std::string, std::string> AlertNotification(const TAlert& a);

}  // namespace vorpa
