#include "i18n/ui_language.h"
#include "store/date_names.h"
#include "store/event_record.h"
#include "store/upcoming_days.h"

#include "test_env.h"
#include "translation_checks.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;
using test::HasCyrillic;

const QString kTsFile = QStringLiteral(ORVANE_SOURCE_DIR "/i18n/orvane_en.ts");

TEST(UiLanguageChoice, AForcedLanguageWinsElseTheFirstSystemLanguageDecides)
{
    const std::tuple<QByteArray, QStringList, UiLanguage> rows[] = {
        {"en", {u"ru-RU"_s}, UiLanguage::English},      {"ru", {u"en-US"_s}, UiLanguage::Russian},
        {"RU_ru.UTF-8", {u"de"_s}, UiLanguage::Russian}, {"en-GB", {u"ru"_s}, UiLanguage::English},
        {"en.UTF-8", {u"ru"_s}, UiLanguage::English},   {"ru@euro", {u"en"_s}, UiLanguage::Russian},
        {"de", {u"ru-RU"_s}, UiLanguage::Russian},      {"", {u"ru-RU"_s}, UiLanguage::Russian},
        {"russian", {u"en"_s}, UiLanguage::English},    {{}, {u"ru"_s, u"en"_s}, UiLanguage::Russian},
        {{}, {u"de-DE"_s, u"ru-RU"_s}, UiLanguage::English}, {{}, {u"uk-UA"_s}, UiLanguage::English},
        {{}, {u"C"_s}, UiLanguage::English},            {{}, {}, UiLanguage::English},
    };
    for (const auto &[forced, system, language] : rows)
        EXPECT_EQ(ChooseUiLanguage(forced, system), language) << forced.constData() << " " << system.join(u',').toStdString();

    test::ScopedEnv env("LANG", "de_DE.UTF-8");
    for (const auto &[forced, language] : {std::pair{"", UiLanguage::Russian}, {"fr", UiLanguage::Russian}, {"en", UiLanguage::English}}) {
        env.set("ORVANE_LANG", forced);
        EXPECT_EQ(TerminalUiLanguage(), language) << "the terminal stays Russian unless English is forced: " << forced;
    }
    env.set("ORVANE_LANG", "ru");
    EXPECT_EQ(SystemUiLanguage(), UiLanguage::Russian);
}

TEST(UiLanguageChoice, HeadingsTakeEnglishPluralsWhileRussianStaysByteExact)
{
    CEventRecord event;
    event.Month = 5;
    event.Day = 11;
    ASSERT_TRUE(InstallProgramTranslation(*QCoreApplication::instance(), ChooseUiLanguage("ru", {u"en"_s})));
    EXPECT_EQ(QStringList({UpcomingHeading(21), UpcomingHeading(3), UpcomingDateLine(event, 2026, {2026, 5, 11})}),
              QStringList({u"Через 21 день:"_s, u"Через 3 дня:"_s, u"11, Май (Понедельник)."_s}));
    ASSERT_TRUE(InstallProgramTranslation(*QCoreApplication::instance(), UiLanguage::English));
    EXPECT_EQ(QStringList({UpcomingHeading(0), UpcomingHeading(2), UpcomingHeading(3), UpcomingHeading(21), UpcomingHeading(11),
                           UpcomingDateLine(event, 2026, {2026, 5, 11}), MonthName(12), MonthName(13), WeekdayName(2024, 9, 1)}),
              QStringList({u"Today:"_s, u"The day after tomorrow:"_s, u"In 3 days:"_s, u"In 21 days:"_s, u"In 11 days:"_s,
                           u"May 11 (Monday)."_s, u"December"_s, QString(), u"Sunday"_s}));
    test::RemoveTranslators();
}

QSet<QString> Placeholders(const QString &text)
{
    static const QRegularExpression arg(QStringLiteral("%\\d"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &match : arg.globalMatch(text))
        found << match.captured();
    return found;
}

// lupdate over the sources leaves the committed catalogue as it is: every text a translation
// call names is in it, and nothing else. Each has a finished English translation that keeps
// its placeholders and its trailing blank.
TEST(EnglishCatalogue, HoldsAFinishedTranslationOfEveryTextTheSourcesWrap)
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(u"orvane_en.ts"_s);
    ASSERT_TRUE(QFile::copy(kTsFile, fresh));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(ORVANE_SOURCE_DIR));
    lupdate.start(QStringLiteral(ORVANE_LUPDATE), {u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-obsolete"_s, u"-I"_s, u"."_s, u"app"_s,
                                                   u"cli"_s, u"doc"_s, u"exchange"_s, u"res"_s, u"settings"_s, u"store"_s, u"ui"_s, u"-ts"_s, fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();
    const QString catalogue = QString::fromUtf8(test::readFile(kTsFile));
    EXPECT_EQ(QString::fromUtf8(test::readFile(fresh)), catalogue)
        << "build the target orvane_update_translations and translate the new texts in i18n/orvane_en.ts";

    static const QRegularExpression message(QStringLiteral(R"(<source>(.*?)</source>\s*<translation([^>]*)>(.*?)</translation>)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression numerusForm(QStringLiteral("<numerusform>(.*?)</numerusform>"));
    int messages = 0;
    for (const QRegularExpressionMatch &m : message.globalMatch(catalogue)) {
        ++messages;
        const QString source = m.captured(1);
        SCOPED_TRACE(source.toStdString());
        EXPECT_EQ(m.captured(2), QString()) << "not finished";
        QStringList texts;
        for (const QRegularExpressionMatch &form : numerusForm.globalMatch(m.captured(3)))
            texts << form.captured(1);
        for (const QString &text : texts.isEmpty() ? QStringList{m.captured(3)} : texts) {
            EXPECT_FALSE(text.isEmpty() || HasCyrillic(text)) << text.toStdString();
            EXPECT_EQ(Placeholders(text), Placeholders(source)) << text.toStdString();
            EXPECT_EQ(text.endsWith(u' '), source.endsWith(u' ')) << "texts joined to others: " << text.toStdString();
        }
    }
    EXPECT_GT(messages, 100);
}

// Russian texts outside a translation call never reach an English window. The calendar's
// default categories are data stored in the file, the autostart entry carries its own
// Russian name, and the guide's page is made from the Russian part of the README.
TEST(EnglishCatalogue, EveryRussianLiteralOfTheProgramIsWrappedForTranslation)
{
    const QStringList data{u"store/user.cpp"_s, u"settings/autostart.cpp"_s, u"doc/help_page.cpp"_s};
    // Comments, string literals and character literals, each whole, in the order they come.
    static const QRegularExpression token(QStringLiteral(R"(//[^\n]*|/\*.*?\*/|"(?:[^"\\]|\\.)*"|'(?:[^'\\]|\\.)*')"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wrapped(QStringLiteral(
        "(\\btr\\(|\\btranslate\\(\\s*\"[^\"]*\",|QT_TRANSLATE_NOOP\\(\\s*\"[^\"]*\",)"
        "\\s*(\"(?:[^\"\\\\]|\\\\.)*\"\\s*)*$"));
    const QString root = QStringLiteral(ORVANE_SOURCE_DIR "/");
    int checked = 0;
    for (const QString &folder : {u"app"_s, u"cli"_s, u"doc"_s, u"exchange"_s, u"i18n"_s, u"res"_s, u"settings"_s, u"store"_s, u"ui"_s}) {
        QDirIterator files(root + folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            const QString name = file.fileName().mid(root.size());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QString source = QString::fromUtf8(file.readAll());
            QString code = source; // comments blanked out
            std::vector<QRegularExpressionMatch> russian;
            for (const QRegularExpressionMatch &match : token.globalMatch(source)) {
                if (match.captured().startsWith(u'/'))
                    code.replace(match.capturedStart(), match.capturedLength(), QString(match.capturedLength(), u' '));
                else if (match.captured().startsWith(u'"') && HasCyrillic(match.captured()) && !data.contains(name))
                    russian.push_back(match);
            }
            for (const QRegularExpressionMatch &literal : russian) {
                ++checked;
                EXPECT_TRUE(wrapped.match(code.left(literal.capturedStart()).right(400)).hasMatch())
                    << name.toStdString() << ": " << literal.captured().toStdString();
            }
        }
    }
    EXPECT_GT(checked, 100);
}

} // namespace
} // namespace orvane
