#include "x_display.h"

#include <QDeadlineTimer>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace orvane::test {

XDisplay::XDisplay()
{
    // The server picks a free display itself and writes its number on standard output.
    m_server.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                               u"-nolisten"_s, u"tcp"_s});
    if (!m_server.waitForStarted(10000))
        return;
    QDeadlineTimer deadline(15000);
    QByteArray number;
    while (!number.endsWith('\n') && !deadline.hasExpired() && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(100);
        number += m_server.readAllStandardOutput();
    }
    if (number.trimmed().isEmpty())
        return;
    m_strName = u':' + QString::fromLatin1(number.trimmed());
}

XDisplay::~XDisplay()
{
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
    m_server.waitForFinished();
}

QString XDisplay::Xdo(const QStringList &arguments) const
{
    QProcess xdo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, m_strName);
    xdo.setProcessEnvironment(env);
    xdo.start(u"xdotool"_s, arguments);
    xdo.waitForFinished(15000);
    return QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
}

QString XDisplay::WaitForWindow(qint64 pid, const QString &title, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QStringList windows =
            Xdo({u"search"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(pid)})
                .split(u'\n', Qt::SkipEmptyParts);
        for (const QString &window : windows) {
            if (Xdo({u"getwindowname"_s, window}).startsWith(title))
                return window;
        }
        QThread::msleep(100);
    }
    return {};
}

QRect XDisplay::Geometry(const QString &window) const
{
    QRect r;
    for (const QString &line : Xdo({u"getwindowgeometry"_s, u"--shell"_s, window}).split(u'\n')) {
        const int value = line.section(u'=', 1).toInt();
        if (line.startsWith(u"X="_s))
            r.moveLeft(value);
        else if (line.startsWith(u"Y="_s))
            r.moveTop(value);
        else if (line.startsWith(u"WIDTH="_s))
            r.setWidth(value);
        else if (line.startsWith(u"HEIGHT="_s))
            r.setHeight(value);
    }
    return r;
}

void XDisplay::Click(const QString &window, QPoint point, int button) const
{
    Xdo({u"mousemove"_s, u"--window"_s, window, QString::number(point.x()),
         QString::number(point.y()), u"sleep"_s, u"0.2"_s, u"click"_s, QString::number(button)});
}

void XDisplay::Keys(const QString &window, const QStringList &keys) const
{
    QStringList arguments{u"sleep"_s, u"0.2"_s};
    if (!window.isEmpty())
        arguments << u"windowfocus"_s << u"--sync"_s << window;
    for (const QString &key : keys)
        arguments << u"key"_s << key << u"sleep"_s << u"0.1"_s;
    Xdo(arguments);
}

} // namespace orvane::test
