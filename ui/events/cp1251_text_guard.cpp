#include "ui/events/cp1251_text_guard.h"

#include "store/message.h"
#include "store/windows1251.h"
#include "ui/events/event_tree_rules.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

namespace orvane {

Cp1251TextGuard::Cp1251TextGuard(QPlainTextEdit *edit, int maxLength)
    : QObject(edit), m_edit(edit), m_nMaxLength(maxLength)
{
    connect(edit, &QPlainTextEdit::textChanged, this, &Cp1251TextGuard::OnTextChanged);
}

void Cp1251TextGuard::SetText(const QString &text)
{
    m_bRestoring = true;
    m_accepted = text;
    m_edit->setPlainText(text);
    m_bRestoring = false;
}

void Cp1251TextGuard::OnTextChanged()
{
    if (m_bRestoring)
        return;
    const QString text = m_edit->toPlainText();
    const bool fits = FitsCp1251(text);
    if (fits && text.size() <= m_nMaxLength) {
        m_accepted = text;
        return;
    }
    const int position = qMax(0, m_edit->textCursor().position() - static_cast<int>(text.size() - m_accepted.size()));
    m_bRestoring = true;
    m_edit->setPlainText(m_accepted);
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(qMin(position, static_cast<int>(m_accepted.size())));
    m_edit->setTextCursor(cursor);
    m_bRestoring = false;
    if (!fits) // after the edit has finished: a message box must not run inside the text change
        QTimer::singleShot(0, this, [] { ShowMessage(UnsupportedCharactersMessage()); });
}

} // namespace orvane
