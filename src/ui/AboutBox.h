#pragma once
// The about box: the program's icon, "Vorpa" and the version.
#include <QDialog>
#include <string>

class QLabel;

namespace vorpa {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The file version shown (the project version unless set).
  void SetFileVersion(const std::string& version) { fileVersion_ = version; }

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::string fileVersion_;
};

}  // namespace vorpa
