#pragma once
// Names and words of the simulated day (UTF-8): horses, jockeys, trainers,
// race titles.
#include <string>

#include "server/SimRandom.h"

namespace vorpa::sim {

// A katakana horse name of at most nine characters.
std::string HorseName(TDraws& d);
// A jockey's name, with "☆", "△" or "▲" for apprentices, or a visiting
// rider's "Ａ．カナ" name; *allowance is the weight allowance in kg that the
// mark brings (0 for none).
std::string JockeyName(TDraws& d, int* allowance);
std::string TrainerName(TDraws& d);
// The name of a special race; `graded` picks from the graded races.
std::string RaceTitle(TDraws& d, bool graded);

}  // namespace vorpa::sim
