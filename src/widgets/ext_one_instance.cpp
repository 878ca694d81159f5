#include "widgets/ext_one_instance.hpp"

#include "base/text_case.hpp"

namespace tips::widgets {

std::string OneInstanceMutexName(std::string_view executablePath) {
    const std::size_t separator = executablePath.find_last_of("\\/:");
    const std::string_view name =
        separator == std::string_view::npos ? executablePath : executablePath.substr(separator + 1);
    return base::UpperCase1252(name);
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
    handedOver_ = true;
    host_.Terminate();
}

}  // namespace tips::widgets
