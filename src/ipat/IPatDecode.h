#pragma once
// The page decoders of the IPAT session. Each reads a page by fixed paths,
// writes into the session's plan (menu page) or race record (the others) and
// returns 0 or a result code whose message is TIPat::ErrorText. Decoders
// never raise, and numbers outside the record's ranges (race 13 and up, a
// fourth meeting, horse 19 and up, grid places off the grid) are ignored.
#include "ipat/IPat.h"
#include "ipat/IPatPage.h"

namespace vorpa {

// The answer to the login request (first) and to each "Mnu01" request.
int DecodeMenuPage(TIPat& s, const TIPatPage& page, bool first);
// The race card "Den01".
int DecodeRaceCard(TIPat& s, const TIPatPage& page);
// The odds pages "Ota01", "Out01", "Osa01", "Ost01", "Oum01", "Owi01".
int DecodeOddsWinPlace(TIPat& s, const TIPatPage& page);
int DecodeOddsExacta(TIPat& s, const TIPatPage& page);
int DecodeOddsTrio(TIPat& s, const TIPatPage& page);
int DecodeOddsTrifecta(TIPat& s, const TIPatPage& page);
int DecodeOddsQuinella(TIPat& s, const TIPatPage& page);
int DecodeOddsWide(TIPat& s, const TIPatPage& page);
// The result page "Sei01".
int DecodeResult(TIPat& s, const TIPatPage& page);

}  // namespace vorpa
