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
    void giveUp();  // the player surrendered: the time limit stops and the window goes

signals:
    void solved();          // the right answer, and the window has closed
    void surrenderAsked();  // 降参
    void failed();          // a wrong answer or the time ran out, and the window has closed: a new start

private:
    void onLoad() override;
    void onStartClicked();
    void onAnswerClicked();
    void onTimeUp();
    void drawQuestion();
    void startAgain();

    Frame* questionFrame = new Frame(this, "questionFrame");
    Label* questionLabel = new Label(this, "questionLabel");
    Button* startButton = new Button(this, "startButton");
    Button* answerButton = new Button(this, "answerButton");  // "答える", in START's place
    Button* surrenderButton = new Button(this, "surrenderButton");
    Timer* timeLimit = new Timer(this, "timeLimit");
    QuizQuestion question_;  // the line drawn last
};
