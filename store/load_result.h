#pragma once

#include <QString>

namespace orvane {

// Why a calendar file could not be read.
enum class LoadFailure {
    None,
    CannotOpen,    // the file cannot be opened
    TooShort,      // shorter than 13 bytes
    BadSignature,  // not "ORVANE"
    BadSizeWord,   // size word 1, or above 28
    BadUserCount,  // outside 1..100
    BadSlotCount,  // an event count outside 0..40
    BadDate,       // an event with both month and day out of range
    UnexpectedEnd, // the file ends inside a record
};

// A short English description, for terminal tools.
QString DescribeLoadFailure(LoadFailure failure);

struct LoadResult {
    LoadFailure failure = LoadFailure::None;
    QString reason; // English, for terminal tools
    int systemError = 0; // errno of a file that cannot be opened or read
    bool ok() const { return failure == LoadFailure::None; }
};

} // namespace orvane
