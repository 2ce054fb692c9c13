#pragma once
// The ten JRA venues in fixed order; a venue's number is its position 1..10
// and its code is that number as one upper-case hexadecimal digit (1..9, A).
#include <string>
#include <string_view>

namespace vorpa {

// "札幌函館福島新潟東京中山中京京都阪神小倉" in CP932: name n is bytes 4(n-1) .. 4n-1.
extern const std::string_view kVenueTable;
constexpr int kVenueCount = 10;

// Venue number 1..10 of a name, 0 when the name is not in the table.
int VenueNo(std::string_view name);
// Code text "1".."9", "A" of a name; empty when the name is not in the table.
std::string VenueCodeText(std::string_view name);
// The four-byte name of venue number n (1..10); empty outside 1..10.
std::string VenueName(int n);
// The name of a code text read as a hexadecimal number; empty (the error
// value) when the code is not hexadecimal or outside 1..A.
std::string VenueNameOfCode(std::string_view code);
// First byte of a text as a one-byte text (venue codes are ASCII).
std::string FirstChar(std::string_view text);

}  // namespace vorpa
