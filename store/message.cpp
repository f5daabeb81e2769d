#include "store/message.h"

#include <cstdio>
#include <optional>

namespace orvane {

namespace {

MessagePresenter &Presenter()
{
    static MessagePresenter presenter;
    return presenter;
}

MessageAnswer FirstAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
        break;
    }
    return MessageAnswer::Ok;
}

std::optional<MessageAnswer> AutoAnswer()
{
    const QString answer = qEnvironmentVariable("ORVANE_AUTO_ANSWER").trimmed().toLower();
    if (answer == u"ok")
        return MessageAnswer::Ok;
    if (answer == u"yes")
        return MessageAnswer::Yes;
    if (answer == u"no")
        return MessageAnswer::No;
    if (answer == u"cancel")
        return MessageAnswer::Cancel;
    return std::nullopt;
}

void PrintToStandardError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
}

} // namespace

MessageAnswer ShowMessage(const QString &text, MessageButtons buttons)
{
    if (const auto answer = AutoAnswer()) {
        PrintToStandardError(text);
        return *answer;
    }
    if (Presenter())
        return Presenter()(text, buttons);
    PrintToStandardError(text);
    return FirstAnswer(buttons);
}

void SetMessagePresenter(MessagePresenter presenter)
{
    Presenter() = std::move(presenter);
}

} // namespace orvane
