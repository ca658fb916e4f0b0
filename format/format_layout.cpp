#include "format/format_layout.h"

namespace format {

namespace {

using forms::Align;
using forms::Color;
using forms::ControlDecl;
using forms::Font;
using forms::Kind;

using namespace forms::colors;

const Font Big{15.75, true};
const Font Box{11.25, true};
const Font Heading{9, false};

ControlDecl control(std::string name, Kind kind, std::string text, int left, int top, int width,
                    int height, int tabIndex, Font font) {
    ControlDecl c{
        .name = std::move(name), .kind = kind, .container = "Frame1", .text = std::move(text)};
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.tabIndex = tabIndex;
    c.font = font;
    return c;
}

ControlDecl label(std::string name, std::string caption, int left, int top, int tabIndex, Font font,
                  std::optional<Color> color = Black, Align align = Align::Left) {
    ControlDecl c = control(std::move(name), Kind::Label, std::move(caption), left, top, 1845, 375,
                            tabIndex, font);
    if (font.points != Heading.points) c.width = 975;
    c.foreColor = color;
    c.align = align;
    return c;
}

// Green digits on black, as on a pocket calculator's display.
ControlDecl field(std::string name, std::string text, int top, int tabIndex,
                  std::string accessibleName) {
    ControlDecl c = control(std::move(name), Kind::TextBox, std::move(text), 1560, top, 1095, 480,
                            tabIndex, Big);
    c.foreColor = Green;
    c.backColor = Black;
    c.border = true;
    c.maxLength = 4;
    c.accessibleName = std::move(accessibleName);
    return c;
}

ControlDecl checkBox(std::string name, std::string caption, int top, int tabIndex, int value,
                     std::string description) {
    ControlDecl c = control(std::move(name), Kind::CheckBox, std::move(caption), 720, top, 3075,
                            375, tabIndex, Box);
    c.foreColor = Black;
    c.value = value;
    c.accessibleDescription = std::move(description);
    return c;
}

} // namespace

const std::array<std::string_view, 13>& PresetLines() {
    static constexpr std::array<std::string_view, 13> lines{
        "16:9 - 1080 x 1920", "16:9 - 720 x 1280", "16:9 - 576 x 1024", "16:9 - 480 x 853",
        "16:9 - 360 x 640",   "4:3 - 1080 x 1440", "4:3 - 1050 x 1400", "4:3 - 768 x 1024",
        "4:3 - 600 x 800",    "4:3 - 576 x 768",   "4:3 - 480 x 640",   "4:3 - 360 x 480",
        "4:3 - 240 x 320"};
    return lines;
}

forms::FormDecl FormatLayout() {
    ControlDecl frame{
        .name = "Frame1", .kind = Kind::Frame, .container = "", .text = "Video / Bildgröße:"};
    frame.left = 120;
    frame.top = 120;
    frame.width = 4335;
    frame.height = 3645;
    frame.tabIndex = 0;
    frame.font = Font{14.25, true};
    frame.foreColor = DarkBlue;

    ControlDecl combo =
        control("Combo1", Kind::ComboBox, "16:9 - 720 x 1280", 480, 630, 3375, 480, 9, Big);
    combo.foreColor = Green;
    combo.backColor = Black;
    combo.accessibleName = "Vorlagen";
    combo.accessibleDescription = "Übliche Video- und Bildgrößen; eine Zeile setzt Höhe und Breite";

    ControlDecl bracket =
        control("Picture1", Kind::PictureBox, "", 3540, 1695, 495, 735, 7, Font{});
    bracket.picture = "bracket";
    bracket.visible = false;
    bracket.accessibleName = "Proportionen gekoppelt";

    // Derived facts below the frame, on two lines of the small font.
    ControlDecl foot{.name = "FootLine", .kind = Kind::Label, .container = "", .text = ""};
    foot.left = 120;
    foot.top = 3810;
    foot.width = 4335;
    foot.height = forms::FootLineHeight;
    foot.font = Font{8.25, false};
    foot.foreColor = Black;
    foot.statusLine = true;

    forms::FormDecl f{
        .name = "frmFormat",
        .caption = "Brixtel Aspekto",
        .clientWidth = 4560,
        .clientHeight = 3870 + forms::FootLineHeight,
        .icon = "icon",
        .controls = {
            frame,
            label("Label5", "Vorlagen:", 480, 390, 11, Heading, std::nullopt),
            combo,
            label("Label6", "Eigene Größe:", 480, 1230, 12, Heading, std::nullopt),
            label("Label3", "Höhe:", 360, 1545, 5, Big, Black, Align::Right),
            field("Text1", "720", 1500, 1, "Bildhöhe in Pixeln"),
            label("Label4", "Pixel", 2760, 1545, 6, Big),
            label("Label1", "Breite:", 360, 2145, 3, Big, Black, Align::Right),
            field("Text2", "1280", 2100, 2, "Bildbreite in Pixeln"),
            label("Label2", "Pixel", 2760, 2145, 4, Big),
            bracket,
            checkBox("Check1", "Proportionen erhalten", 2730, 8, 1,
                     "Höhe und Breite ändern sich im gespeicherten Seitenverhältnis mit"),
            checkBox("chkOnTop", "immer im Vordergrund", 3060, 10, 0,
                     "Das Fenster bleibt über allen anderen Fenstern"),
            foot,
        }};
    using forms::LabelRole;
    forms::relateLabel(f, "Label5", "Combo1", LabelRole::Heading);
    forms::relateLabel(f, "Label6", "Text1", LabelRole::Heading);
    forms::relateLabel(f, "Label3", "Text1", LabelRole::Caption);
    forms::relateLabel(f, "Label4", "Text1", LabelRole::Unit);
    forms::relateLabel(f, "Label1", "Text2", LabelRole::Caption);
    forms::relateLabel(f, "Label2", "Text2", LabelRole::Unit);
    return f;
}

} // namespace format
