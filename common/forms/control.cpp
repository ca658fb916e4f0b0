#include "common/forms/control.h"

#include "common/forms/form.h"

#include <algorithm>

namespace forms {

int characterCount(std::string_view text) {
    // Every byte that does not continue a UTF-8 sequence starts a character.
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

Control::Control(Form& form, const ControlDecl& decl, Control* container)
    : form_(form), decl_(decl), container_(container), text_(decl.text), left_(decl.left),
      top_(decl.top), visible_(decl.visible), locked_(decl.locked), value_(decl.value),
      foreColor_(decl.foreColor.value_or(Color{})), picture_(decl.picture) {
    selStart_ = characterCount(text_);
}

void Control::writeText(std::string text, bool keepCaret) {
    text_ = std::move(text);
    int length = characterCount(text_);
    if (!keepCaret || selStart_ > length) selStart_ = length;
    selLength_ = std::min(selLength_, length - selStart_);
    form_.notify(*this, Property::Text);
}

void Control::setText(std::string text) {
    // A program write that changes the text leaves the caret at its end, as
    // the toolkit's own does; the same text again moves nothing.
    const bool same = text == text_;
    writeText(std::move(text), same);
    form_.raise(*this, Event::Change, onChange);
}

void Control::setCaption(std::string caption) {
    text_ = std::move(caption);
    form_.notify(*this, Property::Caption);
}

void Control::setLeft(int twips) {
    left_ = twips;
    form_.notify(*this, Property::Left);
}

void Control::setTop(int twips) {
    top_ = twips;
    form_.notify(*this, Property::Top);
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    form_.notify(*this, Property::Visible);
}

bool Control::shownInForm() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

void Control::setLocked(bool locked) {
    locked_ = locked;
    form_.notify(*this, Property::Locked);
}

void Control::setValue(int value) {
    if (kind() == Kind::OptionButton) {
        if (value == 0) {
            if (value_ != 0) {
                value_ = 0;
                form_.notify(*this, Property::Value);
            }
            return;
        }
        if (value_ == 1) return;
        for (auto& other : form_.controls())
            if (other.get() != this && other->kind() == Kind::OptionButton &&
                other->container_ == container_ && other->value_ != 0) {
                other->value_ = 0;
                form_.notify(*other, Property::Value);
            }
        value_ = 1;
        form_.notify(*this, Property::Value);
        form_.raise(*this, Event::Click, onClick);
        return;
    }
    if (value == value_) return;
    value_ = value;
    form_.notify(*this, Property::Value);
    form_.raise(*this, Event::Click, onClick);
}

void Control::setForeColor(Color color) {
    foreColor_ = color;
    form_.notify(*this, Property::ForeColor);
}

void Control::setPicture(std::string picture) {
    picture_ = std::move(picture);
    form_.notify(*this, Property::Picture);
}

void Control::SetFocus() {
    form_.moveFocus(*this);
}

void Control::AddItem(std::string line) {
    items_.push_back(std::move(line));
    form_.notify(*this, Property::Items);
}

void Control::setListIndex(int index) {
    listIndex_ = std::clamp(index, -1, static_cast<int>(items_.size()) - 1);
    form_.notify(*this, Property::ListIndex);
}

ControlState Control::state() const {
    return {text_,      left_,    top_,   visible_,   locked_,   value_,
            foreColor_, picture_, items_, listIndex_, selStart_, selLength_};
}

void Control::restore(const ControlState& state) {
    std::vector<Property> changed;
    const auto put = [&changed](auto& member, const auto& kept, Property property) {
        if (member == kept) return;
        member = kept;
        if (std::find(changed.begin(), changed.end(), property) == changed.end())
            changed.push_back(property);
    };
    // The list before its chosen line, the text before the caret in it.
    put(items_, state.items, Property::Items);
    put(listIndex_, state.listIndex, Property::ListIndex);
    put(text_, state.text, Property::Text);
    put(left_, state.left, Property::Left);
    put(top_, state.top, Property::Top);
    put(visible_, state.visible, Property::Visible);
    put(locked_, state.locked, Property::Locked);
    put(value_, state.value, Property::Value);
    put(foreColor_, state.foreColor, Property::ForeColor);
    put(picture_, state.picture, Property::Picture);
    put(selStart_, state.selStart, Property::Caret);
    put(selLength_, state.selLength, Property::Caret);
    // A new text leaves the view's caret at its end: the kept one follows.
    const auto has = [&changed](Property p) {
        return std::find(changed.begin(), changed.end(), p) != changed.end();
    };
    if (has(Property::Text) && !has(Property::Caret)) changed.push_back(Property::Caret);
    for (Property p : changed)
        form_.notify(*this, p);
}

void Control::setSelection(int start, int length) {
    int count = characterCount(text_);
    selStart_ = std::clamp(start, 0, count);
    selLength_ = std::clamp(length, 0, count - selStart_);
    form_.notify(*this, Property::Caret);
}

} // namespace forms
