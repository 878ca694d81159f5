// tipstool edit: runs an editor script against a fresh editor with the Visual Basic highlighter,
// an in-memory window of fixed 8 x 16 pixel cells and an in-memory clipboard, and prints the
// editor's state as JSON on each `dump`, and what the painter draws on each `paint`.
//
// A paint lists the drawing calls in order as JSON. Colours are TColor numbers: fills and lines as
// the painter gave them, text runs with the colours the text drawer set on the canvas (system colours
// resolved to direct ones, as a device gets them).
//
// Text is measured on a recording screen whose fixed-pitch fonts have 8 x 16 cells in every style
// (the window's cell), and whose other fonts (the gutter's) measure by the recording canvas's rule.

#include <algorithm>
#include <charconv>
#include <memory>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "command_registry.hpp"
#include "editor/clipboard_transfer.hpp"
#include "editor/code_edit_painter.hpp"
#include "editor/custom_code_edit.hpp"
#include "editor/key_press.hpp"
#include "editor/main_window_keys.hpp"
#include "editor/memory_clipboard.hpp"
#include "highlight/vb_highlighter.hpp"
#include "highlight/vb_highlighter_form.hpp"
#include "json_text.hpp"
#include "platform/canvas_calls.hpp"
#include "platform/image_list.hpp"
#include "platform/memory_view_port.hpp"
#include "platform/recording_canvas.hpp"
#include "platform/screen_canvas.hpp"

namespace {

using namespace tips::editor;
using json = nlohmann::ordered_json;

constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;

tips::platform::TTextMetrics ScriptFontMetrics(const tips::platform::TFontDescription& font) {
    if (font.Pitch != tips::platform::TFontPitch::fpFixed) return tips::platform::TRecordingCanvas::DefaultMetrics(font);
    return tips::platform::TRecordingCanvas::CellMetrics(kCellWidth, kCellHeight);
}

// Installed for the run of one script: the editor measures its fonts on it from construction on.
class TScriptScreen {
public:
    TScriptScreen() { tips::platform::SetScreenCanvasPort(&port_); }
    ~TScriptScreen() { tips::platform::SetScreenCanvasPort(nullptr); }
    TScriptScreen(const TScriptScreen&) = delete;
    TScriptScreen& operator=(const TScriptScreen&) = delete;

private:
    tips::platform::TRecordingScreenCanvasPort port_{ScriptFontMetrics};
};

// A script line cut into words; double-quoted words are decoded (C escapes).
struct ScriptLine {
    std::vector<std::string> words;
    bool ok = true;
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

ScriptLine SplitScriptLine(std::string_view line) {
    ScriptLine result;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
            result.words.push_back(word);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size()) {
            const char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\' || i >= line.size()) {
                word += c;
                continue;
            }
            const char e = line[i++];
            switch (e) {
                case 'n': word += '\n'; break;
                case 'r': word += '\r'; break;
                case 't': word += '\t'; break;
                case '0': word += '\0'; break;
                case '\\': word += '\\'; break;
                case '"': word += '"'; break;
                case 'x': {
                    int value = 0;
                    int digits = 0;
                    while (digits < 2 && i < line.size() && HexValue(line[i]) >= 0) {
                        value = value * 16 + HexValue(line[i++]);
                        ++digits;
                    }
                    if (digits == 0) result.ok = false;
                    word += static_cast<char>(value);
                    break;
                }
                default: result.ok = false; break;
            }
        }
        if (!closed) result.ok = false;
        result.words.push_back(word);
    }
    return result;
}

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// A colour as a TColor number, decimal or 0x hexadecimal.
std::optional<tips::platform::TColor> ParseColor(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<bool> ParseBool(std::string_view text) {
    if (text == "true" || text == "1") return true;
    if (text == "false" || text == "0") return false;
    return std::nullopt;
}

std::optional<TCodeSelectionMode> ParseMode(std::string_view text) {
    if (text == "normal") return smNormal;
    if (text == "line") return smLine;
    if (text == "column") return smColumn;
    return std::nullopt;
}

const char* ModeName(TCodeSelectionMode mode) {
    switch (mode) {
        case smLine: return "line";
        case smColumn: return "column";
        case smNormal: break;
    }
    return "normal";
}

json Point(TPoint p) { return json::array({p.X, p.Y}); }

json Rect(const tips::platform::TViewRect& r) { return json::array({r.Left, r.Top, r.Right, r.Bottom}); }

json StyleNames(tips::platform::TFontStyles style) {
    using namespace tips::platform;
    json names = json::array();
    if (style.Contains(fsBold)) names.push_back("fsBold");
    if (style.Contains(fsItalic)) names.push_back("fsItalic");
    if (style.Contains(fsUnderline)) names.push_back("fsUnderline");
    if (style.Contains(fsStrikeOut)) names.push_back("fsStrikeOut");
    return names;
}

// One drawing call; saving and restoring the canvas state are left out (they draw nothing).
std::optional<json> CallJson(const tips::platform::TCanvasCall& call) {
    using namespace tips::platform;
    if (const auto* fill = std::get_if<TFillCall>(&call)) return json{{"fill", Rect(fill->Rect)}, {"color", fill->Color}};
    if (const auto* line = std::get_if<TLineCall>(&call)) {
        return json{{"line", json::array({line->From.X, line->From.Y, line->To.X, line->To.Y})}, {"color", line->Color}};
    }
    if (const auto* bitmap = std::get_if<TBitmapCall>(&call)) {
        return json{{"bitmap", bitmap->Name}, {"source", Rect(bitmap->Source)}, {"dest", Rect(bitmap->Dest)}};
    }
    if (const auto* text = std::get_if<TTextCall>(&call)) {
        json out{{"text", tipstool::cp1252ToUtf8(text->Text)},
                 {"x", text->At.X},
                 {"y", text->At.Y},
                 {"font", text->Font.Face},
                 {"style", StyleNames(text->Font.Style)},
                 {"fg", text->Foreground},
                 {"bg", text->Background},
                 {"advances", text->Advances}};
        if (text->Box) {
            out["box"] = Rect(text->Box->Rect);
            out["opaque"] = text->Box->Opaque;
            out["clipped"] = text->Box->Clipped;
        }
        return out;
    }
    if (const auto* clip = std::get_if<TIntersectClipCall>(&call)) return json{{"clip", Rect(clip->Rect)}};
    if (std::holds_alternative<TSaveStateCall>(call) || std::holds_alternative<TRestoreStateCall>(call)) return std::nullopt;
    return json{{std::string(CallName(call)), Describe(call)}};
}

// The bookmark image list a script may give the editor: `count` images of 16 x 16 pixels.
class ScriptImages final : public tips::platform::TImageList {
public:
    explicit ScriptImages(int count) : bitmap_("BookmarkImages", 16 * std::max(count, 1), 16), count_(count) {}
    int Count() const override { return count_; }
    void Draw(tips::platform::TCanvas& canvas, int index, tips::platform::TViewPoint at) const override {
        canvas.DrawBitmap(bitmap_, {index * 16, 0, index * 16 + 16, 16}, at);
    }

private:
    tips::platform::TBitmap bitmap_;
    int count_;
};

// One member per line, each value compact, so that expected dumps read and diff line by line.
void PrintDump(const json& dump) {
    std::cout << "{\n";
    std::size_t index = 0;
    for (const auto& [key, value] : dump.items()) {
        std::cout << "  " << json(key).dump() << ": " << value.dump() << (++index < dump.size() ? ",\n" : "\n");
    }
    std::cout << "}\n";
}

class ScriptRunner {
public:
    ScriptRunner(int columns, int rows, bool mainKeys)
        : view_({2 + 30 + columns * kCellWidth, rows * kCellHeight}, {kCellWidth, kCellHeight}) {
        if (mainKeys) LoadMainWindowKeys(editor_.Keystrokes());
        editor_.SetHighlighter(&highlighter_);
        editor_.AttachClipboard(&clipboard_);
        editor_.AttachView(&view_, &view_);
        editor_.OnStatusChange = [this](TCustomCodeEdit&, TCodeStatusChanges changes) {
            status_ = static_cast<TCodeStatusChanges>(status_ | changes);
        };
    }

    // False when the line is not a valid script line.
    bool Run(const ScriptLine& line) {
        const auto& w = line.words;
        if (!line.ok) return false;
        const std::string& verb = w[0];
        if (verb == "text" && w.size() == 2) {
            std::istringstream stream(w[1]);
            editor_.Lines().LoadFromStream(stream);
            editor_.ClearUndo();
            editor_.SetModified(false);
            return true;
        }
        if (verb == "key" && w.size() == 2) {
            const auto press = ParseKeyPress(w[1]);
            if (!press) return false;
            editor_.KeyDown(press->Key, press->Shift);
            if (press->Character) editor_.KeyPress(*press->Character);
            return true;
        }
        if (verb == "type" && w.size() == 2) {
            for (const char c : w[1]) editor_.KeyPress(c);
            return true;
        }
        if (verb == "cmd" && (w.size() == 2 || w.size() == 4)) {
            const auto command = StringToEditorCommand(w[1]);
            if (!command) return false;
            TCommandData data;
            if (w.size() == 4) {
                const auto x = ParseInt(w[2]);
                const auto y = ParseInt(w[3]);
                if (!x || !y) return false;
                data = TPoint{*x, *y};
            }
            editor_.RunCommand(*command, 0, data);
            return true;
        }
        if ((verb == "caret" || verb == "anchor" || verb == "extent") && w.size() == 3) {
            const auto x = ParseInt(w[1]);
            const auto y = ParseInt(w[2]);
            if (!x || !y) return false;
            if (verb == "caret") editor_.SetCaretPoint({*x, *y});
            if (verb == "anchor") editor_.SetSelAnchor({*x, *y});
            if (verb == "extent") editor_.SetSelExtent({*x, *y});
            return true;
        }
        if (verb == "mode" && w.size() == 2) {
            const auto mode = ParseMode(w[1]);
            if (!mode) return false;
            editor_.SetSelectionMode(*mode);
            return true;
        }
        if (verb == "options" && w.size() >= 2) return SetOptions(w);
        if (verb == "set" && w.size() == 3) return SetProperty(w[1], w[2]);
        if (verb == "clipboard" && (w.size() == 2 || w.size() == 3)) {
            std::optional<TCodeSelectionMode> mode;
            if (w.size() == 3) {
                mode = ParseMode(w[2]);
                if (!mode) return false;
            }
            if (mode) {
                WriteCodeEditClipboard(clipboard_, w[1], *mode);
            } else {
                // Plain text only, as another program would leave it.
                tips::platform::TClipboardOpener opener(clipboard_);
                clipboard_.Clear();
                clipboard_.SetData(clipboard_.TextFormat(), w[1] + '\0');
            }
            return true;
        }
        if (verb == "dump" && w.size() == 1) {
            PrintDump(Dump());
            return true;
        }
        if (verb == "paint" && (w.size() == 1 || w.size() == 5)) return Paint(w);
        if (verb == "focus" && w.size() == 2) {
            const auto flag = ParseBool(w[1]);
            if (!flag) return false;
            view_.SetFocus(*flag);
            if (*flag) {
                editor_.FocusReceived();
            } else {
                editor_.FocusLost();
            }
            return true;
        }
        if (verb == "lines" && w.size() == 2) {
            const auto count = ParseInt(w[1]);
            if (!count || *count < 0) return false;
            std::string text;
            for (int i = 1; i <= *count; ++i) text += "Line" + std::to_string(i) + "\r\n";
            std::istringstream stream(text);
            editor_.Lines().LoadFromStream(stream);
            editor_.ClearUndo();
            editor_.SetModified(false);
            return true;
        }
        if (verb == "highlighter" && w.size() == 2) {
            if (w[1] == "none") {
                editor_.SetHighlighter(nullptr);
            } else if (w[1] == "vb") {
                editor_.SetHighlighter(&highlighter_);
            } else if (w[1] == "main") {
                tips::highlight::ConfigureVBHighlighter1(highlighter_);
                editor_.SetHighlighter(&highlighter_);
            } else {
                return false;
            }
            return true;
        }
        if (verb == "codigo" && w.size() == 1) {
            ApplyCodigo();
            return true;
        }
        if (verb == "mark" && w.size() >= 3) return AddMark(w);
        if (verb == "attribute" && w.size() == 3) return SetAttribute(w[1], w[2]);
        if (verb == "images" && w.size() == 2) {
            const auto count = ParseInt(w[1]);
            if (!count || *count < 0) return false;
            images_ = std::make_unique<ScriptImages>(*count);
            editor_.BookMarkOptions().SetBookmarkImages(images_.get());
            return true;
        }
        return false;
    }

private:
    bool SetOptions(const std::vector<std::string>& w) {
        TCodeEditorOptions options = editor_.Options();
        for (std::size_t i = 1; i < w.size(); ++i) {
            if (w[i].size() < 2 || (w[i][0] != '+' && w[i][0] != '-')) return false;
            const auto option = CodeEditorOptionFromName(std::string_view(w[i]).substr(1));
            if (!option) return false;
            options = w[i][0] == '+' ? options.With(*option) : options.Without(*option);
        }
        editor_.SetOptions(options);
        return true;
    }

    // `paint` paints the whole client area, `paint X Y W H` that rectangle, and prints the calls.
    bool Paint(const std::vector<std::string>& w) {
        const auto client = view_.ClientSize();
        tips::platform::TViewRect clip{0, 0, client.Width, client.Height};
        if (w.size() == 5) {
            const auto x = ParseInt(w[1]);
            const auto y = ParseInt(w[2]);
            const auto width = ParseInt(w[3]);
            const auto height = ParseInt(w[4]);
            if (!x || !y || !width || !height) return false;
            clip = {*x, *y, *x + *width, *y + *height};
        }
        tips::platform::TRecordingCanvas canvas;
        canvas.SetMetricsRule(ScriptFontMetrics);
        painter_.Paint(canvas, clip);
        std::cout << "{\n  \"paint\": " << Rect(clip).dump() << ",\n  \"calls\": [";
        bool first = true;
        for (const auto& call : canvas.Calls()) {
            const auto item = CallJson(call);
            if (!item) continue;
            std::cout << (first ? "\n    " : ",\n    ") << item->dump();
            first = false;
        }
        std::cout << (first ? "]\n}\n" : "\n  ]\n}\n");
        return true;
    }

    // attribute PATH VALUE: a stored highlighter property ("KeyAttri.Style 5"; styles as their bit set).
    bool SetAttribute(const std::string& path, const std::string& value) {
        const auto number = ParseColor(value);
        if (!number) return false;
        try {
            tips::highlight::ApplyStoredProperties(highlighter_, {{path, static_cast<std::int64_t>(*number)}});
        } catch (const tips::highlight::EHighlighterPropertyError&) {
            return false;
        }
        return true;
    }

    // The main window's Codigo: its font, its gutter and VBHighlighter1's colours.
    void ApplyCodigo() {
        using namespace tips::platform;
        editor_.SetFont({{"Courier New", -13, fsBold, kDefaultCharSet, TFontPitch::fpFixed}, clBlack});
        TCodeGutter& gutter = editor_.Gutter();
        gutter.SetAutoSize(true);
        gutter.SetShowLineNumbers(true);
        gutter.SetWidth(20);
        gutter.SetFont({{"Arial", -13, {}, kAnsiCharSet, TFontPitch::fpDefault}, clWindowText});
        tips::highlight::ConfigureVBHighlighter1(highlighter_);
        editor_.SetHighlighter(&highlighter_);
    }

    // mark LINE IMAGE [internal] [hidden] [bookmark=N]: a plain mark (or a mark numbered as a bookmark).
    bool AddMark(const std::vector<std::string>& w) {
        const auto line = ParseInt(w[1]);
        const auto image = ParseInt(w[2]);
        if (!line || !image) return false;
        auto mark = std::make_unique<TCodeEditMark>();
        mark->SetLine(*line);
        mark->SetImageIndex(*image);
        mark->SetVisible(true);
        for (std::size_t i = 3; i < w.size(); ++i) {
            if (w[i] == "internal") {
                mark->SetInternalImage(true);
            } else if (w[i] == "hidden") {
                mark->SetVisible(false);
            } else if (w[i].rfind("bookmark=", 0) == 0) {
                const auto number = ParseInt(std::string_view(w[i]).substr(9));
                if (!number) return false;
                mark->SetBookmarkNumber(*number);
            } else {
                return false;
            }
        }
        editor_.MarkList().Add(std::move(mark));
        return true;
    }

    static bool IsFlagProperty(const std::string& name) {
        static const char* const kFlags[] = {"HideSelection", "Gutter.AutoSize", "Gutter.ShowLineNumbers",
                                             "Gutter.LeadingZeros", "Gutter.ZeroStart", "Gutter.UseFontStyle",
                                             "Gutter.Visible", "BookMarkOptions.DrawBookmarksFirst",
                                             "BookMarkOptions.GlyphsVisible", "Highlighter.Enabled"};
        return std::find(std::begin(kFlags), std::end(kFlags), name) != std::end(kFlags);
    }

    bool SetPaintProperty(const std::string& name, const std::string& value) {
        TCodeGutter& gutter = editor_.Gutter();
        TCodeBookMarkOpt& marks = editor_.BookMarkOptions();
        if (name == "Color" || name == "RightEdgeColor" || name == "Gutter.Color" || name == "SelectedColor.Background" ||
            name == "SelectedColor.Foreground" || name == "Font.Color") {
            const auto color = ParseColor(value);
            if (!color) return false;
            if (name == "Color") editor_.SetColor(*color);
            if (name == "RightEdgeColor") editor_.SetRightEdgeColor(*color);
            if (name == "Gutter.Color") gutter.SetColor(*color);
            if (name == "SelectedColor.Background") editor_.SelectedColor().SetBackground(*color);
            if (name == "SelectedColor.Foreground") editor_.SelectedColor().SetForeground(*color);
            if (name == "Font.Color") {
                TCodeEditFont font = editor_.Font();
                font.Color = *color;
                editor_.SetFont(font);
            }
            return true;
        }
        if (const auto flag = ParseBool(value); flag && IsFlagProperty(name)) {
            if (name == "HideSelection") editor_.SetHideSelection(*flag);
            else if (name == "Gutter.AutoSize") gutter.SetAutoSize(*flag);
            else if (name == "Gutter.ShowLineNumbers") gutter.SetShowLineNumbers(*flag);
            else if (name == "Gutter.LeadingZeros") gutter.SetLeadingZeros(*flag);
            else if (name == "Gutter.ZeroStart") gutter.SetZeroStart(*flag);
            else if (name == "Gutter.UseFontStyle") gutter.SetUseFontStyle(*flag);
            else if (name == "Gutter.Visible") gutter.SetVisible(*flag);
            else if (name == "BookMarkOptions.DrawBookmarksFirst") marks.SetDrawBookmarksFirst(*flag);
            else if (name == "BookMarkOptions.GlyphsVisible") marks.SetGlyphsVisible(*flag);
            else if (name == "Highlighter.Enabled") highlighter_.SetEnabled(*flag);
            else return false;
            return true;
        }
        const auto number = ParseInt(value);
        if (!number) return false;
        if (name == "ExtraLineSpacing") editor_.SetExtraLineSpacing(*number);
        else if (name == "Gutter.DigitCount") gutter.SetDigitCount(*number);
        else if (name == "Gutter.Width") gutter.SetWidth(*number);
        else if (name == "Gutter.LeftOffset") gutter.SetLeftOffset(*number);
        else if (name == "Gutter.RightOffset") gutter.SetRightOffset(*number);
        else if (name == "BookMarkOptions.LeftMargin") marks.SetLeftMargin(*number);
        else if (name == "BookMarkOptions.Xoffset") marks.SetXoffset(*number);
        else if (name == "FirstVisibleLine") editor_.SetFirstVisibleLine(*number);
        else if (name == "FirstVisibleColumn") editor_.SetFirstVisibleColumn(*number);
        else return false;
        return true;
    }

    bool SetProperty(const std::string& name, const std::string& value) {
        if (SetPaintProperty(name, value)) return true;
        if (name == "InsertMode" || name == "ReadOnly" || name == "WantTabs") {
            const auto flag = ParseBool(value);
            if (!flag) return false;
            if (name == "InsertMode") editor_.SetInsertMode(*flag);
            if (name == "ReadOnly") editor_.SetReadOnly(*flag);
            if (name == "WantTabs") editor_.SetWantTabs(*flag);
            return true;
        }
        const auto number = ParseInt(value);
        if (!number) return false;
        if (name == "TabWidth") editor_.SetTabWidth(*number);
        else if (name == "MaxUndo") editor_.SetMaxUndo(*number);
        else if (name == "RightEdge") editor_.SetRightEdge(*number);
        else if (name == "MaxLeftChar") editor_.SetMaxLeftChar(*number);
        else return false;
        return true;
    }

    json Dump() {
        json out;
        json lines = json::array();
        for (int i = 0; i < editor_.LineCount(); ++i) lines.push_back(tipstool::cp1252ToUtf8(editor_.Lines().Get(i)));
        out["lines"] = lines;
        out["caret"] = Point(editor_.CaretPoint());
        out["anchor"] = Point(editor_.SelAnchor());
        out["extent"] = Point(editor_.SelExtent());
        out["mode"] = ModeName(editor_.SelectionMode());
        out["insert_mode"] = editor_.InsertMode();
        out["modified"] = editor_.Modified();
        out["undo"] = editor_.UndoList().ItemCount();
        out["redo"] = editor_.RedoList().ItemCount();
        out["first_line"] = editor_.FirstVisibleLine();
        out["first_column"] = editor_.FirstVisibleColumn();
        out["clipboard"] = ClipboardJson();
        json marks = json::array();
        for (int n = 0; n <= 9; ++n) {
            if (const TCodeEditMark* mark = editor_.Bookmark(n)) {
                marks.push_back({{"bookmark", n}, {"line", mark->Line()}, {"column", mark->Char()}});
            }
        }
        out["marks"] = marks;
        out["status"] = StatusChangeNames(status_);
        status_ = 0;
        return out;
    }

    // The plain text and, when the private format is there, its mode; null for an empty clipboard.
    json ClipboardJson() {
        tips::platform::TClipboardOpener opener(clipboard_);
        const auto text = clipboard_.GetData(clipboard_.TextFormat());
        if (!text) return nullptr;
        json mode = nullptr;
        if (const auto block = clipboard_.GetData(clipboard_.RegisterFormat(kBlockTypeFormatName)); block && !block->empty()) {
            mode = ModeName(static_cast<TCodeSelectionMode>(static_cast<unsigned char>((*block)[0])));
        }
        return {{"text", tipstool::cp1252ToUtf8(text->substr(0, text->find('\0')))}, {"mode", mode}};
    }

    TScriptScreen screen_;  // first: the editor measures on it from its construction
    tips::highlight::TVBHighlighter highlighter_;
    tips::platform::TMemoryViewPort view_;
    TMemoryClipboard clipboard_;
    std::unique_ptr<ScriptImages> images_;
    TCustomCodeEdit editor_;
    TCodeEditPainter painter_{editor_};
    TCodeStatusChanges status_ = 0;
};

int RunEdit(const std::vector<std::string>& args) {
    std::string keys = "default";
    int columns = 80;
    int rows = 25;
    std::string script;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--keys" && i + 1 < args.size()) {
            keys = args[++i];
        } else if (args[i] == "--size" && i + 1 < args.size()) {
            const std::string& size = args[++i];
            const auto x = size.find('x');
            const auto c = x == std::string::npos ? std::nullopt : ParseInt(std::string_view(size).substr(0, x));
            const auto r = x == std::string::npos ? std::nullopt : ParseInt(std::string_view(size).substr(x + 1));
            if (!c || !r || *c < 1 || *r < 1) {
                std::cerr << "tipstool edit: bad --size " << size << "\n";
                return tipstool::kExitUsage;
            }
            columns = *c;
            rows = *r;
        } else if (script.empty() && !args[i].empty() && args[i][0] != '-') {
            script = args[i];
        } else {
            std::cerr << "tipstool edit: unexpected argument " << args[i] << "\n";
            return tipstool::kExitUsage;
        }
    }
    if (script.empty() || (keys != "default" && keys != "main")) {
        std::cerr << "usage: tipstool edit [--keys default|main] [--size COLSxROWS] SCRIPT\n";
        return tipstool::kExitUsage;
    }
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        std::cerr << "tipstool edit: cannot open " << script << "\n";
        return tipstool::kExitFailed;
    }
    ScriptRunner runner(columns, rows, keys == "main");
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#') continue;
        // Scripts are UTF-8; the editor's text is Windows-1252 (\xHH escapes give any byte).
        const std::string line = tipstool::utf8ToCp1252(text).value_or(text);
        if (!runner.Run(SplitScriptLine(line))) {
            std::cerr << script << ":" << number << ": unknown script line: " << text << "\n";
            return tipstool::kExitUsage;
        }
    }
    return tipstool::kExitOk;
}

const tipstool::CommandRegistrar registrar{tipstool::Command{
    "edit", "  tipstool edit [--keys default|main] [--size COLSxROWS] SCRIPT   run an editor script (dump state, paint)\n", RunEdit}};

}  // namespace
