#pragma once

namespace orvane {

// What the editors let a calendar hold, and what imports are brought within.
inline constexpr int kMaxCategoryLabel = 20;
inline constexpr int kMaxEventLabel = 40;
inline constexpr int kMaxNotes = 255;
inline constexpr int kMaxCategories = 10;

} // namespace orvane
