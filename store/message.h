#pragma once

#include <QString>

#include <functional>

namespace orvane {

enum class MessageButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The one place that shows messages. With ORVANE_AUTO_ANSWER=ok|yes|no|cancel no box is shown:
// the text goes to standard error and that answer is taken. Otherwise the installed presenter
// shows it; without one (a terminal program) the text goes to standard error and the first
// button is taken.
MessageAnswer ShowMessage(const QString &text, MessageButtons buttons = MessageButtons::Ok);

using MessagePresenter = std::function<MessageAnswer(const QString &, MessageButtons)>;
void SetMessagePresenter(MessagePresenter presenter);

} // namespace orvane
