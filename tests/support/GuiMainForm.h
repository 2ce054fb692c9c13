#pragma once
// The fixture of the tests of the main window's views: the window with its
// other windows on a configuration and a data directory of its own (the
// test stores the race files), shown at its design size, its grids and tabs
// found by name.
#include <gtest/gtest.h>

#include <QString>
#include <QTableWidget>
#include <memory>

#include "core/Race.h"
#include "support/TempDir.h"
#include "ui/AppForms.h"
#include "ui/MainFrm.h"

namespace vorpa::test {

class TMainFormTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The window at its design size (995 x 709) with `date` open and the race
  // in table row `row` of the race list selected (0: the first race).
  TMainForm& ShownAtDesignSize(double date, int row);
  // The race as stored in the data directory.
  TRace Stored(const char* venue, int no, double date) const;

  template <typename T>
  T* Find(const char* name) {
    T* w = form_->findChild<T*>(name);
    EXPECT_TRUE(w) << name;
    return w;
  }
  QTableWidget* Grid(const char* name) { return Find<QTableWidget>(name); }
  // Grid row `row` from 1 below the header, as the views count.
  static QString Cell(const QTableWidget* g, int row, int col);
  // Brings tab page TabSheet`n` to the front.
  void ShowTab(int n);

  TempDir config_, data_;
  std::unique_ptr<TMainForm> form_;
  TAppForms forms_;
};

}  // namespace vorpa::test
