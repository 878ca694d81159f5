// Random bytes loaded into the line buffer as a tip's code is: no line keeps a break or a NUL, the
// text saved back loads to the same lines, and a second save is byte-identical to the first.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "editor/line_buffer.hpp"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::string Save(const tips::editor::TCodeEditStringList& lines) {
    std::ostringstream out;
    lines.SaveToStream(out);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tips::editor::TCodeEditStringList;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    TCodeEditStringList lines;
    lines.LoadFromStream(in);
    Check(lines.Count() <= static_cast<int>(size));
    std::size_t kept = 0;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string& line = lines.Get(i);
        Check(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
        kept += line.size();
        const std::string expanded = lines.ExpandedLine(i);
        Check(expanded.size() >= line.size());
        Check(lines.LongestLineLength() >= static_cast<int>(expanded.size()));
    }
    Check(kept <= size);

    const std::string saved = Save(lines);
    TCodeEditStringList again;
    std::istringstream reread(saved);
    again.LoadFromStream(reread);
    Check(again.Count() == lines.Count());
    for (int i = 0; i < lines.Count(); ++i) Check(again.Get(i) == lines.Get(i));
    Check(Save(again) == saved);

    TCodeEditStringList fromText;
    fromText.SetText(lines.Text());
    Check(fromText.Count() == lines.Count());
    return 0;
}
