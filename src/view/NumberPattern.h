#pragma once
// The number patterns of the result view and the purchase calculator.
#include <string>

namespace vorpa {

// "#,##0": the value rounded (halves away from zero) to a whole number,
// "," between groups of three digits, a leading "-" when negative.
std::string ThousandsText(double value);
// " (0.0%)": a blank, "(", the value with one decimal, "%", ")".
std::string PercentText(double value);

}  // namespace vorpa
