#pragma once
#include "common/forms/form.h"
#include "common/qtview/form_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A small window with one control of every kind the view draws: a frame
// holding two text boxes (one limited to four typed characters, both with a
// numeric key filter) and a label, a hidden text box, a check box, a second
// frame with an option pair, a combo box and two pictures, one of them below
// the client area.
forms::FormDecl testForm();

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads and shows the window and waits until it is active.
    void showActive();

    QWidget* widget(const char* name) const;
    template <class T> T* widget(const char* name) const { return qobject_cast<T*>(widget(name)); }
    forms::Control& control(const char* name) { return form.control(name); }

    int count(const std::string& entry) const;

    forms::Form form{testForm()};
    std::unique_ptr<qtview::FormView> view;
    // "Text1:Change", "Check1:Click", "Text2:GotFocus", "Text1:KeyPress", ...
    std::vector<std::string> events;
};
