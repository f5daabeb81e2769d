#pragma once

namespace orvane {

// Where an exchange document is written to or read from.
enum class ExchangeTarget { Clipboard = 0, File = 1, ClipboardAndFile = 2 };

} // namespace orvane
