#include "store/clock.h"

#include <QByteArray>

namespace orvane {

namespace {
std::function<QDate()> &Source()
{
    static std::function<QDate()> source;
    return source;
}
} // namespace

QDate Clock::Today()
{
    if (Source())
        return Source()();
    // The seam is set when the process starts; the grid asks for today on every hover.
    static const QDate seamed = QDate::fromString(qEnvironmentVariable("ORVANE_TODAY"), Qt::ISODate);
    return seamed.isValid() ? seamed : QDate::currentDate();
}

void Clock::SetSource(std::function<QDate()> source)
{
    Source() = std::move(source);
}

} // namespace orvane
