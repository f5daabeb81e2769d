// The English catalogue of the texts against the sources.
#include "test_env.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// Every Russian literal of the program stands in a translation call, lupdate over the sources
// leaves the committed catalogue as it is (every text a call names is in it, and nothing else),
// and no translation in it is left unfinished.
TEST(EnglishCatalogue, HoldsAFinishedTranslationOfEveryRussianTextOfTheSources)
{
    const QString root = QStringLiteral(ORVANE_SOURCE_DIR "/");
    const QStringList folders{u"app"_s, u"cli"_s, u"doc"_s, u"exchange"_s, u"i18n"_s,
                              u"res"_s, u"settings"_s, u"store"_s, u"sync"_s, u"ui"_s};
    // Comments and character literals; a translation call with the literals it joins; any other
    // string literal. Each whole, in the order they come.
    static const QRegularExpression token(QStringLiteral(R"(//[^\n]*|/\*.*?\*/|'(?:[^'\\]|\\.)*')"
                                                         R"(|(?:\btr\(|\btranslate\(\s*"[^"]*",|QT_TRANSLATE_(?:N_)?NOOP\(\s*"[^"]*",))"
                                                         R"((?:\s*"(?:[^"\\]|\\.)*")+|"(?:[^"\\]|\\.)*")"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    // The calendar's default categories are data stored in the file, the autostart entry carries
    // its own Russian name, and the guide's page is made from the Russian part of the README.
    const QStringList data{u"store/user.cpp"_s, u"settings/autostart.cpp"_s, u"doc/help_page.cpp"_s};
    for (const QString &folder : folders) {
        QDirIterator files(root + folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString name = files.next().mid(root.size());
            for (const QRegularExpressionMatch &match : token.globalMatch(QString::fromUtf8(test::readFile(root + name))))
                EXPECT_FALSE(match.captured().startsWith(u'"') && match.captured().contains(cyrillic) && !data.contains(name))
                    << "not in a translation call: " << name.toStdString() << ": " << match.captured().toStdString();
        }
    }

    QTemporaryDir dir;
    const QString committed = root + u"i18n/orvane_en.ts"_s;
    const QString fresh = dir.filePath(u"orvane_en.ts"_s);
    ASSERT_TRUE(QFile::copy(committed, fresh));
    QProcess lupdate;
    lupdate.setWorkingDirectory(root);
    lupdate.start(QStringLiteral(ORVANE_LUPDATE), QStringList{u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-obsolete"_s}
                                                      + folders + QStringList{u"-I"_s, u"."_s, u"-ts"_s, fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();
    const QString catalogue = QString::fromUtf8(test::readFile(committed));
    EXPECT_EQ(QString::fromUtf8(test::readFile(fresh)), catalogue)
        << "build the target orvane_update_translations and translate the new texts in i18n/orvane_en.ts";
    EXPECT_FALSE(catalogue.contains(u"type=\"unfinished\""_s) || catalogue.contains(u"<translation></translation>"_s))
        << "translate the unfinished texts in i18n/orvane_en.ts";
}

} // namespace
} // namespace orvane
