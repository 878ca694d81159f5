#include "skin/win32/skin_activation.hpp"

namespace tips::skin::win32 {

TSkinActivation::TSkinActivation(TSkinSource& source) : source_(source) {
    TSkinSourceProperties& properties = source_.Properties;
    if (!properties.Active || source_.Designing) return;
    if (!source_.SkinLoaded()) {
        properties.Active = false;
        return;
    }
    // Another component already serving the process keeps doing so.
    if (TSkinManager::Current()) return;
    Serve();
    source_.OnSkinFileLoaded = [this] { Reapply(); };
}

TSkinActivation::~TSkinActivation() {
    if (manager_) source_.OnSkinFileLoaded = nullptr;
}

void TSkinActivation::Serve() {
    TSkinChoiceRules rules;
    rules.Controls = source_.Properties.SkinControls;
    manager_ = std::make_unique<TSkinManager>(*source_.SkinData(), std::move(rules), source_.Properties);
}

void TSkinActivation::Reapply() {
    manager_.reset();
    Serve();
    manager_->OfferThreadWindows();
}

}  // namespace tips::skin::win32
