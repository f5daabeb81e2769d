#pragma once

namespace orvane {

// Whether the program runs on a Wayland compositor, which places the windows itself, keeps a
// program from reading or setting their places and cannot cut a window to a shape.
bool OnWayland();

} // namespace orvane
