#pragma once
// String-grid helpers for the views: the header row is the table's
// horizontal header, so grid row r (from 1) is table row r-1. Cell texts
// go in and out as CP932, the view layer's encoding.
#include <QFont>
#include <QSignalBlocker>
#include <QTableWidget>
#include <string>
#include <vector>

#include "view/Zoom.h"  // kGridRowHeight

namespace vorpa {

// The fixed-pitch 12-pixel font of the grids and the result boxes (a
// full-width character as wide as two half-width ones), smoothed; at a
// zoom in percent, that many times as large.
QFont GridFont(int zoom = 100);
// A grid in that font with rows of kGridRowHeight.
QTableWidget* NewViewGrid(QWidget* parent, const char* name);

// Columns with their headers (CP932) and widths; read-only cells drawn
// by TGridTextDelegate.
void SetUpGrid(QTableWidget* grid, const std::vector<std::string>& headers,
               const std::vector<int>& widths);
// Sets the number of body rows (at least one) with an item in every cell.
void SetBodyRows(QTableWidget* grid, int rows);
// Empties every body cell.
void ClearBody(QTableWidget* grid);

// A header of `lines` lines of text (one unless set), at every zoom.
void SetHeaderLines(QTableWidget* grid, int lines);

// Zooms a grid set up by SetUpGrid: its font, rows, header and column
// widths at `zoom` percent of their design sizes. Above 100 the grid
// scrolls where its zoomed cells do not fit.
void ZoomGrid(QTableWidget* grid, int zoom);
// The zoom ZoomGrid last gave the grid (100 before).
int GridZoom(const QTableWidget* grid);
// The rows of a grid whose fixed rows fill `designHeight` at the design
// size grow with its present height: at zoom 100 in proportion to it,
// zoomed they share the height below the header (never below the zoomed
// row height).
void GrowRows(QTableWidget* grid, int designHeight);

void SetCellText(QTableWidget* grid, int row, int col, const std::string& cp932);
std::string CellText(const QTableWidget* grid, int row, int col);

// Writes many cells at once: the model's signals are held while the object
// lives, so that no cell repaints on its own, and the grid repaints once
// at the end. The row count must not change meanwhile.
class TGridBatch {
 public:
  explicit TGridBatch(QTableWidget* grid);
  ~TGridBatch();
  TGridBatch(const TGridBatch&) = delete;
  TGridBatch& operator=(const TGridBatch&) = delete;

 private:
  QTableWidget* grid_;
  QSignalBlocker block_;
};

// Makes (row, col) current without running the grid's selection handlers.
void SetCurrentCellQuietly(QTableWidget* grid, int row, int col);

}  // namespace vorpa
