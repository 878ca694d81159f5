#pragma once
// Everything a portable control may ask of where it is shown: the layout metrics (view_metrics.hpp)
// and the window services (window_services.hpp), two ports so that a layout can run on a device that
// has no window. Code that needs only the pixel types includes view_geometry.hpp.

#include "platform/view_geometry.hpp"
#include "platform/view_metrics.hpp"
#include "platform/window_services.hpp"
