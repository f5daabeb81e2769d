#include "exchange/ical_line_kind.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cwctype>

namespace orvane {

namespace {

constexpr std::array<QByteArrayView, 6> kReadProperties = {"SUMMARY", "DTSTART", "RRULE", "RECURRENCE-ID",
                                                           "DESCRIPTION", "CATEGORIES"};

bool IsPlainName(QByteArrayView name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

} // namespace

LineKind KindOf(const QByteArray &line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ';' && line[end] != ':')
        ++end;
    if (end == line.size())
        return LineKind::Read;
    const bool plain = IsPlainName(QByteArrayView(line).first(end));
    while (end > 0 && std::iswspace(static_cast<wint_t>(line[end - 1]))) // the parser's own test
        --end;
    const QByteArrayView name = QByteArrayView(line).first(end);
    const auto is = [name](QByteArrayView known) {
        return name.size() == known.size() && name.compare(known, Qt::CaseInsensitive) == 0;
    };
    if (is("BEGIN"))
        return LineKind::Begin;
    if (is("END"))
        return LineKind::End;
    const bool read = std::any_of(kReadProperties.begin(), kReadProperties.end(), is);
    return plain && !read ? LineKind::Unread : LineKind::Read;
}

} // namespace orvane
