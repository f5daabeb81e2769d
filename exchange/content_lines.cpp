#include "exchange/content_lines.h"

#include <algorithm>
#include <cstring>

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

qsizetype ContentLines::LineEndFrom(qsizetype pos)
{
    // The next LF is kept once found, so that a text of CR line ends is not searched to its end
    // again for every line.
    if (m_nextLineFeed < pos) {
        const void *lineFeed = std::memchr(m_text.data() + pos, '\n', static_cast<size_t>(m_text.size() - pos));
        m_nextLineFeed = lineFeed ? static_cast<const char *>(lineFeed) - m_text.data() : m_text.size();
    }
    const void *carriageReturn = std::memchr(m_text.data() + pos, '\r', static_cast<size_t>(m_nextLineFeed - pos));
    return carriageReturn ? static_cast<const char *>(carriageReturn) - m_text.data() : m_nextLineFeed;
}

QByteArray ContentLines::Next()
{
    m_lineNumber = m_nextLine;
    // The parts of a folded line are found first, so that the line is copied once.
    m_parts.clear();
    qsizetype length = 0;
    for (qsizetype start = m_pos;;) {
        const qsizetype end = LineEndFrom(start);
        m_parts.push_back({start, end - start});
        length += end - start;
        const qsizetype lineBreak = BreakAt(end);
        m_pos = end + lineBreak;
        if (lineBreak)
            ++m_nextLine;
        if (!lineBreak || m_pos >= m_text.size() || !IsBlank(m_text[m_pos]))
            break;
        start = m_pos + 1; // a folded line goes on after its one blank
    }
    QByteArray line(length, Qt::Uninitialized);
    char *out = line.data();
    for (const auto &[start, size] : m_parts)
        out = std::copy_n(m_text.data() + start, size, out);
    return line;
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

bool Digits(QByteArrayView text, int &value)
{
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return !text.isEmpty();
}

} // namespace orvane
