#include "ui/controls/link_opener.h"

#include "store/message.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

QStringList BrowserArguments(const QString &command, const QString &target)
{
    qsizetype cut = command.indexOf(u"\"%s\""_s);
    if (cut < 0)
        cut = command.indexOf(u"%s"_s);
    QStringList arguments = QProcess::splitCommand(cut < 0 ? command : command.left(cut));
    if (!arguments.isEmpty())
        arguments << target;
    return arguments;
}

int OpenTarget(const QString &target, const UrlOpener &open, const QString &browser)
{
    if (open(QUrl::fromUserInput(target)))
        return LinkResult::kOpened;
    QStringList arguments = BrowserArguments(browser.section(u':', 0, 0), target);
    if (arguments.isEmpty())
        return LinkResult::kNoAssociation;
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments) ? LinkResult::kOpened
                                                       : LinkResult::kFileNotFound;
}

int OpenTarget(const QString &target)
{
    return OpenTarget(target, &QDesktopServices::openUrl, qEnvironmentVariable("BROWSER"));
}

bool OpenTargetOrComplain(const QString &target)
{
    const int result = OpenTarget(target);
    if (result > 32)
        return true;
    QApplication::beep();
    ShowMessage(OpenErrorText(result));
    return false;
}

QString OpenErrorText(int code)
{
    QString text;
    switch (code) {
    case 0:
        text = u"The operating system is out\nof memory or resources."_s;
        break;
    case 2:
        text = u"The specified file was not found."_s;
        break;
    case 3:
        text = u"The specified path was not found."_s;
        break;
    case 5:
        text = u"The operating system denied\naccess to the specified file."_s;
        break;
    case 8:
        text = u"There was not enough memory to complete the operation."_s;
        break;
    case 11:
        text = u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."_s;
        break;
    case 26:
        text = u"A sharing violation occurred. "_s;
        break;
    case 27:
        text = u"The filename association is\nincomplete or invalid."_s;
        break;
    case 28:
        text = u"The DDE transaction could not\nbe completed because the request timed out."_s;
        break;
    case 29:
        text = u"The DDE transaction failed."_s;
        break;
    case 30:
        text = u"The DDE transaction could not\nbe completed because other DDE transactions\n"
               u"were being processed."_s;
        break;
    case 31:
        text = u"There is no application associated\nwith the given filename extension."_s;
        break;
    case 32:
        text = u"The specified dynamic-link library was not found."_s;
        break;
    default:
        text = u"Unknown Error (%1) occurred."_s.arg(code);
        break;
    }
    return u"Can't open link:\n\n"_s + text;
}

} // namespace orvane
