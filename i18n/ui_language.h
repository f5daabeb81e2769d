#pragma once

#include <QByteArray>
#include <QStringList>

class QCoreApplication;

namespace orvane {

// The texts are written in Russian in the code; English comes from the embedded translation.
enum class UiLanguage { Russian, English };

// ORVANE_LANG=ru|en (also "ru_RU.UTF-8", "en-GB" and the like) forces the language; any other
// value counts as unset. Otherwise the first of `systemLanguages` decides: Russian for a Russian
// one, English for every other (including the C locale) and for none at all.
UiLanguage ChooseUiLanguage(const QByteArray &forced, const QStringList &systemLanguages);

// The choice for this run: ORVANE_LANG, else the system locale's user-interface languages.
UiLanguage SystemUiLanguage();

// The choice for a terminal run: Russian unless ORVANE_LANG asks for English.
UiLanguage TerminalUiLanguage();

// Installs the program's own translation for `language` (none is needed for Russian).
// False when the embedded English translation cannot be loaded.
bool InstallProgramTranslation(QCoreApplication &application, UiLanguage language);

} // namespace orvane
