#include "skin/window_choice.hpp"

#include "base/text_case.hpp"

namespace tips::skin {

bool IsMessageBoxClass(const std::string& className) {
    const std::string lower = base::LowerCase1252(className);
    return lower == "tmessageform" || lower == "#32770";
}

bool ShouldSkinWindow(const TWindowCandidate& window, const TSkinChoiceRules& rules) {
    if (!rules.ManagerOn || window.AnswersSkinned || window.Listed || window.EmptySize) return false;
    if (window.ChildWindow && !window.MdiChild && !rules.BulkRequestRunning) return false;
    if (window.FormTag && *window.FormTag == 99) return false;
    if (window.ClassName == "TApplication") return false;
    if (rules.OnFormSkin) return rules.OnFormSkin(window.ClassName);
    if (window.ClassName == "SysMonthCal32") return false;
    if (rules.Controls.Has(xcReportForms) && window.ClassName.rfind("Tfr", 0) == 0) return false;
    return true;
}

std::optional<std::size_t> ServingSource(const std::vector<TRegisteredSource>& sources, const std::string& className) {
    const auto find = [&](auto&& wanted) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < sources.size(); ++i) {
            if (wanted(sources[i])) return i;
        }
        return std::nullopt;
    };
    if (auto own = find([](const TRegisteredSource& s) { return s.FormType == TSkinFormType::sfOnlyThisForm && s.OwnedByWindow; }))
        return own;
    if (IsMessageBoxClass(className)) {
        if (auto dialog = find([](const TRegisteredSource& s) { return s.FormType == TSkinFormType::sfDialog; }))
            return dialog;
    }
    if (auto main = find([](const TRegisteredSource& s) { return s.FormType == TSkinFormType::sfMainform; })) return main;
    if (sources.empty()) return std::nullopt;
    return 0;
}

TMessageBoxWidening WidenMessageBox(int windowWidth, int captionLength, int blankWidth, const TFrameMetrics& metrics,
                                    const TSkinTitleElement& caption) {
    const int needed = (captionLength + 7) * blankWidth + metrics.Left + metrics.Right + caption.TextShift +
                       caption.TextRightClip + caption.TXTBackleft + caption.TXTBackRight;
    if (needed <= windowWidth) return {windowWidth, 0};
    return {needed, (needed - windowWidth) / 2};
}

}  // namespace tips::skin
