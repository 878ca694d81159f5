#include "widgets/ext_one_instance.hpp"

#include <algorithm>

namespace tips::widgets {

namespace {

// Upper case of one Windows-1252 byte.
char UpperCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 0x20);
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<char>(byte - 0x20);
    switch (byte) {
        case 0x9A: return static_cast<char>(0x8A);  // s caron
        case 0x9C: return static_cast<char>(0x8C);  // oe
        case 0x9E: return static_cast<char>(0x8E);  // z caron
        case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
        default: return c;
    }
}

}  // namespace

std::string OneInstanceMutexName(std::string_view executablePath) {
    const std::size_t separator = executablePath.find_last_of("\\/:");
    const std::string_view name =
        separator == std::string_view::npos ? executablePath : executablePath.substr(separator + 1);
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperCase);
    return upper;
}

std::string AlreadyStartedText(std::string_view applicationTitle) {
    return "\"" + std::string(applicationTitle) + "\" was already started...";
}

std::uint8_t TExtOneInstance::count_ = 0;

TExtOneInstance::TExtOneInstance(TExtOneInstanceHost& host) : host_(host) {
    ++count_;
    if (count_ > 1) {
        --count_;  // this one never came to live
        throw EExtOneInstError(std::string(kClassName) + ":\rAlready one " + kClassName + " control in this project!");
    }
}

TExtOneInstance::~TExtOneInstance() { --count_; }

void TExtOneInstance::LayoutLoaded() {
    if (!Enabled || !host_.PreviousInstance()) return;
    switch (Mode) {
        case TExtOneInstanceMode::oiActivateOnly:
            host_.ActivatePrevious();
            break;
        case TExtOneInstanceMode::oiDefaultMessage:
            host_.ShowInformation(AlreadyStartedText(host_.ApplicationTitle()));
            host_.ActivatePrevious();
            break;
        case TExtOneInstanceMode::oiCustom:
            if (OnCustom) {
                OnCustom(*this);
            } else {
                host_.ActivatePrevious();
            }
            break;
    }
    host_.Terminate();
}

}  // namespace tips::widgets
