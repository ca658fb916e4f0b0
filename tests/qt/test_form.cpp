#include "tests/qt/test_form.h"

#include "common/editing/numeric_field.h"

#include <QApplication>
#include <QPixmap>
#include <QtTest/QTest>

#include <algorithm>

using forms::Align;
using forms::Color;
using forms::ControlDecl;
using forms::Font;
using forms::Kind;

namespace {

ControlDecl decl(std::string name, Kind kind, std::string container, std::string text, int l, int t,
                 int w, int h) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = kind;
    c.container = std::move(container);
    c.text = std::move(text);
    c.left = l;
    c.top = t;
    c.width = w;
    c.height = h;
    return c;
}

} // namespace

forms::FormDecl testForm() {
    forms::FormDecl f;
    f.name = "Probe";
    f.caption = "Probe window";
    f.clientWidth = 6000;
    f.clientHeight = 4500;
    f.icon = "dot";
    auto& c = f.controls;

    auto frame1 = decl("Frame1", Kind::Frame, "", "Rahmen:", 120, 120, 4500, 2100);
    frame1.font = Font{12, true};
    frame1.foreColor = Color{192, 0, 0};
    c.push_back(frame1);

    auto text1 = decl("Text1", Kind::TextBox, "Frame1", "768", 300, 450, 1200, 450);
    text1.font = Font{14.25, true};
    text1.foreColor = Color{0, 255, 0};
    text1.backColor = Color{0, 0, 0};
    text1.maxLength = 4;
    text1.tabIndex = 0;
    text1.accessibleName = "Höhe in Pixeln";
    c.push_back(text1);

    auto text2 = text1;
    text2.name = "Text2";
    text2.text = "9,75";
    text2.top = 1050;
    text2.maxLength = 0;
    text2.tabIndex = 1;
    text2.accessibleName = "Höhe in Zentimetern";
    c.push_back(text2);

    auto label1 = decl("Label1", Kind::Label, "Frame1", "Breite:", 1650, 450, 1500, 375);
    label1.font = Font{9, false};
    label1.align = Align::Right;
    label1.border = true;
    label1.wordWrap = true;
    label1.accessibleDescription = "Beschriftung der Breite";
    c.push_back(label1);

    auto text3 = decl("Text3", Kind::TextBox, "", "13", 4800, 300, 900, 450);
    text3.visible = false;
    text3.tabIndex = 2;
    text3.accessibleName = "Breite in Zentimetern";
    c.push_back(text3);

    auto check1 = decl("Check1", Kind::CheckBox, "", "Proportionen erhalten", 120, 2400, 2250, 495);
    check1.font = Font{9.75, true};
    check1.value = 1;
    check1.tabIndex = 3;
    c.push_back(check1);

    c.push_back(decl("Frame2", Kind::Frame, "", "Modus:", 2700, 2400, 3000, 1200));
    auto option1 =
        decl("Option1", Kind::OptionButton, "Frame2", "Eingabe (Scan)", 150, 300, 1800, 375);
    option1.foreColor = Color{192, 64, 0};
    option1.value = 1;
    option1.tabIndex = 4;
    c.push_back(option1);
    auto option2 = option1;
    option2.name = "Option2";
    option2.text = "Ausgabe (Print)";
    option2.top = 750;
    option2.foreColor.reset();
    option2.value = 0;
    option2.tabIndex = 5;
    c.push_back(option2);

    auto combo1 = decl("Combo1", Kind::ComboBox, "", "", 120, 3300, 1800, 345);
    combo1.tabIndex = 6;
    combo1.accessibleName = "Vorgabe";
    c.push_back(combo1);

    auto picture1 = decl("Picture1", Kind::PictureBox, "", "", 2100, 3300, 480, 480);
    picture1.picture = "dot";
    picture1.accessibleName = "Punkt";
    c.push_back(picture1);
    auto picture2 = decl("Picture2", Kind::Image, "", "", 120, 8160, 495, 495);
    picture2.picture = "no such picture";
    c.push_back(picture2);

    // Twips that are no multiple of 15.
    c.push_back(decl("Label2", Kind::Label, "", "ungerade", 1657, 4020, 1013, 255));
    return f;
}

void ViewTest::SetUp() {
    for (const auto& c : form.controls()) {
        forms::Control* p = c.get();
        p->onChange = [] {};
        p->onClick = [] {};
        p->onGotFocus = [] {};
        p->onLostFocus = [] {};
    }
    control("Text1").onKeyPress = [](int& code) { editing::filterKey(code, false); };
    control("Text2").onKeyPress = [](int& code) { editing::filterKey(code, true); };
    form.setTracer([this](const forms::Control& c, forms::Event e, bool entering, int) {
        if (entering) events.push_back(c.name() + ":" + forms::eventName(e));
    });
    view = std::make_unique<qtview::FormView>(form);
}

void ViewTest::TearDown() {
    view.reset();
    QApplication::processEvents();
}

void ViewTest::showActive() {
    form.show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
}

QWidget* ViewTest::widget(const char* name) const {
    QWidget* w = view->widgetFor(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

int ViewTest::count(const std::string& entry) const {
    return static_cast<int>(std::count(events.begin(), events.end(), entry));
}
