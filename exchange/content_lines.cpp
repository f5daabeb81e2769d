#include "exchange/content_lines.h"

namespace orvane {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

ContentLines::ContentLines(QByteArrayView text) : m_text(text)
{
    if (m_text.startsWith(kByteOrderMark))
        m_pos = kByteOrderMark.size();
}

qsizetype ContentLines::BreakAt(qsizetype pos) const
{
    if (pos >= m_text.size())
        return 0;
    if (m_text[pos] == '\r')
        return pos + 1 < m_text.size() && m_text[pos + 1] == '\n' ? 2 : 1;
    return m_text[pos] == '\n' ? 1 : 0;
}

QByteArray ContentLines::Next()
{
    m_lineNumber = m_nextLine;
    QByteArray line;
    qsizetype start = m_pos;
    for (;;) {
        qsizetype end = start;
        while (end < m_text.size() && !BreakAt(end))
            ++end;
        line.append(m_text.sliced(start, end - start));
        const qsizetype lineBreak = BreakAt(end);
        m_pos = end + lineBreak;
        if (lineBreak)
            ++m_nextLine;
        if (!lineBreak || m_pos >= m_text.size() || !IsBlank(m_text[m_pos]))
            return line;
        start = m_pos + 1; // a folded line goes on after its one blank
    }
}

bool StartsWithLine(QByteArrayView text, QByteArrayView line)
{
    if (text.startsWith(kByteOrderMark))
        text = text.sliced(kByteOrderMark.size());
    qsizetype pos = 0;
    while (pos < text.size() && (IsBlank(text[pos]) || text[pos] == '\r' || text[pos] == '\n'))
        ++pos;
    text = text.sliced(pos);
    if (text.size() < line.size() || text.first(line.size()).compare(line, Qt::CaseInsensitive) != 0)
        return false;
    text = text.sliced(line.size());
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    return text.isEmpty() || text.front() == '\r' || text.front() == '\n';
}

} // namespace orvane
