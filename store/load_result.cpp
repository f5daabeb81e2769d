#include "store/load_result.h"

namespace orvane {

QString DescribeLoadFailure(LoadFailure failure)
{
    switch (failure) {
    case LoadFailure::None:
        return QStringLiteral("no error");
    case LoadFailure::CannotOpen:
        return QStringLiteral("cannot open the file");
    case LoadFailure::TooShort:
        return QStringLiteral("the file is too short");
    case LoadFailure::BadSignature:
        return QStringLiteral("not a calendar file (bad signature)");
    case LoadFailure::BadSizeWord:
        return QStringLiteral("bad calendar size word");
    case LoadFailure::BadUserCount:
        return QStringLiteral("bad user count");
    case LoadFailure::BadSlotCount:
        return QStringLiteral("a day holds more than 40 events");
    case LoadFailure::BadDate:
        return QStringLiteral("an event has neither a valid month nor a valid day");
    case LoadFailure::UnexpectedEnd:
        return QStringLiteral("unexpected end of file");
    }
    return {};
}

} // namespace orvane
