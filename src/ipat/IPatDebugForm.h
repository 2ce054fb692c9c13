#pragma once
// The debug window that steps an IPAT session by hand on the main thread:
// set its state, slot and race, advance it, fetch the current request or
// load a saved page, decode it, and load or store the race record.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace vorpa {

class TIPat;
class TIPatStatusView;
class TRadioGroup;
struct TThreadSlot;

class TIPatDebugForm : public QDialog {
  Q_OBJECT
 public:
  explicit TIPatDebugForm(QWidget* parent = nullptr);

  // The session to work on, the slot of its acquisition thread and the
  // status window that shows it; none is owned. The buttons leave the
  // session alone while no session is set or its thread is registered:
  // the thread changes it at any moment.
  void SetSession(TIPat* session, const TThreadSlot* thread, TIPatStatusView* statusView);

  std::string PageText;  // the page last fetched or loaded (CP932)
  int DecodeResult = 0;  // what the last Decode returned

  TRadioGroup* rgState;
  TRadioGroup* rgKaisai;
  TRadioGroup* rgRaceNo;
  QLineEdit* edtFileName;
  QPushButton* btnSelectFile;
  QPushButton* btnLoadHtml;
  QPushButton* btnSetState;
  QPushButton* btnNext;
  QPushButton* btnGetURL;
  QPushButton* btnDecode;
  QPushButton* btnLoad;
  QPushButton* btnWrite;
  QPushButton* btnCancel;

 private:
  void btnSelectFileClick();
  void btnLoadHtmlClick();
  void btnSetStateClick();
  void btnNextClick();
  void btnGetURLClick();
  void btnDecodeClick();
  void btnLoadClick();
  void btnWriteClick();
  // The session when the buttons may change it, else null.
  TIPat* Session() const;

  TIPat* session_ = nullptr;
  const TThreadSlot* thread_ = nullptr;
  TIPatStatusView* statusView_ = nullptr;
};

}  // namespace vorpa
