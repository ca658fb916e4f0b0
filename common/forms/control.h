#pragma once
#include "common/forms/declaration.h"
#include "common/value/failure.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Form;

enum class Property {
    Text,
    Caption,
    Left,
    Top,
    Visible,
    Locked,
    Value,
    ForeColor,
    Picture,
    Items,
    ListIndex, // the chosen line of a combo box
    Caret      // the caret and selection of a text box
};

// Everything about a control that the user or the program can change: what
// a window's step keeps and puts back.
struct ControlState {
    std::string text;
    int left = 0, top = 0;
    bool visible = true, locked = false;
    int value = 0;
    Color foreColor{};
    std::string picture;
    std::vector<std::string> items;
    int listIndex = -1;
    int selStart = 0, selLength = 0;
};

// One control of a form with the members the windows use. Writes announce
// themselves to the form's observers and raise the toolkit's events,
// synchronously, nested in the write.
class Control {
public:
    Control(Form& form, const ControlDecl& decl, Control* container);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const std::string& name() const { return decl_.name; }
    Kind kind() const { return decl_.kind; }
    Control* container() const { return container_; }
    // The declared look (font, colours, alignment, ...): it never changes.
    const ControlDecl& decl() const { return decl_; }

    // Text box and combo box: writing raises Change, even for the same text.
    const std::string& text() const { return text_; }
    void setText(std::string text);
    // Label, frame, check box, option button.
    const std::string& caption() const { return text_; }
    void setCaption(std::string caption);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return decl_.width; }
    int height() const { return decl_.height; }
    void setLeft(int twips);
    void setTop(int twips);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // Visible itself and inside visible containers.
    bool shownInForm() const;

    bool locked() const { return locked_; }
    void setLocked(bool locked);

    // Check box: 0 clear, 1 ticked; a different value raises Click.
    // Option button: 1 selected; selecting one clears the others of its
    // container and raises its Click.
    int value() const { return value_; }
    void setValue(int value);

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);

    const std::string& picture() const { return picture_; }
    void setPicture(std::string picture);

    int maxLength() const { return decl_.maxLength; }

    // Moves the focus here; fails when hidden or the window is not shown.
    void SetFocus();

    // Combo box list.
    void AddItem(std::string line);
    const std::vector<std::string>& items() const { return items_; }
    // The chosen line; -1 for none, the edit part then shows any text.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    // Caret and selection of a text box, in characters (for typing).
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelection(int start, int length);

    // The whole changeable state, and putting it back: every property is
    // announced to the observers, no event is raised.
    ControlState state() const;
    void restore(const ControlState& state);

    std::function<void()> onChange, onClick, onGotFocus, onLostFocus;
    std::function<void(int& code)> onKeyPress;

private:
    friend class Form;
    void writeText(std::string text, bool keepCaret);

    Form& form_;
    ControlDecl decl_;
    Control* container_;
    std::string text_;
    int left_, top_;
    bool visible_, locked_;
    int value_;
    Color foreColor_;
    std::string picture_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    int selStart_ = 0, selLength_ = 0;
};

// Counts characters, not bytes, of a UTF-8 text.
int characterCount(std::string_view text);

} // namespace forms
