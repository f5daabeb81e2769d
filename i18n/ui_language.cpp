#include "i18n/ui_language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <optional>

namespace orvane {

namespace {

// "ru", "ru_RU.UTF-8", "ru-RU" -> "ru". A plain scan: a regular expression here would bring
// its engine in at every start.
QString LanguageCode(const QString &name)
{
    const auto end = std::find_if(name.cbegin(), name.cend(), [](QChar c) {
        return c == u'_' || c == u'.' || c == u'@' || c == u'-';
    });
    return name.first(end - name.cbegin()).toLower();
}

std::optional<UiLanguage> Known(const QString &name)
{
    const QString code = LanguageCode(name);
    if (code == u"ru")
        return UiLanguage::Russian;
    if (code == u"en")
        return UiLanguage::English;
    return std::nullopt;
}

} // namespace

UiLanguage ChooseUiLanguage(const QByteArray &forced, const QStringList &systemLanguages)
{
    if (const std::optional<UiLanguage> language = Known(QString::fromLatin1(forced)))
        return *language;
    if (!systemLanguages.isEmpty() && LanguageCode(systemLanguages.first()) == u"ru")
        return UiLanguage::Russian;
    return UiLanguage::English;
}

UiLanguage SystemUiLanguage()
{
    return ChooseUiLanguage(qgetenv("ORVANE_LANG"), QLocale::system().uiLanguages());
}

UiLanguage TerminalUiLanguage()
{
    return ChooseUiLanguage(qgetenv("ORVANE_LANG"), {QStringLiteral("ru")});
}

bool InstallProgramTranslation(QCoreApplication &application, UiLanguage language)
{
    if (language == UiLanguage::Russian)
        return true;
    auto *translator = new QTranslator(&application);
    if (translator->load(QStringLiteral(":/i18n/orvane_en.qm"))) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace orvane
