#include "skin/skin_model_reader.hpp"

#include <map>
#include <string>

#include "base/text_case.hpp"
#include "skin/frame_strip.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_image_name.hpp"

namespace tips::skin {

namespace {

constexpr std::string_view kPersonality = "Personality";

// Tile takes 0 or 1; larger values mean stretching.
int TileValue(int value) { return value > 1 ? 0 : value; }

// The frame count of a title-bar button whose `frame` key is 0 (or missing): 3 for images at most
// 3.8 times as wide as high, else 6.
int SysButtonFrames(const Image& image, int action) {
    if (image.Empty() || action < 0) return 6;
    return image.Width() * 10 <= image.Height() * 38 ? 3 : 6;
}

// Check and radio glyph strips whose frame count is not given: width div 13 (height below 16) or
// div 16, but at least 4.
int GlyphFrames(const Image& image) {
    if (image.Empty()) return 4;
    const int frames = image.Width() / (image.Height() < 16 ? 13 : 16);
    return frames < 4 ? 4 : frames;
}

class SkinModelReader {
public:
    SkinModelReader(const IniFile& ini, const SkinEntryLookup& entries) : ini_(ini), entries_(entries) {}

    TSkinData Read() {
        TSkinData skin;
        skin.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
        skin.Left = ReadBorderPiece("Left", true);
        skin.Right = ReadBorderPiece("Right", true);
        skin.Top = ReadBorderPiece("Top", false);
        skin.Bottom = ReadBorderPiece("Bottom", false);
        skin.Colours = ReadColours();
        skin.Palette = ReadPalette();
        buttonText_ = skin.Colours.ButtonText;
        skin.SysButtons = ReadSysButtons();
        AppendChildWindowButtons(skin.SysButtons);
        skin.Buttons = ReadButtons();
        skin.Caption = ReadCaption();
        skin.Progress = ReadProgress();
        skin.MenuBar = ReadMenuBar();
        ReadGenericElements(skin);
        skin.BackgroundBrush = skin.Colours.ButtonFace;
        return skin;
    }

private:
    // The image an INI value names, decoded once per entry.
    Image LoadImage(std::string_view value) {
        const auto name = SkinImageEntryName(value);
        if (!name) return {};
        const std::string key = base::LowerCase1252(*name);
        if (const auto cached = images_.find(key); cached != images_.end()) return cached->second;
        Image image;
        if (const auto bytes = entries_(*name)) {
            try {
                image = ReadBitmap(*bytes);
            } catch (const ESkinFormatError&) {
                image = {};  // a damaged picture draws like a missing one
            }
        }
        images_.emplace(key, image);
        return image;
    }

    Image ReadImage(std::string_view section, std::string_view key) {
        return LoadImage(ini_.ReadString(section, key, ""));
    }

    int Int(std::string_view section, std::string_view key, int defaultValue) const {
        return ini_.ReadInteger(section, key, defaultValue);
    }

    TSkinBorderElement ReadBorderPiece(const std::string& piece, bool vertical) {
        TSkinBorderElement e;
        e.Name = piece;
        e.Bitmap = ReadImage(kPersonality, piece);
        const int first = Int(kPersonality, piece + "TopHeight", 0);
        const int second = Int(kPersonality, piece + "BotHeight", 0);
        if (vertical) {
            e.TopHeight = first;
            e.BottomHeight = second;
        } else {
            e.LeftWidth = first;
            e.RightWidth = second;
        }
        e.FrameCount = Int(kPersonality, piece + "Frame", 1);
        e.Stretch = Int(kPersonality, piece + "Stretch", 1);
        e.Tile = e.Stretch == 1 ? 0 : 1;
        e.Trans = Int(kPersonality, piece + "Trans", 1);
        return e;
    }

    TSkinColours ReadColours() const {
        constexpr std::string_view s = "Colours";
        TSkinColours c;
        c.WindowText = ini_.ReadColour(s, "WindowText", clWindowText);
        c.ButtonFace = ini_.ReadColour(s, "ButtonFace", clBtnFace);
        c.Scrollbar = ini_.ReadColour(s, "Scrollbar", clScrollBar);
        c.HilightText = ini_.ReadColour(s, "HilightText", clHighlightText);
        c.Hilight = ini_.ReadColour(s, "Hilight", clHighlight);
        c.Menubar = ini_.ReadColour(s, "Menubar", c.ButtonFace);
        c.Menu = ini_.ReadColour(s, "Menu", clMenu);
        c.MenuText = ini_.ReadColour(s, "MenuText", clMenuText);
        c.ButtonText = ini_.ReadColour(s, "ButtonText", clBtnText);
        c.ButtonHilight = ini_.ReadColour(s, "ButtonHilight", clBtnHighlight);
        c.Buttonlight = ini_.ReadColour(s, "Buttonlight", clBtnHighlight);
        c.ButtonShadow = ini_.ReadColour(s, "ButtonShadow", clBtnShadow);
        c.ButtonDkShadow = ini_.ReadColour(s, "ButtonDkShadow", cl3DDkShadow);
        c.MenuBarText = ini_.ReadColour(s, "MenuBarText", clMenuText);
        c.TitleTextActive = ini_.ReadColour(s, "TitleTextActive", clCaptionText);
        c.TitleTextNoActive = ini_.ReadColour(s, "TitleTextNoActive", clInactiveCaptionText);
        return c;
    }

    std::vector<TColor> ReadPalette() const {
        std::vector<TColor> palette;
        for (const auto& section : ini_.SectionNames()) {
            if (!base::StartsWithIgnoreCase1252(section, "COLOUR") || base::EqualsIgnoreCase1252(section, "COLOURS")) continue;
            palette.push_back(ini_.ReadColour(section, "color", clWindowText));
        }
        return palette;
    }

    static bool IsSysButtonSection(std::string_view section) {
        if (!base::StartsWithIgnoreCase1252(section, "BUTTON")) return false;
        for (const std::string_view other : {"BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX", "BUTTON"})
            if (base::EqualsIgnoreCase1252(section, other)) return false;
        return true;
    }

    std::vector<TSkinSysButtonElement> ReadSysButtons() {
        std::vector<TSkinSysButtonElement> buttons;
        for (const auto& section : ini_.SectionNames()) {
            if (!IsSysButtonSection(section)) continue;
            TSkinSysButtonElement b;
            b.Name = section;
            b.Action = Int(section, "Action", 0);
            b.Visibility = Int(section, "Visibility", 0);
            if (b.Action == -1 && b.Visibility != 0) continue;
            b.Align = Int(section, "Align", 0);
            b.Xcoord = Int(section, "Xcoord", 0);
            b.Ycoord = Int(section, "Ycoord", 0);
            b.Visibility1 = Int(section, "Visibility1", b.Action == -1 ? -1 : 0);
            b.CombineOp = Int(section, "CombineOp", -1);
            b.Bitmap = ReadImage(section, "ButtonImage");
            b.FrameCount = Int(section, "frame", 0);
            // A count below 1 would leave nothing to cut; it takes the computed one like 0 does.
            if (b.FrameCount < 1) b.FrameCount = SysButtonFrames(b.Bitmap, b.Action);
            // The window-icon buttons show the window's icon instead of an image.
            if (b.Action == 3 || b.Action == 11) b.Bitmap = {};
            b.NormalColour2 = b.MouseOverColour2 = b.PressedColour2 = buttonText_;
            buttons.push_back(std::move(b));
        }
        return buttons;
    }

    // Minimise, restore and close of a maximised child window: four columns each of [MDICONTROLS] Image.
    void AppendChildWindowButtons(std::vector<TSkinSysButtonElement>& buttons) {
        const Image strip = ReadImage("MDICONTROLS", "Image");
        const int column = strip.Width() / 12;
        for (int i = 0; i < 3; ++i) {
            TSkinSysButtonElement b;
            b.Name = "MDICONTROLS";
            b.Action = 7 + i;
            b.Align = b.Visibility = b.Visibility1 = 100;
            b.FrameCount = 4;
            if (column > 0) b.Bitmap = Crop(strip, 4 * i * column, 0, 4 * column, strip.Height());
            b.Xcoord = (column + 4) * (3 - i);
            b.NormalColour2 = b.MouseOverColour2 = b.PressedColour2 = buttonText_;
            buttons.push_back(std::move(b));
        }
    }

    // The keys every element section shares.
    void ReadCommon(std::string_view section, TSkinElement& e) const {
        e.Name = std::string(section);
        e.LeftWidth = Int(section, "LeftWidth", 0);
        e.RightWidth = Int(section, "RightWidth", 0);
        e.TopHeight = Int(section, "TopHeight", 0);
        e.BottomHeight = Int(section, "BottomHeight", 0);
        e.Trans = Int(section, "Trans", 0);
        e.Tile = TileValue(Int(section, "Tile", 0));
        e.Style = Int(section, "Style", 0);
        e.NormalColour = Int(section, "NormalColour", -1);
        e.MouseOverColour = Int(section, "MouseOverColour", -1);
        e.PressedColour = Int(section, "PressedColour", -1);
        e.NormalColour2 = ini_.ReadColour(section, "NormalColour2", buttonText_);
        e.MouseOverColour2 = ini_.ReadColour(section, "MouseOverColour2", buttonText_);
        e.PressedColour2 = ini_.ReadColour(section, "PressedColour2", buttonText_);
    }

    TSkinButtonElement ReadButtons() {
        constexpr std::string_view s = "Buttons";
        TSkinButtonElement b;
        ReadCommon(s, b);
        b.Bitmap = ReadImage(s, "Bitmap");
        b.CheckButton = ReadImage(s, "CheckButton");
        b.RadioButton = ReadImage(s, "RadioButton");
        b.RadioButtonFrame = Int(s, "RadioButtonFrame", 0);
        b.CheckButtonFrame = Int(s, "CheckButtonFrame", 0);
        if (b.CheckButtonFrame == 0) b.CheckButtonFrame = GlyphFrames(b.CheckButton);
        if (b.RadioButtonFrame == 0) b.RadioButtonFrame = GlyphFrames(b.RadioButton);
        b.HasNormalColour2 = ini_.ValueExists(s, "NormalColour2");
        b.HasMouseOverColour2 = ini_.ValueExists(s, "MouseOverColour2");
        b.HasPressedColour2 = ini_.ValueExists(s, "PressedColour2");
        b.FrameCount = 5;
        return b;
    }

    std::optional<TColor> TextColour(std::string_view prefix) const {
        const std::string p(prefix);
        const int r = Int(kPersonality, p + "R", -1);
        const int g = Int(kPersonality, p + "G", -1);
        const int b = Int(kPersonality, p + "B", -1);
        if (r < 0 || g < 0 || b < 0) return std::nullopt;
        return RgbColour(r, g, b);
    }

    TSkinTitleElement ReadCaption() {
        TSkinTitleElement t;
        t.Name = "Caption";
        t.Bitmap = ReadImage(kPersonality, "TextBack");
        t.TextShift = Int(kPersonality, "TextShift", 0);
        t.TextShiftVert = Int(kPersonality, "TextShiftVert", 0);
        t.TextRightClip = Int(kPersonality, "TextRightClip", 0);
        t.TextAlignment = Int(kPersonality, "TextAlignment", 0);
        t.Textbackground = Int(kPersonality, "Textbackground", 0);
        t.TXTBackleft = Int(kPersonality, "TXTBackleft", 0);
        t.TXTBackRight = Int(kPersonality, "TXTBackRight", 0);
        t.FontHeight = Int("Fonts", "FontHeight", 14);
        t.ActiveTextColour = TextColour("ActiveText");
        t.InActiveTextColour = TextColour("InActiveText");
        t.NormalColour2 = t.MouseOverColour2 = t.PressedColour2 = buttonText_;
        t.FrameCount = 2;
        return t;
    }

    TSkinBorderElement ReadProgress() {
        constexpr std::string_view s = "Progress";
        TSkinBorderElement p;
        ReadCommon(s, p);
        p.Bitmap = ReadImage(s, "Bitmap");
        p.Bitmap2 = ReadImage(s, "Chunk");
        p.FrameCount = 2;
        return p;
    }

    TSkinElement ReadMenuBar() {
        TSkinElement m;
        m.Name = "MenuBar";
        m.Bitmap = ReadImage(kPersonality, "menuBar");
        m.Tile = TileValue(Int(kPersonality, "TileMenu", 0));
        m.LeftWidth = Int(kPersonality, "TileLeftMenu", 1);
        m.RightWidth = Int(kPersonality, "TileRightMenu", 1);
        m.NormalColour2 = m.MouseOverColour2 = m.PressedColour2 = buttonText_;
        m.FrameCount = 2;
        return m;
    }

    // A generic element: present only when its section names an image (even one that cannot be loaded).
    template <typename Element>
    std::optional<Element> ReadGeneric(std::string_view section, int frames) {
        const std::string imageValue = ini_.ReadString(section, "Image", "");
        if (imageValue.empty()) return std::nullopt;
        Element e;
        ReadCommon(section, e);
        e.Bitmap = LoadImage(imageValue);
        e.FrameCount = frames;
        return e;
    }

    std::optional<TSkinBorderElement> ReadWithSecondImage(std::string_view section, int frames,
                                                          std::string_view secondKey) {
        auto e = ReadGeneric<TSkinBorderElement>(section, frames);
        if (e) e->Bitmap2 = ReadImage(section, secondKey);
        return e;
    }

    void ReadGenericElements(TSkinData& skin) {
        skin.GroupBoxEdge = ReadGeneric<TSkinElement>("GroupBoxEdge", 2);
        skin.GroupBox = ReadGeneric<TSkinBoxLabelElement>("GroupBox", 1);
        if (skin.GroupBox) {
            skin.GroupBox->BackgroundAlignment = Int("GroupBox", "BackgroundAlignment", 0);
            skin.GroupBox->BackgroundLeftShift = Int("GroupBox", "BackgroundLeftShift", 0);
            skin.GroupBox->BackgroundRightShift = Int("GroupBox", "BackgroundRightShift", 0);
        }
        skin.Toolbars = ReadGeneric<TSkinElement>("Toolbars", 5);
        skin.Tabs = ReadWithSecondImage("Tabs", 5, "Border");
        skin.StatusBarEdges = ReadGeneric<TSkinElement>("StatusBarEdges", 3);
        skin.ComboButton = ReadGeneric<TSkinBorderElement>("ComboButton", 4);
        // Right-to-left combo boxes draw their button from a mirrored copy.
        if (skin.ComboButton && !skin.ComboButton->Bitmap.Empty())
            skin.ComboButton->Bitmap2 = MirrorLeftRight(skin.ComboButton->Bitmap);
        skin.SunkEdge = ReadGeneric<TSkinElement>("SunkEdge", 4);
        skin.ExtraImages = ReadGeneric<TSkinElement>("ExtraImages", 5);
        skin.Headerbar = ReadGeneric<TSkinElement>("Headerbar", 5);
        skin.MenuItem = ReadGeneric<TSkinElement>("MenuItem", 5);
        skin.MenuBackground = ReadGeneric<TSkinElement>("MenuBackground", 1);
        skin.Scrollbar = ReadGeneric<TSkinElement>("Scrollbar", 23);
        skin.HorzScroll = ReadGeneric<TSkinElement>("HorzScroll", 4);
        skin.VertScroll = ReadGeneric<TSkinElement>("VertScroll", 4);
        skin.HorzScrollThumb = ReadGeneric<TSkinElement>("HorzScrollThumb", Int("HorzScrollThumb", "FrameCount", 3));
        skin.VertScrollThumb = ReadGeneric<TSkinElement>("VertScrollThumb", Int("VertScrollThumb", "FrameCount", 3));
        skin.TrackbarThumbHorz = ReadGeneric<TSkinElement>("Trackbar.ThumbHorz", 5);
        skin.TrackbarThumbVert = ReadGeneric<TSkinElement>("Trackbar.ThumbVert", 5);
        skin.TrackbarThumbLeft = ReadGeneric<TSkinElement>("Trackbar.ThumbLeft", 5);
        skin.TrackbarThumbRight = ReadGeneric<TSkinElement>("Trackbar.ThumbRight", 5);
        skin.TrackbarThumbUp = ReadGeneric<TSkinElement>("Trackbar.ThumbUp", 5);
        skin.TrackbarThumbDown = ReadGeneric<TSkinElement>("Trackbar.ThumbDown", 5);
        skin.UpDownHorz = ReadWithSecondImage("UpDown.Horz", 8, "GlyphImage");
        skin.UpDownVert = ReadWithSecondImage("UpDown.Vert", 8, "GlyphImage");
    }

    const IniFile& ini_;
    const SkinEntryLookup& entries_;
    TColor buttonText_ = clBtnText;
    std::map<std::string, Image> images_;
};

}  // namespace

TSkinData ReadSkinModel(const IniFile& ini, const SkinEntryLookup& entries) {
    return SkinModelReader(ini, entries).Read();
}

TSkinData ReadSkinModel(const SkinArchive& archive) {
    const SkinArchiveEntry* iniEntry = archive.FindIni();
    if (iniEntry == nullptr) throw ESkinFormatError("the skin archive holds no INI entry");
    const IniFile ini(archive.Text(*iniEntry));
    const SkinEntryLookup lookup = [&archive](std::string_view name) -> std::optional<std::span<const std::uint8_t>> {
        const SkinArchiveEntry* entry = archive.Find(name);
        if (entry == nullptr) return std::nullopt;
        return archive.Data(*entry);
    };
    return ReadSkinModel(ini, lookup);
}

}  // namespace tips::skin
