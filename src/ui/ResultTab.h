#pragma once
// The tab "結果": vote totals, finishing order with margins, and payouts
// of the race shown, in three read-only boxes of a fixed-pitch font.
#include <QObject>

#include "core/Race.h"

class QPlainTextEdit;
class QWidget;

namespace vorpa {

class TResultTab : public QObject {
  Q_OBJECT
 public:
  explicit TResultTab(QWidget* page);
  // Empties the three boxes and fills them from the race.
  void ShowResult(const TRace& race);
  // The boxes' text at `zoom` percent of its design size.
  void SetZoom(int zoom);

  QPlainTextEdit* memHyousu;
  QPlainTextEdit* memCyakusa;
  QPlainTextEdit* memResult;
};

}  // namespace vorpa
