#pragma once
// What every control of the game adds to its Qt widget: colours in the game's values, the
// game's fonts, and moves in twips.
#include "gui/Units.h"

#include <QWidget>

// The palette work behind Control, the same for every kind of widget.
void SetTextColor(QWidget& widget, Color c);
Color TextColor(const QWidget& widget);
void SetBackColor(QWidget& widget, Color c);  // painted only where the widget fills its background
Color BackColor(const QWidget& widget);

template <class QtWidget>
class Control : public QtWidget {
public:
    explicit Control(QWidget* parent) : QtWidget(parent) {}

    Color textColor() const { return TextColor(*this); }
    void setTextColor(Color c) { SetTextColor(*this, c); }
    Color backColor() const { return BackColor(*this); }
    void setBackColor(Color c) { SetBackColor(*this, c); }
    // The game's fonts only; without one a control has its window's.
    void setFont(const FontSpec& font) { QWidget::setFont(ToQFont(font)); }
    double pointSize() const { return QWidget::font().pointSizeF(); }
    void setPointSize(double points)
    {
        QFont f = QWidget::font();
        f.setPointSizeF(points);
        QWidget::setFont(f);
    }
    void moveTo(int leftTwips, int topTwips) { QWidget::move(Px(leftTwips), Px(topTwips)); }
};
