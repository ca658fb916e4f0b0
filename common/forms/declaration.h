#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// Positions and sizes are in twips: 15 to a pixel at the standard density.
constexpr int TwipsPerPixel = 15;

enum class Kind { Frame, TextBox, Label, CheckBox, OptionButton, ComboBox, PictureBox, Image };
enum class Align { Left, Right, Center };
// What a label is to the control it belongs to.
enum class LabelRole { Caption, Unit, Heading };

struct Color {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// The colours both windows use.
namespace colors {
constexpr Color Black{0, 0, 0};
constexpr Color White{255, 255, 255};
constexpr Color Green{0, 255, 0};
constexpr Color DarkRed{192, 0, 0};
constexpr Color DarkBlue{0, 0, 192};
} // namespace colors

struct Font {
    double points = 8.25;
    bool bold = false;
    std::string family = "Arial";
};

// One control as a layout table writes it. Positions are twips, relative to
// the container (the window when `container` is empty).
struct ControlDecl {
    std::string name;
    Kind kind = Kind::Label;
    std::string container;
    std::string text; // caption or initial text
    int left = 0, top = 0, width = 0, height = 0;
    Font font{};
    std::optional<Color> foreColor{}; // toolkit default when empty
    std::optional<Color> backColor{};
    Align align = Align::Left;
    bool wordWrap = false;
    bool border = false;
    int maxLength = 0; // typed characters; 0 is no limit
    bool locked = false;
    bool visible = true;
    int value = 0;         // check box 0/1; option button 1 when selected
    std::string picture{}; // picture name, drawn by the view
    int tabIndex = -1;     // position in the tab sequence; -1 is none
    std::string accessibleName{};
    std::string accessibleDescription{};
    // Label: the control it belongs to, for assistive technology.
    std::string labelFor{};
    LabelRole labelRole = LabelRole::Caption;
    // Label: the field it is shown in place of while that field is hidden;
    // the field's labels then label it.
    std::string standsFor{};
    // Label: the window's foot line, a status line of derived facts and
    // passing notes; selectable, never a tab stop.
    bool statusLine = false;
};

// A window's foot line holds two lines of the small label font (8.25 pt);
// the window grows by its height.
constexpr int FootLineHeight = 390;

struct FormDecl {
    std::string name;
    std::string caption;
    int clientWidth = 0, clientHeight = 0; // twips
    std::string icon;
    std::vector<ControlDecl> controls;
};

// Declares the control a label belongs to.
inline void relateLabel(FormDecl& form, std::string_view label, std::string control,
                        LabelRole role = LabelRole::Caption) {
    for (auto& c : form.controls)
        if (c.name == label) {
            c.labelFor = std::move(control);
            c.labelRole = role;
        }
}

} // namespace forms
