#pragma once
#include "gui/Button.h"
#include "gui/Frame.h"
#include "gui/Label.h"
#include "gui/Timer.h"
#include "gui/Window.h"
#include "rules/Quiz.h"

// Problem 2: one question drawn from the quiz file, five seconds to press "答える", then
// as long as the player likes to type the answer.
class QuizWindow : public Window {
    Q_OBJECT

public:
    QuizWindow();

    Frame* questionFrame = new Frame(this);
    Label* questionLabel = new Label(this);
    Button* startButton = new Button(this);
    Button* answerButton = new Button(this);  // "答える", in START's place
    Button* surrenderButton = new Button(this);
    Timer* timeLimit = new Timer(this);

    void onStartClicked();
    void onAnswerClicked();
    void onSurrenderClicked();
    void onTimeUp();
    void giveUp();  // the player surrendered: the time limit stops and the window goes

signals:
    void solved();
    void surrenderAsked();
    void failed();  // a wrong answer or the time ran out, and the window has closed: a new start

protected:
    void onLoad() override;

private:
    void drawQuestion();
    void startAgain();

    QuizQuestion question_;  // the line drawn last
};
