#include "form_view.h"

namespace qtview {

namespace {

std::map<std::string, QPixmap>& store() {
    static std::map<std::string, QPixmap> pictures;
    return pictures;
}

} // namespace

void addPicture(const std::string& name, const QPixmap& pixmap) {
    store()[name] = pixmap;
}

QPixmap picture(const std::string& name) {
    auto it = store().find(name);
    return it == store().end() ? QPixmap() : it->second;
}

} // namespace qtview
