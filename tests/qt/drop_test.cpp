// Files dropped on the real windows, offscreen: any drag of files is taken
// without touching them; at the drop one local file the program reads is
// applied, and anything else gets a note that says why.
#include "aspekto/aspekto_app.h"
#include "common/platform/file_names.h"
#include "rastomat/rastomat_app.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

struct Offer {
    const char* name;
    QStringList files; // relative to the test folder; "http:" kept as it is
    const char* text;  // plain text offered instead of or beside the files
    bool rastomat, aspekto;
};

class DropFiles : public testing::Test {
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
        // Bytes that are not UTF-8 in the name.
        QFile::copy(dir.filePath("bild.png"), dir.filePath("ersatz.png"));
        ASSERT_EQ(::rename(QFile::encodeName(dir.filePath("ersatz.png")).constData(),
                           platform::fileNameBytes(dir.filePath(notUtf8)).constData()),
                  0);
        // A picture cut short: taken while dragged, not readable.
        QFile whole(dir.filePath("bild.png")), broken(dir.filePath("kaputt.png"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && broken.open(QIODevice::WriteOnly));
        broken.write(whole.read(20));
        QFile empty(dir.filePath("leer.png"));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    // QTemporaryDir would not find the name with bytes that are not UTF-8.
    void TearDown() override {
        ::unlink(platform::fileNameBytes(dir.filePath(notUtf8)).constData());
    }
    QMimeData* offer(const Offer& o) {
        auto* data = new QMimeData;
        // As a file manager offers them: a text/uri-list with the names' bytes.
        QByteArray uris;
        for (const QString& f : o.files)
            uris += (f.startsWith("http:") ? f : platform::uriFromFileName(dir.filePath(f)))
                        .toLatin1() +
                    "\r\n";
        if (!uris.isEmpty()) data->setData("text/uri-list", uris);
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
    static inline const QString notUtf8 = platform::fileNameFromBytes("\xff\xfe.png");
};

class Drop : public DropFiles, public testing::WithParamInterface<Offer> {};

TEST_P(Drop, IsTakenWhileDraggedByTheAddressesAlone) {
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
    testing::Values(
        Offer{"picture", {"bild.png"}, "", true, true},
        Offer{"pictureWithItsPathAsText", {"bild.png"}, "/tmp/bild.png", true, true},
        Offer{"nameNotUtf8", {platform::fileNameFromBytes("\xff\xfe.png")}, "", true, true},
        Offer{"video", {"film.mp4"}, "", true, true},
        Offer{"twoPictures", {"bild.png", "zwei.png"}, "", true, true},
        Offer{"folder", {"ordner.png"}, "", true, true},
        Offer{"missing", {"fehlt.png"}, "", true, true},
        Offer{"remote", {"http://example.org/bild.png"}, "", true, true}),
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

// A dropped file that cannot be used says so for a few seconds at the
// window, and nothing else in it changes.
struct Refused {
    const char* name;
    QStringList files;
    const char* note;
};

class DropRefused : public DropFiles, public testing::WithParamInterface<Refused> {};

TEST_P(DropRefused, LeavesANoteAndNothingElse) {
    const Refused& row = GetParam();
    rastomat::RastomatApp app({});
    QWidget& window = app.view();
    window.show();
    QWidget* field = app.view().widgetFor("Text3");
    field->setFocus();
    const auto state = [&] {
        std::vector<std::string> s{std::to_string(window.width()) + "x" +
                                   std::to_string(window.height())};
        for (const auto& c : app.window().form().controls())
            s.push_back(c->name() + "=" + c->text() + "/" + std::to_string(c->value()));
        return s;
    };
    const auto before = state();
    const Offer files{"", row.files, "", true, true};
    ASSERT_TRUE(takes(&window, field, files));
    std::unique_ptr<QMimeData> data(offer(files));
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    ASSERT_TRUE(drop.isAccepted());
    // The note is made when the read is refused.
    QLabel* note = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((note = window.findChild<QLabel*>("passingNote")) && note->isVisible(),
                             5000);
    EXPECT_EQ(note->text(), QString::fromUtf8(row.note));
    EXPECT_TRUE(window.rect().contains(note->geometry()));
    EXPECT_EQ(state(), before);
    EXPECT_EQ(window.focusWidget(), field);
    QTRY_VERIFY_WITH_TIMEOUT(!note->isVisible(), 6000);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DropRefused,
    testing::Values(
        Refused{"cut",
                {"kaputt.png"},
                "„kaputt.png“ wurde nicht übernommen: Die Datei ist kein lesbares Bild."},
        Refused{"empty", {"leer.png"}, "„leer.png“ wurde nicht übernommen: Die Datei ist leer."},
        Refused{"two", {"bild.png", "zwei.png"}, "Bitte nur eine Datei ablegen."},
        Refused{"folder",
                {"ordner.png"},
                "„ordner.png“ wurde nicht übernommen: Die Datei ist ein Ordner."},
        Refused{"video",
                {"film.mp4"},
                "„film.mp4“ wurde nicht übernommen: Die Datei ist ein Video, kein Bild."},
        Refused{"remote",
                {"http://example.org/bild.png"},
                "„http://example.org/bild.png“ wurde nicht übernommen: Die Datei liegt nicht "
                "auf diesem Rechner."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
