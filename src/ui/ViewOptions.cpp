#include "ui/ViewOptions.h"

#include <QApplication>
#include <QPixmap>
#include <QTabWidget>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "ui/MainFrm.h"
#include "ui/ProgramOptions.h"
#include "ui/SettingForm.h"
#include "view/StartMessages.h"
#include "view/Zoom.h"

namespace vorpa {

namespace {

bool SelectRace(TMainForm& form, const std::string& race, std::string* error) {
  const QString wanted = QString::fromStdString(race);
  for (int r = 0; r < form.sgRace->rowCount(); ++r) {
    const QTableWidgetItem* item = form.sgRace->item(r, 0);
    if (item && item->text() == wanted) {
      form.sgRace->setCurrentCell(r, 0);
      return true;
    }
  }
  *error = "no race " + race + " in the list of the date";
  return false;
}

bool SelectReading(TMainForm& form, int reading, std::string* error) {
  const QTableWidgetItem* item = form.sgOddsTime->item(reading - 1, 0);
  if (reading < 1 || !item || item->text().isEmpty()) {
    *error = "the race has no reading " + std::to_string(reading);
    return false;
  }
  form.sgOddsTime->setCurrentCell(reading - 1, 0);
  return true;
}

bool SelectTab(QTabWidget* tabs, const std::string& tab, std::string* error) {
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->tabText(i) == QString::fromStdString(tab)) {
      tabs->setCurrentIndex(i);
      return true;
    }
  }
  *error = "no tab " + tab;
  return false;
}

bool ParseZoom(const std::string& text, int* zoom, std::string* error) {
  if (text == "fit") {
    *zoom = kZoomFit;
    return true;
  }
  char* end = nullptr;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || n < kZoomMin || n > kZoomMax) {
    *error = "--zoom: not a zoom (" + std::to_string(kZoomMin) + " to " + std::to_string(kZoomMax) +
             ", or fit): " + text;
    return false;
  }
  *zoom = static_cast<int>(n);
  return true;
}

}  // namespace

bool ApplyViewOptions(TMainForm& form, const TProgramOptions& opts, std::string* error,
                      std::vector<std::string>* notes) {
  auto note = [&](const TStartMessage& m) {
    form.AddLog(m.Log);
    notes->push_back(m.Stderr);
  };
  if (!opts.Zoom.empty()) {
    int zoom = 0;
    if (!ParseZoom(opts.Zoom, &zoom, error)) return false;
    form.SetZoom(zoom);
  }
  std::error_code ec;
  const bool missing = !opts.DataDir.empty() && !std::filesystem::is_directory(opts.DataDir, ec);
  if (!opts.DataDir.empty()) Setting.MojiPath = opts.DataDir;
  if (missing) note(MissingDataDirMessage(opts.DataDir));
  if (!opts.OpenDate.empty()) {
    double date = 0;
    if (!TryTextToDate(opts.OpenDate, &date)) {
      *error = "not a date: " + opts.OpenDate;
      return false;
    }
    form.OpenDate(date);
    if (!missing && ListRaceFiles(Setting.MojiPath, date).empty())
      note(NoRaceFilesMessage(date, Setting.MojiPath));
  }
  if (!opts.Select.empty() && !SelectRace(form, opts.Select, error)) return false;
  if (opts.Reading != 0 && !SelectReading(form, opts.Reading, error)) return false;
  if (!opts.Tab.empty() && !SelectTab(form.PageControl1, opts.Tab, error)) return false;
  return true;
}

bool ShowSettingsPage(TSettingForm& form, const std::string& page, std::string* error) {
  form.show();
  return SelectTab(form.PageControl1, page, error);
}

bool SaveWidgetPicture(QWidget& widget, const std::string& path) {
  QApplication::processEvents();
  return widget.grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace vorpa
