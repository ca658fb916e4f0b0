#include "dpi/dpi_layout.h"

namespace dpi {

namespace {

using forms::Align;
using forms::Color;
using forms::ControlDecl;
using forms::Font;
using forms::Kind;

using namespace forms::colors;
const Color LayoutOrange{192, 64, 0};

Font bold(double points) {
    return Font{points, true};
}
Font regular(double points) {
    return Font{points, false};
}

ControlDecl decl(std::string name, Kind kind, std::string container, std::string text) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = kind;
    c.container = std::move(container);
    c.text = std::move(text);
    return c;
}

ControlDecl place(ControlDecl c, int left, int top, int width, int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

ControlDecl frame(std::string name, std::string caption, int l, int t, int w, int h, Font font,
                  Color captionColor) {
    ControlDecl c = decl(std::move(name), Kind::Frame, "", std::move(caption));
    c.font = font;
    c.foreColor = captionColor;
    return place(std::move(c), l, t, w, h);
}

ControlDecl label(std::string name, std::string container, std::string caption, int l, int t, int w,
                  int h, Font font, Align align = Align::Left) {
    ControlDecl c = decl(std::move(name), Kind::Label, std::move(container), std::move(caption));
    c.font = font;
    c.foreColor = Black;
    c.align = align;
    return place(std::move(c), l, t, w, h);
}

// Shown in place of a field while the field is an output of the mode.
ControlDecl mirror(std::string name, std::string container, std::string caption, int l, int t,
                   std::string meaning, std::string field) {
    ControlDecl c = label(std::move(name), std::move(container), std::move(caption), l, t, 1095,
                          450, bold(14.25));
    c.foreColor = White;
    c.backColor = Black;
    c.border = true;
    c.visible = false;
    c.accessibleDescription = std::move(meaning);
    c.standsFor = std::move(field);
    return c;
}

ControlDecl textBox(std::string name, std::string container, std::string text, int l, int t, int w,
                    int tabIndex, std::string accessibleName, int maxLength = 0) {
    ControlDecl c = decl(std::move(name), Kind::TextBox, std::move(container), std::move(text));
    c.font = bold(14.25);
    c.foreColor = Green;
    c.backColor = Black;
    c.maxLength = maxLength;
    c.tabIndex = tabIndex;
    c.accessibleName = std::move(accessibleName);
    return place(std::move(c), l, t, w, 450);
}

ControlDecl picture(std::string name, std::string container, std::string pictureName, int l, int t,
                    int w, int h, Kind kind = Kind::PictureBox) {
    ControlDecl c = decl(std::move(name), kind, std::move(container), "");
    c.picture = std::move(pictureName);
    return place(std::move(c), l, t, w, h);
}

ControlDecl option(std::string name, std::string caption, int l, int t, int w, int h,
                   Color captionColor, int value, int tabIndex) {
    ControlDecl c = decl(std::move(name), Kind::OptionButton, "Frame3", std::move(caption));
    c.font = bold(9);
    c.foreColor = captionColor;
    c.value = value;
    c.tabIndex = tabIndex;
    return place(std::move(c), l, t, w, h);
}

} // namespace

forms::FormDecl layout() {
    forms::FormDecl f;
    f.name = "DPI";
    f.caption = "Brixtel Rastomat";
    f.clientWidth = 5175;
    // The frames, and below them the foot line.
    f.clientHeight = 5940 + forms::FootLineHeight;
    f.icon = "icon";

    const Font unit = bold(14.25);
    auto& c = f.controls;

    // Physical size in centimetres.
    c.push_back(frame("Frame2", "Bildmaße:", 120, 120, 4935, 1755, bold(15.75), DarkRed));
    c.push_back(label("Label6", "Frame2", "Höhe:", 825, 525, 975, 375, unit, Align::Right));
    c.push_back(textBox("Text3", "Frame2", "9,75", 2025, 465, 1095, 2, "Bildhöhe in Zentimetern"));
    c.push_back(label("Label5", "Frame2", "cm", 3225, 525, 540, 375, unit));
    c.push_back(label("Label8", "Frame2", "Breite:", 825, 1125, 975, 375, unit, Align::Right));
    c.push_back(textBox("Text4", "Frame2", "13", 2025, 1065, 1095, 3, "Bildbreite in Zentimetern"));
    c.push_back(label("Label7", "Frame2", "cm", 3225, 1125, 600, 375, unit));
    c.push_back(picture("Picture2", "Frame2", "bracket_link", 3720, 705, 495, 735));
    c.back().visible = false;
    c.push_back(mirror("Label10", "Frame2", "9,75", 4725, 450, "Bildhöhe in Zentimetern", "Text3"));
    c.push_back(
        mirror("Label14", "Frame2", "13", 4725, 1035, "Bildbreite in Zentimetern", "Text4"));

    // Resolution and mode.
    c.push_back(frame("Frame3", "Auflösung:", 120, 1920, 4935, 1215, bold(15.75), DarkRed));
    c.push_back(textBox("Text5", "Frame3", "200", 270, 480, 855, 7, "Auflösung in dpi", 4));
    c.push_back(label("Label9", "Frame3", "dpi", 1215, 435, 585, 375, unit));
    c.push_back(label("Label11", "Frame3", "( Pixel/Inch )", 1215, 795, 1095, 255, regular(9)));
    c.push_back(picture("Image1", "Frame3", "scanner", 2340, 240, 480, 480, Kind::Image));
    c.push_back(picture("Picture3", "Frame3", "arrow_down", 2340, 720, 495, 435));
    c.push_back(option("Option1", "Eingabe (Scan)", 3030, 300, 1830, 405, LayoutOrange, 1, 5));
    c.back().accessibleDescription =
        "Zentimeter und Auflösung eingeben, die Pixel werden berechnet";
    c.push_back(option("Option2", "Ausgabe (Print)", 3030, 705, 1830, 375, Black, 0, 6));
    c.back().accessibleDescription =
        "Pixel und Auflösung eingeben, die Zentimeter werden berechnet";

    // Size in pixels.
    c.push_back(frame("Frame1", "Bildgröße:", 120, 3180, 4935, 1695, bold(15.75), DarkBlue));
    c.push_back(label("Label3", "Frame1", "Höhe:", 840, 465, 975, 375, unit, Align::Right));
    c.push_back(textBox("Text1", "Frame1", "768", 2040, 420, 1095, 0, "Bildhöhe in Pixeln", 4));
    c.back().locked = true;
    c.push_back(label("Label4", "Frame1", "Pixel", 3240, 465, 975, 375, unit));
    c.push_back(label("Label1", "Frame1", "Breite:", 840, 1065, 975, 375, unit, Align::Right));
    c.push_back(textBox("Text2", "Frame1", "1024", 2040, 1020, 1095, 1, "Bildbreite in Pixeln", 4));
    c.back().locked = true;
    c.push_back(label("Label2", "Frame1", "Pixel", 3240, 1065, 975, 375, unit));
    c.push_back(picture("Picture1", "Frame1", "bracket_link", 3990, 615, 495, 735));
    c.back().visible = false;
    c.push_back(mirror("Label15", "Frame1", "768", 4785, 405, "Bildhöhe in Pixeln", "Text1"));
    c.push_back(mirror("Label16", "Frame1", "1024", 4785, 1005, "Bildbreite in Pixeln", "Text2"));

    // File size.
    c.push_back(frame("Frame4", "Dateigröße:", 120, 4980, 3135, 855, bold(11.25), Black));
    c.push_back(label("Label13", "Frame4", "( Bitmap / TIFF RGB unkompr. )", 105, 360, 1275, 435,
                      regular(8.25), Align::Center));
    c.back().wordWrap = true;
    c.push_back(label("Label12", "Frame4", "2,36 Mb", 1455, 345, 1545, 405, unit, Align::Center));
    c.back().border = true;
    c.back().foreColor = DarkBlue;
    c.back().accessibleDescription = "Geschätzte Dateigröße";

    // The proportion lock.
    ControlDecl lock = decl("Check1", Kind::CheckBox, "", "Proportionen erhalten");
    lock.font = bold(9.75);
    lock.foreColor = Black;
    lock.value = 1;
    lock.tabIndex = 4;
    lock.accessibleDescription =
        "Höhe und Breite ändern sich im gespeicherten Seitenverhältnis mit";
    c.push_back(place(std::move(lock), 3465, 5220, 1755, 495));

    // Derived facts below the frames, on two lines of the small font.
    ControlDecl foot =
        label("FootLine", "", "", 120, 5880, 4935, forms::FootLineHeight, regular(8.25));
    foot.statusLine = true;
    c.push_back(std::move(foot));

    // The picture store below the client area: the mode pictures are copied
    // from here.
    c.push_back(picture("Picture7", "", "scanner", 120, 8160, 495, 495));
    c.push_back(picture("Picture6", "", "printer", 720, 8160, 495, 495));
    c.push_back(picture("Picture4", "", "arrow_down", 150, 8865, 495, 495));
    c.push_back(picture("Picture5", "", "arrow_up", 750, 8865, 495, 495));

    // What each label belongs to; the mirror labels and the file size carry
    // descriptions of their own.
    using forms::LabelRole;
    forms::relateLabel(f, "Label6", "Text3", LabelRole::Caption);
    forms::relateLabel(f, "Label5", "Text3", LabelRole::Unit);
    forms::relateLabel(f, "Label8", "Text4", LabelRole::Caption);
    forms::relateLabel(f, "Label7", "Text4", LabelRole::Unit);
    forms::relateLabel(f, "Label9", "Text5", LabelRole::Unit);
    forms::relateLabel(f, "Label11", "Text5", LabelRole::Unit);
    forms::relateLabel(f, "Label3", "Text1", LabelRole::Caption);
    forms::relateLabel(f, "Label4", "Text1", LabelRole::Unit);
    forms::relateLabel(f, "Label1", "Text2", LabelRole::Caption);
    forms::relateLabel(f, "Label2", "Text2", LabelRole::Unit);
    forms::relateLabel(f, "Label13", "Label12", LabelRole::Caption);
    return f;
}

} // namespace dpi
