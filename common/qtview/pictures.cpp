#include "common/qtview/pictures.h"

#include <cmath>
#include <map>

namespace qtview {

namespace {

struct Picture {
    QPixmap normal;
    QPixmap doubled; // null when there is none
};

// Each picture is read from the resources once.
const Picture& load(const std::string& name) {
    static std::map<std::string, Picture> pictures;
    auto it = pictures.find(name);
    if (it == pictures.end())
        it = pictures
                 .emplace(name,
                          Picture{QPixmap(picturePath(name)), QPixmap(picturePath(name, true))})
                 .first;
    return it->second;
}

} // namespace

QString picturePath(const std::string& name, bool doubled) {
    return QStringLiteral(":/pictures/") + QString::fromStdString(name) +
           (doubled ? QStringLiteral("_2x.xpm") : QStringLiteral(".xpm"));
}

QPixmap picture(const std::string& name, qreal density) {
    if (name.empty()) return QPixmap();
    const Picture& p = load(name);
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
    if (name.empty()) return QIcon();
    const Picture& p = load(name);
    if (p.normal.isNull()) return QIcon();
    QIcon icon(p.normal);
    if (!p.doubled.isNull()) icon.addPixmap(p.doubled);
    return icon;
}

} // namespace qtview
