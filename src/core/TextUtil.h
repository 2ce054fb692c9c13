#pragma once
// Text and number helpers on CP932 byte strings. Functions that look at
// characters walk double-byte characters as one character.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorpa {

// Date-time texts of the race data file: "hhnnss" -> time of day,
// "yyyymmdd" -> date. An invalid text gives 0.
double TimeOfText(std::string_view hhnnss);
double DateOfText(std::string_view yyyymmdd);

// The whole text as a decimal number (point as separator), else `def`.
double NumberOf(std::string_view text, double def);
// The whole text as a decimal integer with an optional sign, 0 when it is
// not a plain decimal number (or outside the int range).
int IntOf(std::string_view text);
// The part before the first `marker` (on a character boundary), trimmed of blanks, as an integer
// (0 when not a number); 0 when the marker does not occur.
int IntBefore(std::string_view text, std::string_view marker);
// As IntBefore with every "," removed from the part first (1,230円 -> 1230).
int IntBeforeNoComma(std::string_view text, std::string_view marker);
// Every "," removed, the rest as a decimal number (0 when not a number),
// times 10000, rounded: the fixed-point vote totals.
int64_t FixedPointOf(std::string_view text);

// If `text` begins with `prefix`, *out becomes the rest; else unchanged.
void ValueAfterPrefix(std::string_view text, std::string_view prefix, std::string* out);
// The parts before and after the first `sep` that starts on a character
// boundary; (text, "") when absent.
std::pair<std::string, std::string> SplitFirst(std::string_view text, std::string_view sep);
// n+1 fields (always n+1 entries): the text split at the one-character
// separator `sep` (a single byte or one double-byte character), runs of
// separators counting as one, empty fields skipped, fields beyond n+1 dropped.
std::vector<std::string> SplitFields(std::string_view text, std::string_view sep, int n);
// Every " " and every full-width blank "　" removed.
std::string RemoveBlanks(std::string_view text);
// The longest prefix of whole characters of at most `budget` bytes.
std::string CutToBytes(std::string_view text, int budget);
// n half-width blanks (none for n <= 0).
std::string Blanks(int n);
// Half-width and full-width forms; at most 256 bytes; "" when mapping fails.
std::string ToHalfWidth(std::string_view text);
std::string ToFullWidth(std::string_view text);
// The path with one trailing "/" added when missing; "" stays "".
std::string WithSeparator(std::string_view path);
// A decimal integer with an optional sign, the whole text; false when the
// text is not one or leaves the int range.
bool TryIntOf(std::string_view text, int* out);
// Hexadecimal digits of either case (1..8 of them) as a number; false for
// an empty text or any other character.
bool TryHexOf(std::string_view text, uint32_t* out);
// Trims blanks and control characters (bytes up to 0x20) at both ends;
// no CP932 trail byte lies in that range.
std::string Trim(std::string_view text);

}  // namespace vorpa
