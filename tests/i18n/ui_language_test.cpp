#include "i18n/ui_language.h"
#include "store/date_names.h"
#include "store/event_record.h"
#include "store/upcoming_days.h"

#include "test_env.h"
#include "ts_catalogue.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;
using test::HasCyrillic;

const QString kTsFile = QStringLiteral(ORVANE_SOURCE_DIR "/i18n/orvane_en.ts");

TEST(UiLanguageChoice, ForcedValueWinsAndAnyOtherFallsBackToTheSystemLanguage)
{
    EXPECT_EQ(ChooseUiLanguage("en", {u"ru-RU"_s}), UiLanguage::English);
    EXPECT_EQ(ChooseUiLanguage("ru", {u"en-US"_s}), UiLanguage::Russian);
    EXPECT_EQ(ChooseUiLanguage("RU_ru.UTF-8", {u"de"_s}), UiLanguage::Russian);
    EXPECT_EQ(ChooseUiLanguage("en-GB", {u"ru"_s}), UiLanguage::English);
    EXPECT_EQ(ChooseUiLanguage("en.UTF-8", {u"ru"_s}), UiLanguage::English);
    EXPECT_EQ(ChooseUiLanguage("ru@euro", {u"en"_s}), UiLanguage::Russian);
    EXPECT_EQ(ChooseUiLanguage("de", {u"ru-RU"_s}), UiLanguage::Russian) << "unknown: the system decides";
    EXPECT_EQ(ChooseUiLanguage("", {u"ru-RU"_s}), UiLanguage::Russian);
    EXPECT_EQ(ChooseUiLanguage("russian", {u"en"_s}), UiLanguage::English) << "not a language code";
}

TEST(UiLanguageChoice, FirstSystemLanguageDecidesAndNonRussianOnesGetEnglish)
{
    EXPECT_EQ(ChooseUiLanguage({}, {u"ru"_s, u"en"_s}), UiLanguage::Russian);
    EXPECT_EQ(ChooseUiLanguage({}, {u"de-DE"_s, u"ru-RU"_s}), UiLanguage::English);
    EXPECT_EQ(ChooseUiLanguage({}, {u"uk-UA"_s}), UiLanguage::English);
    EXPECT_EQ(ChooseUiLanguage({}, {u"C"_s}), UiLanguage::English);
    EXPECT_EQ(ChooseUiLanguage({}, {}), UiLanguage::English);
}

TEST(UiLanguageChoice, TerminalStaysRussianUnlessEnglishIsForced)
{
    test::ScopedEnv env;
    env.unset("ORVANE_LANG");
    env.set("LANG", "de_DE.UTF-8");
    EXPECT_EQ(TerminalUiLanguage(), UiLanguage::Russian);
    env.set("ORVANE_LANG", "fr");
    EXPECT_EQ(TerminalUiLanguage(), UiLanguage::Russian);
    env.set("ORVANE_LANG", "en");
    EXPECT_EQ(TerminalUiLanguage(), UiLanguage::English);
    env.set("ORVANE_LANG", "ru");
    EXPECT_EQ(SystemUiLanguage(), UiLanguage::Russian);
}

QSet<QString> Placeholders(const QString &text)
{
    static const QRegularExpression arg(QStringLiteral("%\\d"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &match : arg.globalMatch(text))
        found << match.captured();
    return found;
}

TEST(EnglishCatalogue, EveryTextHasAFinishedTranslationKeepingItsPlaceholders)
{
    const std::vector<test::TsMessage> messages = test::ReadTsFile(kTsFile);
    ASSERT_GT(messages.size(), 100u) << kTsFile.toStdString();
    for (const test::TsMessage &m : messages) {
        const std::string where = (m.context + u" / "_s + m.source).toStdString();
        EXPECT_EQ(m.type, QString()) << where << ": not finished";
        ASSERT_FALSE(m.translations.isEmpty()) << where;
        for (const QString &text : m.translations) {
            EXPECT_FALSE(text.isEmpty()) << where;
            EXPECT_FALSE(HasCyrillic(text)) << where << ": " << text.toStdString();
            EXPECT_EQ(Placeholders(text), Placeholders(m.source)) << where << ": " << text.toStdString();
            EXPECT_EQ(text.endsWith(u' '), m.source.endsWith(u' ')) << where << ": texts joined to others";
        }
    }
}

// Everything a translation call of the sources names is in the committed catalogue, and
// nothing else: lupdate over the sources must leave it as it is.
TEST(EnglishCatalogue, MatchesTheTextsTheSourcesWrap)
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(u"orvane_en.ts"_s);
    ASSERT_TRUE(QFile::copy(kTsFile, fresh));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(ORVANE_SOURCE_DIR));
    lupdate.start(QStringLiteral(ORVANE_LUPDATE),
                  {u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-obsolete"_s, u"-I"_s, u"."_s,
                   u"app"_s, u"cli"_s, u"doc"_s, u"exchange"_s, u"res"_s, u"settings"_s,
                   u"store"_s, u"ui"_s, u"-ts"_s, fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();
    QStringList unfinished, committed, found;
    for (const test::TsMessage &m : test::ReadTsFile(fresh)) {
        found << m.context + u" / "_s + m.source;
        if (!m.type.isEmpty())
            unfinished << found.last();
    }
    for (const test::TsMessage &m : test::ReadTsFile(kTsFile))
        committed << m.context + u" / "_s + m.source;
    EXPECT_EQ(unfinished, QStringList()) << "new texts: build the target orvane_update_translations "
                                            "and translate them in i18n/orvane_en.ts";
    EXPECT_EQ(found, committed);
}

// The string literals of a C++ source with their offsets; comments become spaces in `code`.
struct Literal {
    qsizetype start;
    QString text;
};
std::vector<Literal> StringLiterals(const QString &source, QString &code)
{
    std::vector<Literal> literals;
    code = source;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'/' && source.mid(i, 2) == u"//") {
            const qsizetype end = source.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? source.size() : end;
            code.replace(i, stop - i, QString(stop - i, u' '));
            i = stop;
        } else if (c == u'/' && source.mid(i, 2) == u"/*") {
            const qsizetype stop = source.indexOf(u"*/", i) + 2;
            code.replace(i, stop - i, QString(stop - i, u' '));
            i = stop - 1;
        } else if (c == u'"' || c == u'\'') {
            qsizetype j = i + 1;
            while (j < source.size() && source[j] != c)
                j += source[j] == u'\\' ? 2 : 1;
            if (c == u'"')
                literals.push_back({i, source.mid(i, j - i + 1)});
            i = j;
        }
    }
    return literals;
}

// Russian texts outside a translation call never reach an English window. The calendar's
// default categories are data stored in the file, the autostart entry carries its own
// Russian name, and the guide's page is made from the Russian part of the README.
TEST(EnglishCatalogue, EveryRussianLiteralOfTheProgramIsWrappedForTranslation)
{
    const QStringList data{u"store/user.cpp"_s, u"settings/autostart.cpp"_s, u"doc/help_page.cpp"_s};
    static const QRegularExpression wrapped(QStringLiteral(
        "(\\btr\\(|\\btranslate\\(\\s*\"[^\"]*\",|QT_TRANSLATE_NOOP\\(\\s*\"[^\"]*\",)"
        "\\s*(\"(?:[^\"\\\\]|\\\\.)*\"\\s*)*$"));
    const QString root = QStringLiteral(ORVANE_SOURCE_DIR "/");
    int checked = 0;
    for (const QString &folder : {u"app"_s, u"cli"_s, u"doc"_s, u"exchange"_s, u"i18n"_s, u"res"_s,
                                  u"settings"_s, u"store"_s, u"ui"_s}) {
        QDirIterator files(root + folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString name = path.mid(root.size());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            QString code;
            for (const Literal &literal : StringLiterals(QString::fromUtf8(file.readAll()), code)) {
                if (!HasCyrillic(literal.text) || data.contains(name))
                    continue;
                ++checked;
                const QString before = code.left(literal.start).right(400);
                EXPECT_TRUE(wrapped.match(before).hasMatch())
                    << name.toStdString() << ": " << literal.text.toStdString();
            }
        }
    }
    EXPECT_GT(checked, 100);
}

class InstalledEnglish : public ::testing::Test {
protected:
    void TearDown() override
    {
        test::RemoveTranslators();
    }
};

TEST_F(InstalledEnglish, HeadingsTakeEnglishPluralsWhileRussianStaysByteExact)
{
    CEventRecord event;
    event.Month = 5;
    event.Day = 11;
    ASSERT_TRUE(InstallProgramTranslation(*QCoreApplication::instance(),
                                          ChooseUiLanguage("ru", {u"en"_s})));
    EXPECT_EQ(UpcomingHeading(21), u"Через 21 день:"_s);
    EXPECT_EQ(UpcomingHeading(3), u"Через 3 дня:"_s);
    EXPECT_EQ(UpcomingDateLine(event, 2026, {2026, 5, 11}), u"11, Май (Понедельник)."_s);

    ASSERT_TRUE(InstallProgramTranslation(*QCoreApplication::instance(), UiLanguage::English));
    EXPECT_EQ(UpcomingHeading(0), u"Today:"_s);
    EXPECT_EQ(UpcomingHeading(2), u"The day after tomorrow:"_s);
    EXPECT_EQ(UpcomingHeading(3), u"In 3 days:"_s);
    EXPECT_EQ(UpcomingHeading(21), u"In 21 days:"_s) << "Russian uses its singular here";
    EXPECT_EQ(UpcomingHeading(11), u"In 11 days:"_s);
    EXPECT_EQ(UpcomingDateLine(event, 2026, {2026, 5, 11}), u"May 11 (Monday)."_s);
    EXPECT_EQ(MonthName(12), u"December"_s);
    EXPECT_EQ(MonthName(13), QString());
    EXPECT_EQ(WeekdayName(2024, 9, 1), u"Sunday"_s);
}

} // namespace
} // namespace orvane
