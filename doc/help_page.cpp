// Makes the user guide's page: the README's user section as HTML.
//     orvane_help_page README.md orvane-help.html
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

namespace {

const QString kSectionHeading = QStringLiteral("## Руководство пользователя");

// The section from its heading to the next heading of the same level.
QString UserSection(const QString &readme)
{
    const qsizetype start = readme.indexOf(u'\n' + kSectionHeading + u'\n');
    if (start < 0)
        return {};
    const qsizetype end = readme.indexOf(QStringLiteral("\n## "), start + 1);
    return readme.mid(start + 1, end < 0 ? -1 : end - start);
}

int Fail(const char *what, const QString &path)
{
    std::fprintf(stderr, "orvane_help_page: %s: %s\n", what, qUtf8Printable(path));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: orvane_help_page README.md OUTPUT.html\n");
        return 2;
    }
    QFile readme(arguments[1]);
    if (!readme.open(QIODevice::ReadOnly))
        return Fail("cannot read", arguments[1]);
    const QString section = UserSection(QString::fromUtf8(readme.readAll()));
    if (section.isEmpty())
        return Fail("no user section in", arguments[1]);

    QTextDocument page;
    page.setMarkdown(section);
    page.setMetaInformation(QTextDocument::DocumentTitle,
                            QStringLiteral("Календарь Orvane: руководство пользователя"));
    QFile out(arguments[2]);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || out.write(page.toHtml().toUtf8()) < 0 || !out.flush())
        return Fail("cannot write", arguments[2]);
    return 0;
}
