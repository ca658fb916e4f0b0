// Files dropped on the real windows, offscreen: one local file of a type the
// program takes is accepted and applied; anything else is refused.
#include "aspekto/aspekto_app.h"
#include "rastomat/rastomat_app.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

struct Offer {
    const char* name;
    QStringList files; // relative to the test folder; "http:" kept as it is
    const char* text;  // plain text offered instead of or beside the files
    bool rastomat, aspekto;
};

class Drop : public testing::TestWithParam<Offer> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QImage(40, 30, QImage::Format_RGB32).save(dir.filePath("bild.png"));
        QImage(40, 30, QImage::Format_RGB32).save(dir.filePath("zwei.png"));
        // The content decides: an MP4's first box is enough to tell it.
        QFile video(dir.filePath("film.mp4"));
        ASSERT_TRUE(video.open(QIODevice::WriteOnly));
        video.write(QByteArray("\0\0\0\x18"
                               "ftypmp42\0\0\0\0mp42isom",
                               24));
        QDir(dir.path()).mkdir("ordner.png");
    }
    QMimeData* offer(const Offer& o) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& f : o.files)
            urls << (f.startsWith("http:") ? QUrl(f) : QUrl::fromLocalFile(dir.filePath(f)));
        if (!urls.isEmpty()) data->setUrls(urls);
        if (*o.text) data->setText(QString::fromUtf8(o.text));
        return data;
    }
    // Whether the window, at the height field, takes the drag.
    bool takes(QWidget* window, QWidget* field, const Offer& o) {
        std::unique_ptr<QMimeData> data(offer(o));
        const QPoint at = field->mapTo(window, QPoint(5, 5));
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        return enter.isAccepted();
    }
    QTemporaryDir dir;
};

TEST_P(Drop, IsTakenOnlyAsOneLocalFileOfAKnownType) {
    const Offer& o = GetParam();
    {
        rastomat::RastomatApp app({});
        EXPECT_EQ(takes(&app.view(), app.view().widgetFor("Text3"), o), o.rastomat);
    }
    aspekto::AspektoApp app;
    ASSERT_TRUE(app.start({}));
    EXPECT_EQ(takes(&app.view(), app.view().widgetFor("Text1"), o), o.aspekto);
}

INSTANTIATE_TEST_SUITE_P(
    Offers, Drop,
    testing::Values(Offer{"picture", {"bild.png"}, "", true, true},
                    Offer{"pictureWithItsPathAsText", {"bild.png"}, "/tmp/bild.png", true, true},
                    Offer{"video", {"film.mp4"}, "", false, true},
                    Offer{"twoPictures", {"bild.png", "zwei.png"}, "", false, false},
                    Offer{"folder", {"ordner.png"}, "", false, false},
                    Offer{"missing", {"fehlt.png"}, "", false, false},
                    Offer{"remote", {"http://example.org/bild.png"}, "", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Dropped on a field, the picture's size arrives in the fields, never its
// path as text.
TEST_F(Drop, APictureDroppedOnAFieldFillsThePixelFields) {
    rastomat::RastomatApp app({});
    QWidget* field = app.view().widgetFor("Text3");
    std::unique_ptr<QMimeData> data(offer({"", {"bild.png"}, "/tmp/bild.png", true, true}));
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    ASSERT_TRUE(drop.isAccepted());
    auto& form = app.window().form();
    QTRY_COMPARE_WITH_TIMEOUT(form.control("Text1").text(), std::string("30"), 5000);
    EXPECT_EQ(form.control("Text2").text(), "40");
    EXPECT_EQ(form.control("Option2").value(), 1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(field)->text().toStdString(), form.control("Text3").text());
}

} // namespace
