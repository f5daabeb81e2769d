#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvane {

void InstallRussianTranslations(QCoreApplication &application)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

bool InstallTranslations(QCoreApplication &application, UiLanguage language)
{
    if (language == UiLanguage::English && InstallProgramTranslation(application, language)) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return true;
    }
    InstallRussianTranslations(application);
    return language == UiLanguage::Russian;
}

} // namespace orvane
