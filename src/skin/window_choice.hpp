#pragma once
// Which windows the frame skinning takes, which skin component serves them, and how far a message
// box is widened so that its title text fits.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/frame_layout.hpp"
#include "skin/skin_controls.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };

// What the manager knows of a window when it is offered for skinning.
struct TWindowCandidate {
    std::string ClassName;
    bool AnswersSkinned = false;  // answers the "skinned?" query with 1
    bool Listed = false;          // already skinned
    bool ChildWindow = false;
    bool MdiChild = false;
    bool EmptySize = false;
    std::optional<int> FormTag;   // the form object's Tag, when there is a form object
};

struct TSkinChoiceRules {
    bool ManagerOn = true;
    bool BulkRequestRunning = false;
    TSkinControls Controls = TSkinControls::Default();
    // OnFormSkin: decides by class name when assigned.
    std::function<bool(const std::string& className)> OnFormSkin;
};

// A form whose Tag is 99 keeps the system's frame; so do TApplication's window, SysMonthCal32
// calendars, and with xcReportForms classes beginning "Tfr".
bool ShouldSkinWindow(const TWindowCandidate& window, const TSkinChoiceRules& rules);

// Whether the class names a message box ("tmessageform" or "#32770", any case).
bool IsMessageBoxClass(const std::string& className);

struct TRegisteredSource {
    TSkinFormType FormType = TSkinFormType::sfMainform;
    bool OwnedByWindow = false;  // its owner form is the window being skinned
};
// The index of the component serving a window: its own sfOnlyThisForm one, for message boxes an
// sfDialog one, else an sfMainform one, else the first; nothing when none is registered.
std::optional<std::size_t> ServingSource(const std::vector<TRegisteredSource>& sources, const std::string& className);

struct TMessageBoxWidening {
    int Width = 0;       // the window's new width (its old one when it already fits)
    int ChildShift = 0;  // how far every child window moves right
};
// A message box whose caption of `captionLength` characters would not fit its title bar: the width it
// needs is (length + 7) blanks of the title font plus the frame and the skin's text margins.
TMessageBoxWidening WidenMessageBox(int windowWidth, int captionLength, int blankWidth, const TFrameMetrics& metrics,
                                    const TSkinTitleElement& caption);

}  // namespace tips::skin
