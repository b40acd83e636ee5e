#pragma once
// The two problem cards: five seconds of rules in a frame; then the card closes, its
// owner opens the problem window, and the card tells the player to press START. They
// take no input.
#include "gui/Frame.h"
#include "gui/Label.h"
#include "gui/Timer.h"
#include "gui/Window.h"

#include <initializer_list>

struct CardLine {
    QString text;
    int left, top, width, height;  // in the frame
    Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop;
    QColor colour = kBlack;
};

class CardWindow : public Window {
    Q_OBJECT

signals:
    // The card has closed: its problem's turn. Said before the card's "PUSH START" box,
    // so that the problem window is on screen under it.
    void timeUp();

protected:
    CardWindow(const QString& objectName, const QString& frameTitle, std::initializer_list<CardLine> cardLines);
    virtual QString pushStartText() const = 0;  // read when the card closes

private:
    void onLoad() override;
    void onTimeUp();

    Frame* frame = new Frame(this, "frame");
    Timer* closeTimer = new Timer(this, "closeTimer");
};

// Before problem 1, the nine panels.
class PanelsCard : public CardWindow {
public:
    PanelsCard();

private:
    QString pushStartText() const override;
};

// Before problem 2, the quiz.
class QuizCard : public CardWindow {
public:
    QuizCard();

private:
    QString pushStartText() const override;
};
