#include "highlight/vb_highlighter_form.hpp"

#include <string_view>

#include "highlight/highlight_texts.hpp"

namespace tips::highlight {

namespace {

std::int64_t NumberOf(const TStoredProperty& property) {
    if (const auto* number = std::get_if<std::int64_t>(&property.value)) return *number;
    throw EHighlighterPropertyError("Invalid property value: " + property.path);
}

TColor ColorOf(const TStoredProperty& property) {
    const std::int64_t number = NumberOf(property);
    if (number < 0 || number > 0xFFFFFFFF) throw EHighlighterPropertyError("Invalid property value: " + property.path);
    return static_cast<TColor>(number);
}

void ApplyAttributeProperty(TCodeHighlighterAttributes& attribute, std::string_view field,
                            const TStoredProperty& property) {
    if (field == "Background") {
        attribute.SetBackground(ColorOf(property));
    } else if (field == "Foreground") {
        attribute.SetForeground(ColorOf(property));
    } else if (field == "Style") {
        const std::int64_t bits = NumberOf(property);
        if (bits < 0 || bits > 15) throw EHighlighterPropertyError("Invalid property value: " + property.path);
        attribute.SetStyle(TFontStyles::FromBits(static_cast<std::uint8_t>(bits)));
    } else {
        throw EHighlighterPropertyError("Property " + property.path + " does not exist");
    }
}

void ApplyStoredProperty(TVBHighlighter& highlighter, const TStoredProperty& property) {
    const std::string_view path = property.path;
    if (path == "DefaultFilter") {
        const auto* text = std::get_if<std::string>(&property.value);
        if (!text) throw EHighlighterPropertyError("Invalid property value: " + property.path);
        highlighter.SetDefaultFilter(*text);
        return;
    }
    if (path == "Enabled") {
        highlighter.SetEnabled(NumberOf(property) != 0);
        return;
    }
    const auto dot = path.find('.');
    if (dot != std::string_view::npos) {
        for (const auto& published : highlighter.PublishedAttributes()) {
            if (path.substr(0, dot) == published.property) {
                ApplyAttributeProperty(*published.attribute, path.substr(dot + 1), property);
                return;
            }
        }
    }
    throw EHighlighterPropertyError("Property " + property.path + " does not exist");
}

}  // namespace

std::vector<TStoredProperty> StoredProperties(const TVBHighlighter& highlighter) {
    std::vector<TStoredProperty> out;
    out.push_back({"DefaultFilter", highlighter.DefaultFilter()});
    if (!highlighter.Enabled()) out.push_back({"Enabled", std::int64_t{0}});
    for (const auto& published : highlighter.PublishedAttributes()) {
        const std::string prefix = std::string(published.property) + ".";
        const auto& attribute = *published.attribute;
        if (attribute.IsBackgroundStored()) out.push_back({prefix + "Background", std::int64_t{attribute.Background()}});
        if (attribute.IsForegroundStored()) out.push_back({prefix + "Foreground", std::int64_t{attribute.Foreground()}});
        if (attribute.IsStyleStored()) out.push_back({prefix + "Style", std::int64_t{attribute.Style().Bits()}});
    }
    return out;
}

void ApplyStoredProperties(TVBHighlighter& highlighter, const std::vector<TStoredProperty>& properties) {
    for (const auto& property : properties) ApplyStoredProperty(highlighter, property);
}

const std::vector<TStoredProperty>& VBHighlighter1Properties() {
    static const std::vector<TStoredProperty> properties = {
        {"CommentAttri.Background", std::int64_t{14352098}},  // 0xDAFEE2, pale green
        {"CommentAttri.Foreground", std::int64_t{6653504}},   // 0x658640, dark green
        {"DefaultFilter", std::string(texts::kVBFilter)},
        {"KeyAttri.Foreground", std::int64_t{13646106}},     // 0xD0391A, blue
        {"NumberAttri.Foreground", std::int64_t{5778350}},   // 0x582BAE, crimson
        {"StringAttri.Foreground", std::int64_t{5277347}},   // 0x5086A3, ochre
        {"SymbolAttri.Foreground", std::int64_t{16744576}},  // 0xFF8080, light blue
    };
    return properties;
}

void ConfigureVBHighlighter1(TVBHighlighter& highlighter) {
    ApplyStoredProperties(highlighter, VBHighlighter1Properties());
}

}  // namespace tips::highlight
