#pragma once
// The two problem cards: five seconds of rules in a frame; then the card closes, its
// owner opens the problem window, and the card tells the player to press START. They
// take no input.
#include "gui/Frame.h"
#include "gui/Label.h"
#include "gui/Timer.h"
#include "gui/Window.h"

#include <initializer_list>
#include <vector>

struct CardLine {
    QString text;
    int left, top, width, height;  // in the frame
    Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop;
    Color colour = kBlack;
};

class CardWindow : public Window {
    Q_OBJECT

public:
    Frame* frame = new Frame(this);
    Timer* closeTimer = new Timer(this);
    std::vector<Label*> lines;  // from top to bottom

    void onTimeUp();

signals:
    void timeUp();  // the card has closed: its problem's turn

protected:
    CardWindow(const QString& objectName, const QString& frameTitle, std::initializer_list<CardLine> cardLines);
    void onLoad() override;
    virtual QString pushStartText() const = 0;  // read when the card closes
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
