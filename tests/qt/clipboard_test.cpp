// The clipboard, undo and the context menu of the DPI window's fields,
// through the real widgets. Pasted text is the user's edit: it reaches the
// change handlers exactly as the same edit made through the model does.
#include "common/qtview/application.h"
#include "tests/qt/dpi_view.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <string>

namespace {

const char* const fields[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};
const char* const mirrors[] = {"Label10", "Label12", "Label14", "Label15", "Label16"};

class Clipboard : public DpiView {
protected:
    void paste(QLineEdit* edit, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    // Every field and label as in a window that received `edit` for
    // `name` through the model alone, the field focused as by the user.
    void expectSameAsModelEdit(const char* name, const std::string& edit) {
        dpi::DpiWindow reference;
        reference.form().show();
        reference.form().userFocus(reference.form().control(name));
        reference.form().userEdit(reference.form().control(name), edit);
        for (const char* f : fields)
            EXPECT_TRUE(text(window, f) == text(reference, f))
                << f << ": " << text(window, f).substr(0, 40) << " / "
                << text(reference, f).substr(0, 40);
        for (const char* l : mirrors)
            EXPECT_TRUE(window.form().control(l).caption() == reference.form().control(l).caption())
                << l << ": " << window.form().control(l).caption().substr(0, 40);
    }
    void expectNoGarbage() {
        for (const auto& c : window.form().controls())
            for (const std::string& t : {c->text(), c->caption()})
                for (const char* bad : {"nan", "inf", "NaN", "Inf"})
                    EXPECT_EQ(t.find(bad), std::string::npos)
                        << c->name() << ": " << t.substr(0, 40);
    }
};

TEST_F(Clipboard, CopyAndCutPutTheSelectionOnTheClipboard) {
    QLineEdit* edit = field("Text3");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "9,75");
    EXPECT_EQ(text(window, "Text3"), "9,75");

    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "9,75");
    expectSameAsModelEdit("Text3", "");
}

TEST_F(Clipboard, PastedResolutionRecomputesThePixels) {
    QLineEdit* edit = field("Text5");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    paste(edit, "12");
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(text(window, "Text5"), "12");
    // 12 / 2.54 * 9.75 and * 13, rounded down.
    EXPECT_EQ(text(window, "Text1"), "46");
    EXPECT_EQ(text(window, "Text2"), "61");
    expectSameAsModelEdit("Text5", "12");
}

// The limit is one on typing: pasted text arrives whole, like a program write.
TEST_F(Clipboard, PasteIsNotCutToTheTypingLimit) {
    QLineEdit* edit = field("Text5");
    edit->end(false);
    paste(edit, "12");
    EXPECT_EQ(text(window, "Text5"), "20012");
    EXPECT_EQ(edit->text(), "20012");
}

struct Pasted {
    const char* name;
    QString text;
};

class PasteIntoHeight : public Clipboard, public ::testing::WithParamInterface<Pasted> {};

// Letters and numbers far beyond any double: the handlers' failing steps
// leave the window as the same edit through the model does, and no field or
// label shows an overflowed number.
TEST_P(PasteIntoHeight, FailsAsTheSameEditThroughTheModel) {
    QLineEdit* edit = field("Text3");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    paste(edit, GetParam().text);
    // A line edit holds at most 32767 characters, as much as fits arrives.
    const std::string pasted = GetParam().text.left(edit->maxLength()).toStdString();
    const std::string shown = text(window, "Text3");
    EXPECT_EQ(shown.size(), pasted.size());
    EXPECT_TRUE(shown == pasted) << shown.substr(0, 40);
    expectNoGarbage();
    expectSameAsModelEdit("Text3", pasted);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, PasteIntoHeight,
    ::testing::Values(Pasted{"letters", "abc"},
                      Pasted{"digits100000", QString(100000, QLatin1Char('9'))},
                      Pasted{"letters100000", QString(100000, QLatin1Char('x'))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Clipboard, UndoReachesTheModel) {
    QLineEdit* edit = field("Text3");
    edit->end(false);
    QTest::keyClicks(edit, "5");
    ASSERT_EQ(text(window, "Text3"), "9,755");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "9,75");
    expectSameAsModelEdit("Text3", "9,75");
}

// A result shown as a label is selected with the mouse and copied with
// Ctrl+C, while the caret stays in its field.
TEST_F(Clipboard, ResultLabelsAreSelectedAndCopiedWithoutTakingTheFocus) {
    QLineEdit* edit = field("Text3");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    auto* label = qobject_cast<QLabel*>(view->widgetFor("Label12"));
    const int y = label->height() / 2;
    QTest::mousePress(label, Qt::LeftButton, {}, {2, y});
    QTest::mouseMove(label, {label->width() - 2, y});
    QTest::mouseRelease(label, Qt::LeftButton, {}, {label->width() - 2, y});
    EXPECT_EQ(label->selectedText(), "2,36 Mb");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_FALSE(edit->hasSelectedText()); // one selection at a time
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2,36 Mb");
    EXPECT_EQ(window.form().focused(), &window.form().control("Text3"));

    // The label's menu copies too, in Qt's German words.
    std::unique_ptr<QTranslator> translator(qtview::installGermanQtTexts(*qApp));
    ASSERT_NE(translator, nullptr) << "qtbase_de.qm is not installed";
    QGuiApplication::clipboard()->clear();
    QContextMenuEvent click(QContextMenuEvent::Mouse, {4, y}, label->mapToGlobal(QPoint(4, y)));
    QApplication::sendEvent(label, &click);
    auto* menu = label->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* copy = menu->actions().value(0);
    EXPECT_EQ(copy->text(), translator->translate("QWidgetTextControl", "&Copy"));
    EXPECT_TRUE(copy->text().contains("Kopieren")) << copy->text().toStdString();
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2,36 Mb");
    menu->close();
    QCoreApplication::removeTranslator(translator.get());
}

TEST_F(Clipboard, ContextMenuSpeaksGerman) {
    QTranslator* translator = qtview::installGermanQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_de.qm is not installed";
    auto* edit = qobject_cast<QLineEdit*>(view->widgetFor("Text3"));
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    for (const char* english : {"&Copy", "&Paste", "Cu&t", "Select All", "&Undo"}) {
        const QString german = translator->translate("QLineEdit", english);
        ASSERT_FALSE(german.isEmpty()) << english;
        EXPECT_NE(german, QString::fromLatin1(english));
        const auto actions = menu->actions();
        EXPECT_TRUE(std::any_of(actions.begin(), actions.end(), [&](QAction* a) {
            return a->text().startsWith(german);
        })) << german.toStdString();
    }
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// "Einfügen" in the field's own menu is the same one-line edit as Ctrl+V.
TEST_F(Clipboard, TheContextMenusPasteIsTheSameEdit) {
    QTranslator* translator = qtview::installGermanQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_de.qm is not installed";
    QLineEdit* edit = field("Text5");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText("1\r\n2");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
    auto* menu = edit->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    const QString paste = translator->translate("QLineEdit", "&Paste");
    for (QAction* a : menu->actions())
        if (a->text().startsWith(paste)) a->trigger();
    menu->close();
    EXPECT_EQ(text(window, "Text5"), "1 2");
    expectSameAsModelEdit("Text5", "1 2");
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

} // namespace

// A double-click on a number selects all of it, not the digits after the
// decimal comma: in a field ("9,75") and in a result label ("2,36 Mb").
TEST_F(Clipboard, ADoubleClickSelectsTheWholeNumber) {
    QLineEdit* edit = field("Text3");
    ASSERT_EQ(edit->text(), "9,75");
    const int y = edit->height() / 2;
    int x = 0;
    while (x < edit->width() && edit->cursorPositionAt({x, y}) < 3)
        ++x;
    QTest::mouseDClick(edit, Qt::LeftButton, {}, {x + 1, y});
    EXPECT_EQ(edit->selectedText(), "9,75");

    auto* label = qobject_cast<QLabel*>(view->widgetFor("Label12"));
    ASSERT_EQ(label->text(), "2,36 Mb");
    const QFontMetrics metrics(label->font());
    const QRect box = label->contentsRect();
    const int textWidth = metrics.horizontalAdvance(label->text());
    const int left = label->alignment() & Qt::AlignRight     ? box.right() - textWidth
                     : label->alignment() & Qt::AlignHCenter ? box.center().x() - textWidth / 2
                                                             : box.left();
    const QPoint onDecimals(left + metrics.horizontalAdvance("2,3"), label->height() / 2);
    QTest::mouseDClick(label, Qt::LeftButton, {}, onDecimals);
    EXPECT_EQ(label->selectedText(), "2,36");
}

// A submenu with nothing to offer says why in its first line.
TEST_F(Clipboard, AGreyedSubmenuSaysWhy) {
    QTest::mouseClick(view->widgetFor("Option2"), Qt::LeftButton);
    window.form().userEdit(window.form().control("Text1"), "");
    QLineEdit* edit = field("Text5");
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                            edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
    auto* menu = edit->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QMenu* fit = nullptr;
    for (QAction* a : menu->actions())
        if (a->menu() && a->text() == "Passend für") fit = a->menu();
    ASSERT_NE(fit, nullptr);
    const auto entries = fit->actions();
    ASSERT_GT(entries.size(), 1);
    EXPECT_EQ(entries.first()->text(), "Erst eine Bildgröße in Pixeln eingeben");
    EXPECT_TRUE(
        std::none_of(entries.begin(), entries.end(), [](QAction* a) { return a->isEnabled(); }));
    menu->close();
}
