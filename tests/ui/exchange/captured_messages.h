#pragma once

#include "store/message.h"

#include <QStringList>

namespace orvane::test {

// Takes the text of every message shown while it lives, answering OK.
class CapturedMessages {
public:
    CapturedMessages()
    {
        SetMessagePresenter([this](const QString &text, MessageButtons) {
            texts << text;
            return MessageAnswer::Ok;
        });
    }
    ~CapturedMessages() { SetMessagePresenter({}); }
    CapturedMessages(const CapturedMessages &) = delete;
    CapturedMessages &operator=(const CapturedMessages &) = delete;

    QStringList texts;
};

} // namespace orvane::test
