#pragma once
#include <QLabel>
#include <QString>

namespace qtview {

// The window's foot line: derived facts in the small label font, on at most
// two lines. A longer text is cut with "…"; the whole text is then the
// tool tip and the accessible description. It is read-only and selectable
// (menu "Kopieren"), takes no focus, and a screen reader finds it as a
// status line named by its whole text.
class FootLine : public QLabel {
public:
    explicit FootLine(QWidget* parent);

    void setFullText(const QString& text);
    const QString& fullText() const { return full_; }

    // The text cut to the lines that fit the width, "…" at the cut.
    static QString cutToLines(const QString& text, const QFont& font, int width, int lines);
    static constexpr int Lines = 2;
    // The text as shown: items separated by " · " break only between them.
    static QString keptTogether(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    QString full_;
};

} // namespace qtview
