#include "cli/password_prompt.h"

#include "cli/cli_calendar.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace orvane::cli {

std::optional<QString> ReadPassword(const QString &server, const QString &user)
{
    termios saved{};
    const bool terminal = ::isatty(STDIN_FILENO) != 0 && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        const QString prompt = QCoreApplication::translate("SyncCommand", "Пароль %1 на %2: ").arg(user, server);
        std::fputs(prompt.toUtf8().constData(), stderr);
        std::fflush(stderr);
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    if (!read) {
        PrintError(QCoreApplication::translate("SyncCommand", "пароль не введён"));
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

} // namespace orvane::cli
