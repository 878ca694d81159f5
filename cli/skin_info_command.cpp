// "tipstool skin info [FILE]": decodes a skin file (by default the one the build embeds) and prints its
// archive and the skin model built from it as JSON.

#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "command_registry.hpp"
#include "json_text.hpp"
#include "skin/bitmap.hpp"
#include "skin/embedded_skin.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_model_reader.hpp"
#include "skin/skin_stream.hpp"
#include "skin/skin_texts.hpp"
#include "skin_command.hpp"

namespace tipstool::skin {

namespace {

using json = nlohmann::ordered_json;
using namespace tips::skin;

// A direct colour as "R G B", a system colour as "system N".
json Colour(TColor c) {
    if (c & 0x80000000u) return "system " + std::to_string(c & 0xFFFFu);
    return std::to_string(c & 0xFF) + ' ' + std::to_string((c >> 8) & 0xFF) + ' ' + std::to_string((c >> 16) & 0xFF);
}

json ImageSize(const Image& image) {
    if (image.Empty()) return nullptr;
    return json::array({image.Width(), image.Height()});
}

json Element(const TSkinElement& e) {
    return json{{"name", cp1252ToUtf8(e.Name)},
                {"image", ImageSize(e.Bitmap)},
                {"frameCount", e.FrameCount},
                {"margins", {{"left", e.LeftWidth}, {"top", e.TopHeight}, {"right", e.RightWidth}, {"bottom", e.BottomHeight}}},
                {"trans", e.Trans},
                {"tile", e.Tile},
                {"style", e.Style},
                {"paletteIndexes", {{"normal", e.NormalColour}, {"mouseOver", e.MouseOverColour}, {"pressed", e.PressedColour}}},
                {"colours", {{"normal", Colour(e.NormalColour2)}, {"mouseOver", Colour(e.MouseOverColour2)}, {"pressed", Colour(e.PressedColour2)}}}};
}

json BorderElement(const TSkinBorderElement& e) {
    json j = Element(e);
    j["image2"] = ImageSize(e.Bitmap2);
    return j;
}

json Colours(const TSkinColours& c) {
    return json{{"WindowText", Colour(c.WindowText)},       {"ButtonFace", Colour(c.ButtonFace)},
                {"Scrollbar", Colour(c.Scrollbar)},         {"HilightText", Colour(c.HilightText)},
                {"Hilight", Colour(c.Hilight)},             {"Menubar", Colour(c.Menubar)},
                {"Menu", Colour(c.Menu)},                   {"MenuText", Colour(c.MenuText)},
                {"ButtonText", Colour(c.ButtonText)},       {"ButtonHilight", Colour(c.ButtonHilight)},
                {"Buttonlight", Colour(c.Buttonlight)},     {"ButtonShadow", Colour(c.ButtonShadow)},
                {"ButtonDkShadow", Colour(c.ButtonDkShadow)}, {"MenuBarText", Colour(c.MenuBarText)},
                {"TitleTextActive", Colour(c.TitleTextActive)}, {"TitleTextNoActive", Colour(c.TitleTextNoActive)}};
}

json SysButton(const TSkinSysButtonElement& b) {
    json j = Element(b);
    j["action"] = b.Action;
    j["align"] = b.Align;
    j["xcoord"] = b.Xcoord;
    j["ycoord"] = b.Ycoord;
    j["visibility"] = b.Visibility;
    j["visibility1"] = b.Visibility1;
    j["combineOp"] = b.CombineOp;
    return j;
}

json Model(const TSkinData& skin) {
    json j;
    j["skinName"] = cp1252ToUtf8(skin.SkinName);
    j["border"] = {{"Left", BorderElement(skin.Left)}, {"Right", BorderElement(skin.Right)},
                   {"Top", BorderElement(skin.Top)}, {"Bottom", BorderElement(skin.Bottom)}};
    for (const auto* piece : {&skin.Left, &skin.Right, &skin.Top, &skin.Bottom})
        j["border"][piece->Name]["stretch"] = piece->Stretch;
    j["colours"] = Colours(skin.Colours);
    j["palette"] = json::array();
    for (const TColor c : skin.Palette) j["palette"].push_back(Colour(c));
    j["sysButtons"] = json::array();
    for (const auto& b : skin.SysButtons) j["sysButtons"].push_back(SysButton(b));
    json buttons = Element(skin.Buttons);
    buttons["checkButton"] = ImageSize(skin.Buttons.CheckButton);
    buttons["radioButton"] = ImageSize(skin.Buttons.RadioButton);
    buttons["checkButtonFrame"] = skin.Buttons.CheckButtonFrame;
    buttons["radioButtonFrame"] = skin.Buttons.RadioButtonFrame;
    buttons["coloursPresent"] = {{"normal", skin.Buttons.HasNormalColour2},
                                 {"mouseOver", skin.Buttons.HasMouseOverColour2},
                                 {"pressed", skin.Buttons.HasPressedColour2}};
    j["buttons"] = buttons;
    const TSkinTitleElement& t = skin.Caption;
    json caption = Element(t);
    caption["textShift"] = t.TextShift;
    caption["textShiftVert"] = t.TextShiftVert;
    caption["textRightClip"] = t.TextRightClip;
    caption["textAlignment"] = t.TextAlignment;
    caption["textbackground"] = t.Textbackground;
    caption["txtBackLeft"] = t.TXTBackleft;
    caption["txtBackRight"] = t.TXTBackRight;
    caption["fontHeight"] = t.FontHeight;
    caption["activeText"] = t.ActiveTextColour ? Colour(*t.ActiveTextColour) : json(nullptr);
    caption["inactiveText"] = t.InActiveTextColour ? Colour(*t.InActiveTextColour) : json(nullptr);
    j["caption"] = caption;
    j["progress"] = BorderElement(skin.Progress);
    j["menuBar"] = Element(skin.MenuBar);
    j["elements"] = json::object();
    for (const auto& [name, element] : skin.GenericElements()) j["elements"][name] = Element(*element);
    for (const auto* e : {&skin.Tabs, &skin.ComboButton, &skin.UpDownHorz, &skin.UpDownVert})
        if (*e) j["elements"][(*e)->Name]["image2"] = ImageSize((*e)->Bitmap2);
    if (skin.GroupBox) {
        j["elements"]["GroupBox"]["backgroundAlignment"] = skin.GroupBox->BackgroundAlignment;
        j["elements"]["GroupBox"]["backgroundLeftShift"] = skin.GroupBox->BackgroundLeftShift;
        j["elements"]["GroupBox"]["backgroundRightShift"] = skin.GroupBox->BackgroundRightShift;
    }
    j["backgroundBrush"] = Colour(skin.BackgroundBrush);
    return j;
}

json Entries(const SkinArchive& archive) {
    json entries = json::array();
    for (const auto& entry : archive.Entries()) {
        json e{{"name", cp1252ToUtf8(entry.name)}, {"size", entry.size}};
        try {
            const Image image = ReadBitmap(archive.Data(entry));
            e["width"] = image.Width();
            e["height"] = image.Height();
        } catch (const ESkinFormatError&) {
            // not a bitmap (the INI text)
        }
        entries.push_back(e);
    }
    return entries;
}

int RunInfo(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::cerr << "usage: tipstool skin info [FILE]\n";
        return kExitUsage;
    }
    std::vector<std::uint8_t> skinFile;
    if (args.empty()) {
        const auto stream = ReadSkinStream(EmbeddedSkinStream());
        skinFile.assign(stream.skinFile.begin(), stream.skinFile.end());
    } else {
        std::ifstream in(args[0], std::ios::binary);
        if (!in) {
            std::cerr << "tipstool skin info: cannot read " << args[0] << '\n';
            return kExitFailed;
        }
        skinFile.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<std::uint8_t> decoded = DecodeSkinFile(skinFile);
    const std::size_t decodedSize = decoded.size();
    try {
        const SkinArchive archive(std::move(decoded));
        std::size_t entryBytes = 0;
        for (const auto& entry : archive.Entries()) entryBytes += entry.size;
        const json out{{"file", args.empty() ? json("(embedded)") : json(cp1252ToUtf8(args[0]))},
                       {"skinFileSize", skinFile.size()},
                       {"decodedSize", decodedSize},
                       {"version", archive.Version()},
                       {"nameListLength", archive.NameListLength()},
                       {"entryCount", archive.Entries().size()},
                       {"entryBytes", entryBytes},
                       {"trailingBytes", archive.TrailingBytes()},
                       {"ini", archive.FindIni() ? json(cp1252ToUtf8(archive.FindIni()->name)) : json(nullptr)},
                       {"entries", Entries(archive)},
                       {"model", Model(ReadSkinModel(archive))}};
        std::cout << out.dump(2) << '\n';
        return kExitOk;
    } catch (const ESkinVersionError&) {
        std::cerr << texts::kOlderSkinFile << '\n';
        return kExitFailed;
    }
}

const SkinSubcommandRegistrar registrar{SkinSubcommand{"info", "  tipstool skin info [FILE]\n", RunInfo}};

}  // namespace

}  // namespace tipstool::skin
