#pragma once
#include "gui/Button.h"
#include "gui/Frame.h"
#include "gui/Label.h"
#include "gui/Timer.h"
#include "gui/Window.h"

// Problem 3: a stopwatch to stop at about three seconds. On ANOTHER a pass only puts the
// stopwatch back; the way through is not to stop it at all.
class StopwatchWindow : public Window {
    Q_OBJECT

public:
    StopwatchWindow();

    Frame* taskFrame = new Frame(this);
    Label* boundsLabel = new Label(this);       // "STARTボタンを押してから 2.80秒～3.00秒"
    Label* instructionLabel = new Label(this);  // "以内にSTOPボタンを押せ"
    Label* timeLabel = new Label(this);         // the time taken, coloured by the verdict
    Button* surrenderButton = new Button(this);
    Button* startButton = new Button(this);
    Button* stopButton = new Button(this);
    Button* goButton = new Button(this);  // "GO!", in STOP's place once the time passed
    Timer* timeLimit = new Timer(this);

    void onStartClicked();
    void onStopClicked();
    void onSurrenderClicked();
    void onGoClicked();
    void onTimeUp();
    void giveUp();  // the player surrendered: the time limit stops and the window goes

signals:
    void solved();
    void surrenderAsked();

protected:
    void onLoad() override;

private:
    void readyAgain();  // START pressable, STOP not

    // Clock readings, seconds since midnight.
    float startedAt_ = 0;
    float stoppedAt_ = 0;
};
