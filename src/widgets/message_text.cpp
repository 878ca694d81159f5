#include "widgets/message_text.hpp"

namespace tips::widgets {

std::string WithFullStop(std::string_view message) {
    std::string text(message);
    // Codes compare as unsigned bytes: an accented last letter (0xE9) also gets its full stop.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
    return text;
}

}  // namespace tips::widgets
