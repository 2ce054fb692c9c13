#pragma once
// Compares stored race records with what vorpa-ipatd says it served (its
// truth, GET /truth): race card, latest odds and vote totals, result.
#include <nlohmann/json.hpp>
#include <string>

#include "core/Race.h"

namespace vorpa::test {

// The truth object of race `raceNo` of meeting `code`; null when absent.
const nlohmann::json* TruthRace(const nlohmann::json& truth, const std::string& code, int raceNo);

// Adds test failures for every field of the record that differs from the
// truth of the race; odds only when `odds`, the result only when `result`.
void ExpectRaceMatchesTruth(const nlohmann::json& race, const TRace& rec, bool card, bool odds,
                            bool result);

}  // namespace vorpa::test
