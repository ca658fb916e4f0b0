#include "common/typing/typing.h"

#include "common/forms/key_codes.h"

#include <string>

namespace typing {

namespace {

// Byte offset of the character with the given index in a UTF-8 text.
std::size_t byteOffset(std::string_view text, int index) {
    std::size_t i = 0;
    for (int seen = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == index) return i;
            ++seen;
        }
    }
    return text.size();
}

std::string utf8(int code) {
    auto c = static_cast<unsigned>(code) & 0xFFFFu; // a 16-bit character code
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

void type(forms::Form& form, forms::Control& box, int code) {
    if (box.kind() != forms::Kind::TextBox && box.kind() != forms::Kind::ComboBox) return;
    code = form.userKeyPress(box, code);
    if (code == 0 || box.locked()) return;
    const std::string& t = box.text();
    std::size_t from = byteOffset(t, box.selStart());
    std::size_t to = byteOffset(t, box.selStart() + box.selLength());
    int caret = box.selStart();
    std::string edited;
    if (code == forms::keys::Backspace) {
        if (from == to) {
            if (caret == 0) return;
            --caret;
            from = byteOffset(t, caret);
        }
        edited = t.substr(0, from) + t.substr(to);
    } else {
        edited = t.substr(0, from) + utf8(code) + t.substr(to);
        if (!form.typedTextFits(box, edited)) return;
        ++caret;
    }
    // The caret stands behind what was typed, as in the view's line edit.
    box.setSelection(caret, 0);
    form.userEdit(box, edited);
    if (box.text() == edited) box.setSelection(caret, 0);
}

void typeText(forms::Form& form, forms::Control& box, std::string_view characters) {
    for (unsigned char c : characters)
        type(form, box, c);
}

} // namespace typing
