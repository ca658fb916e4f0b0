#include "format/take_picture.h"

#include "common/editing/paste_over.h"

namespace format {

void takePicture(FormatWindow& window, const media::MediaFacts& facts,
                 const std::string& fileName) {
    takeSize(window, facts.height, facts.width, fileName);
    if (facts.ratioWidth > 0 && facts.ratioHeight > 0 &&
        window.form().control("Check1").value() == 1) {
        const auto w = static_cast<double>(facts.ratioWidth);
        const auto h = static_cast<double>(facts.ratioHeight);
        window.PxWidthPerHeight = w / h;
        window.PxHeightPerWidth = h / w;
        window.ShowFootLine();
    }
}

void takeSize(FormatWindow& window, long long height, long long width,
              const std::string& listText) {
    forms::Form& form = window.form();
    setSides(window, height, width);
    forms::Control& list = form.control("Combo1");
    list.setListIndex(-1);
    list.setText(listText);
    forms::Control& heightField = form.control("Text1");
    form.userFocus(heightField);
    heightField.setSelection(forms::characterCount(heightField.text()), 0);
}

void setSides(FormatWindow& window, long long height, long long width) {
    forms::Form& form = window.form();
    forms::Control& lock = form.control("Check1");
    const bool locked = lock.value() == 1;
    if (locked) form.userClick(lock);
    editing::pasteOver(form, form.control("Text1"), std::to_string(height));
    editing::pasteOver(form, form.control("Text2"), std::to_string(width));
    if (locked) form.userClick(lock);
}

} // namespace format
