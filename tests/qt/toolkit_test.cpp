// The toolkit seams: screen size, DoEvents and the model echo.
#include "tests/qt/test_form.h"

#include "common/qtview/group_box_frame.h"
#include "common/qtview/model_echo.h"
#include "common/qtview/toolkit.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QScreen>

#include <cstdio>

namespace {

TEST(Toolkit, ScreenInTwipsAndDoEventsRunsPendingEvents) {
    qtview::connectToolkit();
    const QRect r = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(forms::screen().width, r.width() * 15);
    EXPECT_EQ(forms::screen().height, r.height() * 15);
    EXPECT_EQ(forms::screen().left, r.x() * 15);
    EXPECT_EQ(forms::screen().top, r.y() * 15);

    bool ran = false;
    QMetaObject::invokeMethod(
        qApp, [&] { ran = true; }, Qt::QueuedConnection);
    forms::DoEvents();
    EXPECT_TRUE(ran);
}

// The style's own load of the frame must find the preloaded pixels: a
// changed cache key would bring every image plugin back into the start.
TEST(Toolkit, GroupBoxFrameIsPreloadedWithTheStylesPixels) {
    qtview::preloadGroupBoxFrame();
    QPixmap preloaded;
    ASSERT_TRUE(QPixmapCache::find(QStringLiteral("fusion_groupbox"), &preloaded));
    const QString path =
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    EXPECT_EQ(QPixmap(path).cacheKey(), preloaded.cacheKey());
    EXPECT_EQ(QPixmap::fromImage(QImage(path)).toImage(), preloaded.toImage());
}

std::string readAll(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, f))
        text += buffer;
    return text;
}

TEST_F(ViewTest, EchoPrintsOneLinePerModelChange) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    {
        qtview::ModelEcho echo(form, out);
        form.show();
        control("Text1").setText("1\n2");
        control("Option2").setValue(1);
        control("Label1").setVisible(false);
        control("Text2").SetFocus();
    }
    const std::string text = readAll(out);
    std::fclose(out);
    for (const char* line :
         {"Text1.Text=768\n", "Check1.Value=1\n", "window=shown\n", "Text1.Text=1\\n2\n",
          "Option1.Value=0\n", "Option2.Value=1\n", "Label1.Visible=0\n", "focus=Text2\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "in\n" << text;
    EXPECT_LT(text.find("window=shown"), text.find("Text1.Text=1\\n2"));
}

} // namespace
