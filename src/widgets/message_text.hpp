#pragma once

#include <string>
#include <string_view>

namespace tips::widgets {

// The text an error box shows for a message: the message itself, with a full stop appended when its last
// character's code is above that of the full stop (so "...file C:\x" gets one, "...failed." or "(3)" not).
std::string WithFullStop(std::string_view message);

}  // namespace tips::widgets
