#pragma once
// The two problem cards: five seconds of rules in a frame, then the problem window and
// the message that tells the player to press START. They take no input.
#include "runtime/gui/Window.h"

#include <initializer_list>
#include <memory>
#include <vector>

struct CardLine {
    const char* text;
    int left, top, width, height;  // in the frame
    Alignment alignment = Alignment::Center;
    Color colour = kBlack;
};

class CardWindow : public Window {
public:
    Frame frame{this};
    Timer closeTimer{this};
    std::vector<std::unique_ptr<Label>> lines;  // from top to bottom

    void onTimeUp();

protected:
    CardWindow(const QString& objectName, const QString& frameTitle, std::initializer_list<CardLine> cardLines);
    void onLoad() override;
    virtual void openProblem() = 0;
    virtual QString pushStartText() const = 0;  // read when the card closes
};

// Before problem 1, the nine panels.
class PanelsCard : public CardWindow {
public:
    PanelsCard();

private:
    void openProblem() override;
    QString pushStartText() const override;
};

// Before problem 2, the quiz.
class QuizCard : public CardWindow {
public:
    QuizCard();

private:
    void openProblem() override;
    QString pushStartText() const override;
};
