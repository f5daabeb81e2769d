#pragma once

namespace orvane {

// Shows the program's messages in modal message boxes.
void InstallMessageBoxPresenter();

} // namespace orvane
