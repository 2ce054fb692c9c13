#pragma once
// The acquisition status window: the session's state, venue, race and
// counters, and a log of what each decoded page held. It only reads the
// session; the main window calls it on the main thread.
#include <QDialog>
#include <string>

#include "ipat/IPatSink.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vorpa {

class TIPatForm : public QDialog, public TIPatStatusView {
  Q_OBJECT
 public:
  explicit TIPatForm(QWidget* parent = nullptr);

  // Appends a CP932 line to the log while the window is visible; while it
  // is hidden the line is lost.
  void AddLog(const std::string& line);
  void IPatStateToForm(const TIPat& session) override;
  void ShowRaceInfo(const TIPat& session) override;

  QPlainTextEdit* memInfo;
  QLabel* lblIPatState;
  QLabel* lblKaisaichi;
  QLabel* lblRaceNo;
  QLabel* lblActionCount;
  QLabel* lblAccessCount;
  QLabel* lblErrRetryCount;
  QLabel* lblErrWaitCount;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
};

}  // namespace vorpa
