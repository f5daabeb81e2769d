#pragma once

#include <QtGlobal>

namespace orvane {

// Which of the three Russian forms goes with a count: 0 as in "1 событие" (21, 101, ...),
// 1 as in "2 события" (3, 4, 22, ...), 2 as in "5 событий" (0, 11..14, 25, ...).
int RussianPluralForm(qint64 count);

} // namespace orvane
