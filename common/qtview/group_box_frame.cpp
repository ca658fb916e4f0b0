#include "common/qtview/group_box_frame.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>

#include <cstddef>

namespace qtview {

namespace {

// The bytes of a number as QPixmap::load writes them into its cache keys:
// each byte, from the lowest, as two hex digits, low nibble first.
template <typename T> QString hexBytes(T value) {
    static constexpr char16_t digits[] = u"0123456789abcdef";
    QString text;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        const auto byte = static_cast<unsigned>((value >> (8 * i)) & 0xffu);
        text += QChar(digits[byte & 0xfu]);
        text += QChar(digits[byte >> 4]);
    }
    return text;
}

} // namespace

void preloadGroupBoxFrame() {
    static bool done = false;
    if (done || !qApp || QApplication::style()->name() != QLatin1String("fusion")) return;
    done = true;
    const QFileInfo file(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (!file.exists()) return;
    // A named format without detection takes the built-in reader alone.
    QImageReader reader(file.filePath(), "png");
    reader.setAutoDetectImageFormat(false);
    const QPixmap frame = QPixmap::fromImage(reader.read());
    if (frame.isNull()) return;
    // QPixmap::load's key: path, modification time, size, pixmap type (0 for
    // a pixmap). Later Qt versions look the frame up by a name of its own.
    const QString key = QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
                        hexBytes(static_cast<quint32>(file.lastModified().toSecsSinceEpoch())) +
                        hexBytes(static_cast<quint64>(file.size())) + hexBytes(quint32{0});
    QPixmapCache::insert(key, frame);
    QPixmapCache::insert(QStringLiteral("fusion_groupbox"), frame);
}

} // namespace qtview
