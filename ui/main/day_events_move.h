#pragma once

namespace orvane {

class CUser;

// Moves every event of one day to another day that holds none, in list order, with the
// events' Month and Day rewritten to the new date; the source day is left empty. Nothing
// happens (false) when the days are the same or the target day already holds events.
bool MoveDayEvents(CUser &user, int fromMonth, int fromDay, int toMonth, int toDay);

} // namespace orvane
