#pragma once

namespace orvane::ExitCode {
constexpr int SecondInstance = 10;
constexpr int RefusedNewCalendar = 14;
constexpr int FontMissing = 15;
constexpr int CalendarCannotBeOpened = 16;
constexpr int CalendarNotSaved = 17;
constexpr int NoResources = 20;
} // namespace orvane::ExitCode
