#include "format/take_picture.h"

#include "common/editing/paste_over.h"

namespace format {

void takePicture(FormatWindow& window, const media::MediaFacts& facts,
                 const std::string& fileName) {
    forms::Form& form = window.form();
    forms::Control& lock = form.control("Check1");
    const bool locked = lock.value() == 1;
    if (locked) form.userClick(lock);
    editing::pasteOver(form, form.control("Text1"), std::to_string(facts.height));
    editing::pasteOver(form, form.control("Text2"), std::to_string(facts.width));
    if (locked) form.userClick(lock);
    forms::Control& list = form.control("Combo1");
    list.setListIndex(-1);
    list.setText(fileName);
    forms::Control& height = form.control("Text1");
    form.userFocus(height);
    height.setSelection(forms::characterCount(height.text()), 0);
}

} // namespace format
