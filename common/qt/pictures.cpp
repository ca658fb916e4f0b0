#include "form_view.h"

#include <cmath>

namespace qtview {

namespace {

struct Picture {
    QPixmap normal;
    QPixmap doubled; // null when there is none
};

std::map<std::string, Picture>& store() {
    static std::map<std::string, Picture> pictures;
    return pictures;
}

} // namespace

void addPicture(const std::string& name, const QPixmap& pixmap) {
    store()[name] = Picture{pixmap, QPixmap()};
}

void addPicture(const std::string& name, const QPixmap& normal, const QPixmap& doubled) {
    store()[name] = Picture{normal, doubled};
}

QPixmap picture(const std::string& name, qreal density) {
    auto it = store().find(name);
    if (it == store().end()) return QPixmap();
    const Picture& p = it->second;
    // Up to 1.25 the picture drawn at its own size is the sharper one.
    if (p.doubled.isNull() || density < 1.25) return p.normal;
    QPixmap sharp = p.doubled;
    if (std::abs(density - 2.0) > 0.01) {
        // Between the drawn sizes: scale the larger one down smoothly, which
        // stays sharper than blowing the small one up.
        const QSize size(qRound(p.normal.width() * density), qRound(p.normal.height() * density));
        sharp = p.doubled.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    sharp.setDevicePixelRatio(density);
    return sharp;
}

QIcon pictureIcon(const std::string& name) {
    auto it = store().find(name);
    if (it == store().end()) return QIcon();
    QIcon icon(it->second.normal);
    if (!it->second.doubled.isNull()) icon.addPixmap(it->second.doubled);
    return icon;
}

} // namespace qtview
