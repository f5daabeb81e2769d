#include "store/russian_plural.h"

namespace orvane {

int RussianPluralForm(qint64 count)
{
    const qint64 lastTwo = count % 100;
    const qint64 last = count % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return 2;
    if (last == 1)
        return 0;
    return last >= 2 && last <= 4 ? 1 : 2;
}

} // namespace orvane
