#include "platform/canvas_text_box.hpp"

#include <algorithm>
#include <utility>

namespace tips::platform {

namespace {

constexpr std::string_view kEllipsis = "...";

// The text without its accelerator marks: "&&" is one ampersand, "&x" marks x, a last lone "&" goes.
std::string StripPrefixes(std::string_view text, std::optional<std::size_t>& accelerator) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            plain += text[i];
            continue;
        }
        if (++i == text.size()) break;
        if (text[i] != '&') accelerator = plain.size();
        plain += text[i];
    }
    return plain;
}

class TLayouter {
public:
    TLayouter(const TViewRect& rect, TTextFormat format, const TTextBoxMetrics& metrics)
        : rect_(rect), format_(format), metrics_(metrics) {}

    int Width(std::string_view run) const {
        if (!(format_ & tfExpandTabs)) return metrics_.Width(run);
        const int tab = std::max(metrics_.TabWidth, 1);
        int x = 0;
        for (std::size_t start = 0;;) {
            const std::size_t at = run.find('\t', start);
            x += metrics_.Width(run.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
            if (at == std::string_view::npos) return x;
            x = (x / tab + 1) * tab;
            start = at + 1;
        }
    }

    // The lines of one paragraph (no line ends in it), each as [begin, end) of the paragraph.
    void BreakParagraph(std::string_view paragraph, std::size_t offset, std::vector<std::pair<std::size_t, std::size_t>>& out) const {
        const int limit = rect_.Right - rect_.Left;
        const bool breaks = (format_ & tfWordBreak) && !(format_ & tfSingleLine);
        std::size_t start = 0;
        while (true) {
            const std::string_view rest = paragraph.substr(start);
            if (!breaks || Width(rest) <= limit) {
                out.emplace_back(offset + start, offset + paragraph.size());
                return;
            }
            // The last blank before which the line still fits.
            std::size_t cut = std::string_view::npos;
            for (std::size_t blank = paragraph.find(' ', start + 1); blank != std::string_view::npos;
                 blank = paragraph.find(' ', blank + 1)) {
                if (Width(paragraph.substr(start, blank - start)) > limit) break;
                cut = blank;
            }
            std::size_t next;
            if (cut != std::string_view::npos) {
                next = cut;
            } else if (format_ & tfEditControl) {
                // Break inside the word, keeping at least one character on the line.
                cut = start + 1;
                while (cut < paragraph.size() && Width(paragraph.substr(start, cut + 1 - start)) <= limit) ++cut;
                next = cut;
            } else {
                // The word overflows on a line of its own.
                cut = paragraph.find(' ', start + 1);
                if (cut == std::string_view::npos) {
                    out.emplace_back(offset + start, offset + paragraph.size());
                    return;
                }
                next = cut;
            }
            // The blanks at the break stay on the line as far as they fit; the next line starts at a word.
            const std::size_t wordEnd = cut;
            while (next < paragraph.size() && paragraph[next] == ' ') ++next;
            std::size_t end = next;
            while (end > wordEnd && Width(paragraph.substr(start, end - start)) > limit) --end;
            out.emplace_back(offset + start, offset + end);
            if (next >= paragraph.size()) return;
            start = next;
        }
    }

    // Shortens a line that is too wide by the ellipsis flags.
    std::string Ellipsize(std::string line) const {
        const int limit = rect_.Right - rect_.Left;
        if (!(format_ & (tfEndEllipsis | tfPathEllipsis)) || Width(line) <= limit) return line;
        if (format_ & tfPathEllipsis) {
            const std::size_t slash = line.find_last_of("\\/");
            if (slash != std::string::npos && slash > 0) {
                const std::string tail = line.substr(slash);
                for (std::size_t keep = slash; keep-- > 0;) {
                    std::string shortened = line.substr(0, keep) + std::string(kEllipsis) + tail;
                    if (Width(shortened) <= limit || keep == 0) return shortened;
                }
            }
        }
        for (std::size_t keep = line.size(); keep-- > 0;) {
            std::string shortened = line.substr(0, keep) + std::string(kEllipsis);
            if (Width(shortened) <= limit || keep == 0) return shortened;
        }
        return line;
    }

private:
    TViewRect rect_;
    TTextFormat format_;
    const TTextBoxMetrics& metrics_;
};

}  // namespace

TTextBoxLayout LayoutTextBox(const TViewRect& rect, std::string_view text, TTextFormat format,
                             const TTextBoxMetrics& metrics) {
    std::optional<std::size_t> accelerator;
    const std::string plain = (format & tfNoPrefix) ? std::string(text) : StripPrefixes(text, accelerator);
    const TLayouter layouter(rect, format, metrics);

    std::vector<std::pair<std::size_t, std::size_t>> spans;
    if (format & tfSingleLine) {
        spans.emplace_back(0, plain.size());
    } else {
        for (std::size_t start = 0; start < plain.size();) {
            std::size_t end = plain.find_first_of("\r\n", start);
            if (end == std::string::npos) end = plain.size();
            layouter.BreakParagraph(std::string_view(plain).substr(start, end - start), start, spans);
            if (end == plain.size()) break;
            start = end + ((plain[end] == '\r' && end + 1 < plain.size() && plain[end + 1] == '\n') ? 2 : 1);
        }
    }

    TTextBoxLayout layout;
    const int width = rect.Right - rect.Left;
    int y = rect.Top;
    if (format & tfSingleLine) {
        if (format & tfVCenter) y = rect.Top + (rect.Bottom - rect.Top - metrics.LineHeight) / 2;
        else if (format & tfBottom) y = rect.Bottom - metrics.LineHeight;
    }
    int widest = 0;
    for (const auto& [begin, end] : spans) {
        TTextBoxLine line;
        line.Text = layouter.Ellipsize(plain.substr(begin, end - begin));
        line.Width = layouter.Width(line.Text);
        if (accelerator && *accelerator >= begin && *accelerator < end && *accelerator - begin < line.Text.size() &&
            line.Text.compare(0, *accelerator - begin + 1, plain, begin, *accelerator - begin + 1) == 0) {
            line.Accelerator = *accelerator - begin;
        }
        int x = rect.Left;
        if (format & tfCenter) x += (width - line.Width) / 2;
        else if (format & tfRight) x += width - line.Width;
        line.At = {x, y};
        y += metrics.LineHeight;
        widest = std::max(widest, line.Width);
        layout.Lines.push_back(std::move(line));
    }
    layout.Bounds = {rect.Left, rect.Top, rect.Left + widest,
                     rect.Top + static_cast<int>(layout.Lines.size()) * metrics.LineHeight};
    return layout;
}

}  // namespace tips::platform
