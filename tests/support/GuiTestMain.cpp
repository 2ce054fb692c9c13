// Entry of the GUI tests: a home of their own, one QApplication (offscreen
// unless a platform is chosen) with Qt's Japanese texts, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/OwnHome.h"
#include "ui/QtTranslations.h"

int main(int argc, char** argv) {
  vorpa::test::UseOwnHome();
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vorpa");
  vorpa::InstallQtTranslations(&app);  // as the program does
  return RUN_ALL_TESTS();
}
