#include "common/qtview/model_echo.h"

#include <cstdlib>
#include <string>

namespace qtview {

namespace {

// One line per change: line breaks inside a value are written as "\n".
std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

bool hasText(const forms::Control& c) {
    return c.kind() == forms::Kind::TextBox || c.kind() == forms::Kind::ComboBox;
}

std::string rgb(forms::Color c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string property(const forms::Control& c, forms::Property p) {
    using forms::Property;
    const std::string& n = c.name();
    switch (p) {
    case Property::Text:
    case Property::Caption:
        if (c.kind() == forms::Kind::PictureBox || c.kind() == forms::Kind::Image)
            return n + ".Picture=" + c.picture();
        return n + (hasText(c) ? ".Text=" : ".Caption=") + oneLine(c.text());
    case Property::Left:
        return n + ".Left=" + std::to_string(c.left());
    case Property::Top:
        return n + ".Top=" + std::to_string(c.top());
    case Property::Visible:
        return n + ".Visible=" + (c.visible() ? "1" : "0");
    case Property::Locked:
        return n + ".Locked=" + (c.locked() ? "1" : "0");
    case Property::Value:
        return n + ".Value=" + std::to_string(c.value());
    case Property::ForeColor:
        return n + ".ForeColor=" + rgb(c.foreColor());
    case Property::Picture:
        return n + ".Picture=" + c.picture();
    case Property::Items:
        return n + ".ListCount=" + std::to_string(c.items().size());
    case Property::Caret:
        return {};
    case Property::ListIndex:
        return n + ".ListIndex=" + std::to_string(c.listIndex());
    }
    return {};
}

} // namespace

ModelEcho::ModelEcho(forms::Form& form, std::FILE* out) : form_(form), out_(out) {
    form_.addObserver(this);
}

ModelEcho::~ModelEcho() {
    form_.removeObserver(this);
}

bool ModelEcho::requested() {
    const char* v = std::getenv("CALC_ECHO_MODEL");
    return v && *v;
}

void ModelEcho::extraLine(const std::string& text) {
    if (!requested()) return;
    std::fputs((oneLine(text) + '\n').c_str(), stdout);
    std::fflush(stdout);
}

void ModelEcho::line(const std::string& text) {
    std::fputs(text.c_str(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

void ModelEcho::controlChanged(forms::Control& control, forms::Property p) {
    // The caret of a text box is the view's business, not a model value.
    if (p == forms::Property::Caret) return;
    line(property(control, p));
}

void ModelEcho::formChanged(forms::FormProperty p) {
    switch (p) {
    case forms::FormProperty::Position:
        line("window.Left=" + std::to_string(form_.left()));
        line("window.Top=" + std::to_string(form_.top()));
        break;
    case forms::FormProperty::Topmost:
        line(std::string("window.Topmost=") + (form_.topmost() ? "1" : "0"));
        break;
    case forms::FormProperty::Shown:
        for (const auto& c : form_.controls()) {
            line(property(*c, forms::Property::Text));
            line(property(*c, forms::Property::Visible));
            if (c->kind() == forms::Kind::CheckBox || c->kind() == forms::Kind::OptionButton)
                line(property(*c, forms::Property::Value));
        }
        if (form_.focused()) line("focus=" + form_.focused()->name());
        line("window=shown");
        break;
    }
}

void ModelEcho::focusMoved(forms::Control* now) {
    line("focus=" + (now ? now->name() : std::string()));
}

} // namespace qtview
