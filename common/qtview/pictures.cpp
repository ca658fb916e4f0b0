#include "common/qtview/pictures.h"

#include <QFile>

#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace qtview {

namespace {

struct Picture {
    QPixmap normal;
    // Read when first asked for: a screen of standard density draws only
    // the normal size, and the larger picture takes most of the reading.
    std::optional<QPixmap> doubled; // null when there is none
};

// The pictures are XPM sources. Their strings go to Qt's XPM reader as the
// array they are in C: read from a file, every image-format plugin would be
// asked about it first, at twice the cost. A source with fewer lines than
// its first line promises gives no picture.
QPixmap readXpm(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<QByteArray> lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const auto from = line.indexOf('"'), to = line.lastIndexOf('"');
        if (from >= 0 && to > from) lines.push_back(line.mid(from + 1, to - from - 1));
    }
    if (lines.empty()) return {};
    const QList<QByteArray> values = lines.front().simplified().split(' ');
    if (values.size() < 3) return {};
    const auto needed = 1 + values[1].toLongLong() + values[2].toLongLong();
    if (needed < 1 || static_cast<long long>(lines.size()) < needed) return {};
    std::vector<const char*> xpm;
    for (const QByteArray& line : lines)
        xpm.push_back(line.constData());
    return QPixmap(xpm.data());
}

// Each picture is read from the resources once.
Picture& load(const std::string& name) {
    static std::map<std::string, Picture> pictures;
    auto it = pictures.find(name);
    if (it == pictures.end())
        it = pictures.emplace(name, Picture{readXpm(picturePath(name)), std::nullopt}).first;
    return it->second;
}

const QPixmap& doubled(const std::string& name, Picture& p) {
    if (!p.doubled) p.doubled = readXpm(picturePath(name, true));
    return *p.doubled;
}

} // namespace

QString picturePath(const std::string& name, bool doubled) {
    return QStringLiteral(":/pictures/") + QString::fromStdString(name) +
           (doubled ? QStringLiteral("_2x.xpm") : QStringLiteral(".xpm"));
}

QPixmap picture(const std::string& name, qreal density) {
    if (name.empty()) return QPixmap();
    Picture& p = load(name);
    // Up to 1.25 the picture drawn at its own size is the sharper one.
    if (density < 1.25 || doubled(name, p).isNull()) return p.normal;
    QPixmap sharp = *p.doubled;
    if (std::abs(density - 2.0) > 0.01) {
        // Between the drawn sizes: scale the larger one down smoothly, which
        // stays sharper than blowing the small one up.
        const QSize size(qRound(p.normal.width() * density), qRound(p.normal.height() * density));
        sharp = p.doubled->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    sharp.setDevicePixelRatio(density);
    return sharp;
}

QIcon pictureIcon(const std::string& name) {
    if (name.empty()) return QIcon();
    Picture& p = load(name);
    if (p.normal.isNull()) return QIcon();
    QIcon icon(p.normal);
    if (!doubled(name, p).isNull()) icon.addPixmap(*p.doubled);
    return icon;
}

} // namespace qtview
