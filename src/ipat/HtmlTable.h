#pragma once
// The table list and the form list of a received page. A small scanner over
// single bytes that looks only at ASCII characters, so CP932 text passes
// through untouched; it builds no tree and never fails on broken markup.
//
// Table list entries: a path followed by the text of one text piece,
//   "[g]<t>text"                       text outside any table
//   "[g][r,c]<t>text"                  text in a top-level table
//   "[g][r,c][n][r,c]<t>text"          text in a nested table (one level)
// g top-level item (table or text run), r row, c column, n nested table
// within its enclosing table, t text piece in its cell; all from 1.
//
// Form list entries:
//   "[f]action"                        one per form
//   "[f][name]value"                   one per input (not submit/reset)
//   "[f][select]<k>value"              one per option of a selector
#include <string>
#include <string_view>
#include <vector>

namespace vorpa {

using TTextList = std::vector<std::string>;

// Clears `list` and fills it with the table list of `page`.
void ExtractTables(std::string_view page, TTextList* list);
// Clears `list` and fills it with the form list of `page`.
void ExtractForms(std::string_view page, TTextList* list);

// Path lookup of one entry: when `entry` begins with `path`, *target becomes
// the rest of the entry; otherwise *target is left as it was.
void LookupPath(std::string_view entry, std::string_view path, std::string* target);
// LookupPath run over every entry in list order: the last match wins, no
// match leaves *target unchanged.
void LookupPath(const TTextList& list, std::string_view path, std::string* target);

}  // namespace vorpa
