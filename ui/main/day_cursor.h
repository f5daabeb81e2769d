#pragma once

#include "store/selected_date.h"

#include <QDate>

namespace orvane {

class CMonthTable;

// Where the keyboard takes the selected day over the months the window shows. A selected day
// is a month and a day; it stands for that day in the year the span gives its month.

// The date the selected day stands for; invalid while none is selected.
QDate SelectedDayDate(const CMonthTable &table, SelectedDate selected);

// Whether the first `scale` months of the span hold `date`: its month is among them, in the
// year the span gives that month.
bool ShowsDate(const CMonthTable &table, int scale, QDate date);

// The paging steps that bring `date` into view: forward when positive, backward when
// negative, none when it is shown or invalid.
qint64 PagesToShow(const CMonthTable &table, int scale, QDate date);

// The day a key starts from when no shown day is selected: today when it is shown, else the
// 1st of the first month shown.
QDate StartDate(const CMonthTable &table, int scale);

// The day kept selected after paging: `date` while it is shown, else the same day of the
// month (within that month's length) in the first or the last month shown, whichever lies
// on its side.
QDate KeptInView(const CMonthTable &table, int scale, QDate date);

} // namespace orvane
