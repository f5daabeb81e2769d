#pragma once

#include "i18n/ui_language.h"

class QCoreApplication;

namespace orvane {

// Loads Qt's own Russian texts (standard buttons, dialogs) for the whole run.
void InstallRussianTranslations(QCoreApplication &application);

// The texts of `language` for the whole run: Russian as above; English from the program's
// embedded translation, with Qt's own texts in English. False when the English translation
// cannot be loaded (the Russian texts stay).
bool InstallTranslations(QCoreApplication &application, UiLanguage language);

} // namespace orvane
