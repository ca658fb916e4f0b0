#pragma once
// The real DPI window shown through the view and active.
#include "common/qtview/form_view.h"
#include "dpi/dpi_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class DpiView : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<qtview::FormView>(window.form());
        window.form().show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    void TearDown() override {
        view.reset();
        QApplication::processEvents();
    }
    // Clicks into the field, the caret optionally moved to its end.
    QLineEdit* field(const char* name, bool caretAtEnd = false) {
        auto* edit = qobject_cast<QLineEdit*>(view->widgetFor(name));
        EXPECT_NE(edit, nullptr);
        QTest::mouseClick(edit, Qt::LeftButton);
        if (caretAtEnd) edit->end(false);
        return edit;
    }
    static std::string text(dpi::DpiWindow& w, const char* name) {
        return w.form().control(name).text();
    }
    std::string text(const char* name) { return text(window, name); }

    dpi::DpiWindow window;
    std::unique_ptr<qtview::FormView> view;
};
