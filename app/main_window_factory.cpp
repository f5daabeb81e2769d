#include "app/main_window_factory.h"

#include "app/placeholder_window.h"

namespace orvane {

std::unique_ptr<QDialog> CreateMainWindow(AppContext &context, bool showOnStart)
{
    return std::make_unique<PlaceholderWindow>(context, showOnStart);
}

} // namespace orvane
