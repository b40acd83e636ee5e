#pragma once
#include "runtime/gui/Window.h"

// Problem 2: one question drawn from the quiz file, five seconds to press "答える", then
// as long as the player likes to type the answer.
class QuizWindow : public Window {
public:
    QuizWindow();

    Frame questionFrame{this};
    Label questionLabel{this};
    Button startButton{this};
    Button answerButton{this};  // "答える", in START's place
    Button surrenderButton{this};
    Timer timeLimit{this};

    void onStartClicked();
    void onAnswerClicked();
    void onSurrenderClicked();
    void onTimeUp();
    void giveUp();  // the player surrendered: the time limit stops and the window goes

protected:
    void onLoad() override;

private:
    void drawQuestion();
    void startAgain();
};
