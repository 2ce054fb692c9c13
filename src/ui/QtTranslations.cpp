#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorpa {

bool InstallQtTranslations(QCoreApplication* app) {
  // "qt_ja" gathers the catalogues of Qt's modules (qtbase_ja ...).
  auto* translator = new QTranslator(app);
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qt", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return app->installTranslator(translator);
}

}  // namespace vorpa
