#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <utility>
#include <vector>

namespace orvane {

// The content lines of an iCalendar or vCard text: a line ends at CR LF, LF or CR, and a line
// break followed by a space or a tab continues the line (the break and that one blank are
// dropped). A UTF-8 byte order mark at the start is skipped.
class ContentLines {
public:
    explicit ContentLines(QByteArrayView text);

    bool AtEnd() const { return m_pos >= m_text.size(); }
    // The next line, unfolded, without its line break.
    QByteArray Next();
    // The number of the physical line the last line returned by Next() began on, from 1.
    int LineNumber() const { return m_lineNumber; }

private:
    // The length of the line break at `pos` (0 when there is none).
    qsizetype BreakAt(qsizetype pos) const;
    // The position of the first line break from `pos`, the end of the text when there is none.
    qsizetype LineEndFrom(qsizetype pos);

    QByteArrayView m_text;
    qsizetype m_pos = 0;
    int m_nextLine = 1;
    int m_lineNumber = 0;
    qsizetype m_nextLineFeed = -1; // the first LF at or after the line last looked through
    std::vector<std::pair<qsizetype, qsizetype>> m_parts; // start and length of each part of a line
};

// The number `text` spells in decimal digits; false when it is empty or holds anything else.
bool Digits(QByteArrayView text, int &value);

// True when the first non-blank line of `text` is `line` (ASCII, compared without case).
bool StartsWithLine(QByteArrayView text, QByteArrayView line);

} // namespace orvane
