// Printing on the selected printer: one job, every copy of the page range, a sheet per page.

#include <algorithm>

#include "base/scoped_value.hpp"
#include "print/code_edit_print.hpp"

namespace tips::print {

void TCodeEditPrint::PrintPageRange(int first, int last) {
    // The engine is never given a selection: there is nothing to print.
    if (selectedOnly_) return;
    const base::TScopedValue<bool> printing(printing_, true);
    abort_ = false;
    const std::string& job = docTitle_.empty() ? title_ : docTitle_;
    const auto document = platform::PrinterPort().BeginDocument(job);
    platform::TCanvas& canvas = document->Canvas();
    bool aborted = FireStatus(TCodePrintStatus::psBegin, first);
    LayOutPages(canvas);
    if (last < 0 || last > pageCount_) last = pageCount_;
    first = std::max(first, 1);
    for (int copy = 1; copy <= copies_ && !aborted; ++copy) {
        for (int page = first; page <= last && !aborted; ++page) {
            DrawPage(canvas, page);
            aborted = abort_;
            if (!aborted && !(copy == copies_ && page == last)) document->NewPage();
        }
    }
    if (!aborted) aborted = FireStatus(TCodePrintStatus::psEnd, last);
    if (aborted) {
        document->Abort();
    } else {
        document->EndDocument();
    }
}

}  // namespace tips::print
