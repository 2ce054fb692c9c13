#pragma once
// The remark editor of the settings dialog: the grid "注目" / "文字色" /
// "背景色" with its add/replace, delete and move operations, the checks of
// the three edits and the colour preview. Texts are CP932.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Remark.h"
#include "view/Colors.h"

namespace vorpa {

// A colour as the grid and the colour edits write it: "%.6X".
std::string ColorText(uint32_t color);

struct TRemarkRow {
  std::string Name, TextColor, BackColor;
  bool operator==(const TRemarkRow&) const = default;
};

class TRemarkGrid {
 public:
  // One row per entry in list order (colours cut to 24 bits); one empty
  // row when the list is empty.
  explicit TRemarkGrid(const TRemarkables& remarks);

  // "追加/修正": the first row with this name takes the colours, else the
  // grid's only row when it is empty, else a new last row; that row becomes
  // the selected one. The edits are checked first: the error box's text
  // when one fails (nothing changes), else "".
  std::string AddOrReplace(const std::string& name, const std::string& textColor,
                           const std::string& backColor);
  // "削除": the selected row goes, the rows below move up; a grid of one
  // row keeps it, emptied. Nothing without a selected row.
  void Delete();
  // Swap the selected row with its neighbour; the selection moves along.
  void Up();
  void Down();
  // The remark list "OK" stores: rows with a name, in grid order; a colour
  // that does not read gives black text or a white background.
  TRemarkables ToRemarks() const;

  std::vector<TRemarkRow> Rows;
  int Selected = -1;  // index into Rows; -1: none
};

// The first of the editor's checks that fails, as the error box's text:
// empty name, text colour, background colour (not hexadecimal or empty),
// a comma in the name. "" when all pass.
std::string RemarkEditError(const std::string& name, const std::string& textColor,
                            const std::string& backColor);

// "色確認": the name edit's colours, black text and a white background for
// colour texts that do not read.
TCellColors RemarkPreviewColors(const std::string& textColor, const std::string& backColor);

}  // namespace vorpa
