// The about box: product name, icon and the version line.
#include "ui/AboutBox.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "support/GuiHelpers.h"
#include "ui/ProgramOptions.h"

namespace vorpa {
namespace {

using test::U;

QString VersionShown(TAboutBox& box) {
  QString shown;
  test::WhenModal([&](QWidget*) {
    shown = box.Version->text();
    box.findChild<QPushButton*>("OKButton")->click();
  });
  box.exec();
  return shown;
}

TEST(AboutBox, NameIconAndVersion) {
  TAboutBox box;
  EXPECT_EQ(box.windowTitle(), U("バージョン情報"));
  EXPECT_EQ(box.ProductName->text(), "Vorpa");
  EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
  auto* ok = box.findChild<QPushButton*>("OKButton");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_TRUE(ok->isDefault());
  // The version --version prints, and a caption with room to show whole.
  const std::string version = ProgramVersion();  // "vorpa X\n"
  EXPECT_EQ(VersionShown(box), QString::fromStdString("Version " + version.substr(6, version.size() - 7)));
  EXPECT_GE(box.width(), box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120);
}

TEST(AboutBox, WholeVersionOrNone) {
  TAboutBox box;
  box.SetFileVersion("2.1.0.15");
  EXPECT_EQ(VersionShown(box), "Version 2.1.0.15");
  box.SetFileVersion("");
  EXPECT_EQ(VersionShown(box), "");
}

}  // namespace
}  // namespace vorpa
