#include "skin/win32/skin_activation.hpp"

namespace tips::skin::win32 {

TSkinActivation::TSkinActivation(TSkinSource& source) {
    TSkinSourceProperties& properties = source.Properties;
    if (!properties.Active || source.Designing) return;
    if (!source.SkinLoaded()) {
        properties.Active = false;
        return;
    }
    // Another component already serving the process keeps doing so.
    if (TSkinManager::Current()) return;
    TSkinChoiceRules rules;
    rules.Controls = properties.SkinControls;
    manager_ = std::make_unique<TSkinManager>(*source.SkinData(), std::move(rules), properties);
}

}  // namespace tips::skin::win32
