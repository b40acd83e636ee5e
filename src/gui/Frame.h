#pragma once
#include "gui/Control.h"

// A titled border round other controls, as on a classic desktop: an etched line whose top
// runs through the middle of the title, in the frame's own colours (no style tints its
// inside). Black on the system face until told otherwise.
class Frame : public Control<QWidget> {
public:
    explicit Frame(QWidget* parent, const QString& name = {});
    QString title() const { return title_; }
    void setTitle(const QString& title);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString title_;
};
