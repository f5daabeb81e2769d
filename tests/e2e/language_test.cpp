#include "calendar_process.h"
#include "test_env.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

using namespace Qt::StringLiterals;

// The locale variables of a desktop session with `lang`, and ORVANE_LANG (empty: not set).
QProcessEnvironment Locale(const QString &lang, const QString &forced)
{
    QProcessEnvironment env;
    env.insert(u"LANG"_s, lang);
    for (const QString &name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANGUAGE"_s})
        env.insert(name, QString());
    env.insert(u"ORVANE_LANG"_s, forced);
    return env;
}

// The calendar's question about a broken calendar file, declined: the language it was asked in.
QString BrokenCalendarQuestion(const QString &lang, const QString &forced)
{
    CalendarSandbox sandbox;
    writeFile(sandbox.calendarPath(), "not a calendar");
    sandbox.setEnvironment(Locale(lang, forced));
    QProcess calendar;
    sandbox.start(calendar, {}, u"no"_s);
    if (!calendar.waitForFinished(30000))
        calendar.kill();
    EXPECT_EQ(calendar.exitCode(), 14);
    const QString text = QString::fromUtf8(calendar.readAllStandardError());
    if (text.contains(u"Мне очень жаль"_s))
        return u"ru"_s;
    if (text.contains(u"I am very sorry"_s))
        return u"en"_s;
    return text;
}

TEST(Language, TheCalendarSpeaksTheSystemLanguageOrTheForcedOne)
{
    EXPECT_EQ(BrokenCalendarQuestion(u"ru_RU.UTF-8"_s, {}), u"ru"_s);
    EXPECT_EQ(BrokenCalendarQuestion(u"de_DE.UTF-8"_s, {}), u"en"_s) << "no German: English";
    EXPECT_EQ(BrokenCalendarQuestion(u"C.UTF-8"_s, {}), u"en"_s);
    EXPECT_EQ(BrokenCalendarQuestion(u"ru_RU.UTF-8"_s, u"en"_s), u"en"_s);
    EXPECT_EQ(BrokenCalendarQuestion(u"en_US.UTF-8"_s, u"ru"_s), u"ru"_s);
    EXPECT_EQ(BrokenCalendarQuestion(u"ru_RU.UTF-8"_s, u"xx"_s), u"ru"_s) << "unknown: the system decides";
}

TEST(Language, OrvanectlKeepsRussianHeadingsUnlessEnglishIsForced)
{
    CalendarSandbox sandbox;
    QProcess calendar; // creates the calendar and ends at once
    sandbox.start(calendar, {}, u"yes"_s);
    ASSERT_TRUE(waitForFile(sandbox.calendarPath()));
    terminate(calendar);
    writeFile(sandbox.dataDir() + u"/in.xml"_s,
              "<Orvane><Event name=\"Anna\" month=\"5\" day=\"31\" notify=\"1\"/></Orvane>");
    ASSERT_EQ(sandbox.runCtl({u"import"_s, sandbox.dataDir() + u"/in.xml"_s}), 0);

    QByteArray out;
    sandbox.setEnvironment(Locale(u"en_US.UTF-8"_s, {}));
    EXPECT_EQ(sandbox.runCtl({u"upcoming"_s, u"--days"_s, u"30"_s}, &out), 0);
    EXPECT_EQ(QString::fromUtf8(out), u"Через 21 день: 31, Май (Воскресенье).\n  Anna\n"_s);
    sandbox.setEnvironment(Locale(u"ru_RU.UTF-8"_s, u"en"_s));
    EXPECT_EQ(sandbox.runCtl({u"upcoming"_s, u"--days"_s, u"30"_s}, &out), 0);
    EXPECT_EQ(QString::fromUtf8(out), u"In 21 days: May 31 (Sunday).\n  Anna\n"_s);
}

} // namespace
} // namespace orvane::test
