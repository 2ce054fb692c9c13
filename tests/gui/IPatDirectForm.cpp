// The direct acquisition dialog driven by its controls: boxes found by
// name, preparing from a session, set and reset, OK and Cancel.
#include "ipat/IPatDirectForm.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/IPatPageBuilder.h"

namespace vorpa {
namespace {

using test::U;

class IPatDirectFormTest : public testing::Test {
 protected:
  IPatDirectFormTest() : clock_(EncodeDate(2026, 12, 6) + 0.5), scheduled_(setting_, clock_), direct_(setting_, clock_) {
    scheduled_.Init();
    scheduled_.SessionKey = "KEY";
    scheduled_.MeetingCode[1].Code = "50323";  // 東京
    for (int r = 1; r <= 12; ++r) scheduled_.Status[1][r].Listed = true;
  }
  QCheckBox* Box(int v, int r) {
    return form_.findChild<QCheckBox*>(QString("chkIpatGet%1%2").arg(v).arg(r, 2, 10, QChar('0')));
  }
  int Ticked() {
    int n = 0;
    for (QCheckBox* b : form_.findChildren<QCheckBox*>()) n += b->isChecked();
    return n;
  }
  // Opens the dialog modally, lets `act` work on it; the exec result.
  int Run(const std::function<void()>& act) {
    test::WhenModal([&](QWidget*) { act(); });
    return form_.exec();
  }

  TSetting setting_;
  TPinnedClock clock_;
  TIPat scheduled_, direct_;
  TIPatDirectForm form_;
};

TEST_F(IPatDirectFormTest, CaptionHeadingsBoxesAndButtons) {
  EXPECT_EQ(form_.windowTitle(), U("IPAT指定データ取得"));
  EXPECT_EQ(form_.findChildren<QCheckBox*>().size(), 36);
  for (int v = 1; v <= 3; ++v)
    for (int r = 1; r <= 12; ++r) {
      ASSERT_NE(Box(v, r), nullptr) << v << "," << r;
      EXPECT_EQ(Box(v, r), form_.Box(v, r));
    }
  QStringList rows;
  for (QLabel* l : form_.findChildren<QLabel*>())
    if (l->text().endsWith('R')) rows << l->text();
  EXPECT_EQ(rows.size(), 12);
  EXPECT_TRUE(rows.contains("1R") && rows.contains("12R"));
  EXPECT_EQ(form_.findChild<QPushButton*>("btnSet")->text(), U("全件セット"));
  EXPECT_EQ(form_.findChild<QPushButton*>("btnReset")->text(), U("全件リセット"));
  EXPECT_EQ(form_.btnOK->text(), "OK");
  EXPECT_TRUE(form_.btnOK->isDefault());
  EXPECT_EQ(form_.btnCancel->text(), U("キャンセル"));
}

TEST_F(IPatDirectFormTest, PrepareSetAndReadBack) {
  Box(2, 3)->setChecked(true);  // slot 2 has no meeting: kept
  Box(1, 2)->setChecked(true);  // slot 1 has a meeting: cleared
  form_.Prepare(scheduled_, test::Sj("東京"), 11);
  EXPECT_EQ(form_.findChild<QLabel*>("lblKaisaichi1")->text(), U("東京"));
  EXPECT_EQ(form_.findChild<QLabel*>("lblKaisaichi2")->text(), "");
  EXPECT_TRUE(Box(1, 11)->isChecked());
  EXPECT_TRUE(Box(2, 3)->isChecked());
  EXPECT_EQ(Ticked(), 2);
  for (int r = 1; r <= 12; ++r) {
    EXPECT_TRUE(Box(1, r)->isEnabled()) << r;
    EXPECT_FALSE(Box(2, r)->isEnabled()) << r;  // no meeting
  }

  direct_.CopyFrom(scheduled_);
  const int result = Run([&] {
    form_.btnReset->click();
    EXPECT_EQ(Ticked(), 0);
    form_.btnSet->click();
    EXPECT_EQ(Ticked(), 36);
    Box(1, 5)->setChecked(false);
    form_.btnOK->click();
  });
  ASSERT_EQ(result, QDialog::Accepted);
  form_.ReadBack(direct_);
  for (int r = 1; r <= 12; ++r) {
    EXPECT_EQ(direct_.Status[1][r].Selected, r != 5) << r;
    EXPECT_FALSE(direct_.Status[2][r].Selected) << r;  // no meeting: not read back
  }
}

TEST_F(IPatDirectFormTest, CancelAndEscapeReject) {
  form_.Prepare(scheduled_, test::Sj("東京"), 11);
  EXPECT_EQ(Run([&] { form_.btnCancel->click(); }), QDialog::Rejected);
  EXPECT_EQ(Run([&] {
              QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
              QApplication::sendEvent(&form_, &esc);
            }),
            QDialog::Rejected);
}

}  // namespace
}  // namespace vorpa
