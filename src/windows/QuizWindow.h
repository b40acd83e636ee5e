#pragma once
#include "gui/Button.h"
#include "gui/Frame.h"
#include "gui/Label.h"
#include "gui/Timer.h"
#include "gui/Window.h"

// Problem 2: one question drawn from the quiz file, five seconds to press "答える", then
// as long as the player likes to type the answer.
class QuizWindow : public Window {
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

protected:
    void onLoad() override;

private:
    void drawQuestion();
    void startAgain();
};
