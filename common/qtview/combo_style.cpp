#include "common/qtview/combo_style.h"

#include <QApplication>
#include <QComboBox>
#include <QProxyStyle>

namespace qtview {

namespace {

class ListBelowStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void useListBelow(QComboBox* box) {
    // One style for every box; it follows the application's style.
    static ListBelowStyle* style = [] {
        auto* s = new ListBelowStyle;
        s->setParent(qApp);
        return s;
    }();
    box->setStyle(style);
}

} // namespace qtview
