#pragma once
// The texts of the history window: every stored race of a horse, jockey or
// trainer, newest first (CP932 texts).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryReader.h"

namespace vorpa {

constexpr int kRideColumns = 12;
using TRideRow = std::array<std::string, kRideColumns>;

const TRideRow& RideHeaders();
const std::array<int, kRideColumns>& RideColumnWidths();
TRideRow RideRowTexts(const TRide& ride);

// Whose history a race-card column names: horse name, jockey or trainer.
std::optional<TRideKey> RideKeyOfCardColumn(int col);
// The pop-up menu caption for that key ("この馬の履歴" ...).
std::string RideMenuText(TRideKey key);
// The window caption: the name, what it is and the number of races.
std::string RideCaption(TRideKey key, const std::string& name, size_t rides);

}  // namespace vorpa
