// Qt's own texts in Japanese, as the program installs them at start-up
// (the test main installs them the same way).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <memory>

#include "support/GuiHelpers.h"

namespace vorpa {
namespace {

using test::U;

TEST(QtTranslations, StandardButtonsChoosersAndContextMenusSpeakJapanese) {
  QMessageBox box(QMessageBox::Question, "Vorpa", "?",
                  QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), U("キャンセル"));
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), U("はい(Y)"));
  EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(U("いいえ")));
  QColorDialog colors;
  EXPECT_FALSE(colors.windowTitle().contains("Select")) << colors.windowTitle().toStdString();
  QLineEdit edit("text");
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList items;
  for (QAction* a : menu->actions()) items << a->text();
  EXPECT_TRUE(items.join(" ").contains(U("コピー"))) << items.join(" ").toStdString();
}

}  // namespace
}  // namespace vorpa
