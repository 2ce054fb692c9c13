#pragma once
// Qt's own texts (standard buttons, the colour and folder choosers, the
// context menus of edits) in Japanese, like the program's own texts.
class QCoreApplication;

namespace vorpa {

// Installs Qt's Japanese translations from Qt's translations folder into
// `app`; false when they are not installed (Qt's texts then stay English).
bool InstallQtTranslations(QCoreApplication* app);

}  // namespace vorpa
