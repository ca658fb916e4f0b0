#include "dpi/take_picture.h"

#include "common/editing/paste_over.h"

#include <string>

namespace dpi {

void takePicture(DpiWindow& window, const media::MediaFacts& facts) {
    forms::Form& form = window.form();
    forms::Control& lock = form.control("Check1");
    if (form.control("Option2").value() != 1) form.userClick(form.control("Option2"));
    const bool locked = lock.value() == 1;
    if (locked) form.userClick(lock);
    editing::pasteOver(form, form.control("Text1"), std::to_string(facts.height));
    editing::pasteOver(form, form.control("Text2"), std::to_string(facts.width));
    if (facts.dpi) editing::pasteOver(form, form.control("Text5"), media::dpiText(*facts.dpi));
    if (locked) form.userClick(lock);
    forms::Control& height = form.control("Text1");
    form.userFocus(height);
    height.setSelection(forms::characterCount(height.text()), 0);
}

} // namespace dpi
