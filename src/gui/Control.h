#pragma once
// What every control of the game adds to its Qt widget: its name, colours, the game's
// fonts, and moves in twips.
#include "gui/Units.h"

#include <QWidget>

// The palette work behind Control, the same for every kind of widget.
void SetTextColor(QWidget& widget, const QColor& c);
QColor TextColor(const QWidget& widget);
void SetBackColor(QWidget& widget, const QColor& c);  // painted only where the widget fills its background
QColor BackColor(const QWidget& widget);

template <class QtWidget>
class Control : public QtWidget {
public:
    // The name is the control's role, by which tests and tools find it (findChild).
    explicit Control(QWidget* parent, const QString& name = {}) : QtWidget(parent) { QtWidget::setObjectName(name); }

    QColor textColor() const { return TextColor(*this); }
    void setTextColor(const QColor& c) { SetTextColor(*this, c); }
    QColor backColor() const { return BackColor(*this); }
    void setBackColor(const QColor& c) { SetBackColor(*this, c); }
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
