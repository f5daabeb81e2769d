#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace orvane {

// Keeps a text box to what the calendar file can hold: at most `maxLength` characters (more
// is refused silently, as a limited edit box does) and only Windows-1251 characters (other
// text is refused with a message).
class Cp1251TextGuard : public QObject {
    Q_OBJECT
public:
    Cp1251TextGuard(QPlainTextEdit *edit, int maxLength);

    // Sets the text without checking it (it comes from the calendar).
    void SetText(const QString &text);

private:
    void OnTextChanged();

    QPlainTextEdit *m_edit;
    int m_nMaxLength;
    QString m_accepted;
    bool m_bRestoring = false;
};

} // namespace orvane
