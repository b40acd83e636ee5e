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
    void giveUp();  // the player surrendered: the time limit stops and the window goes

signals:
    void solved();  // and the window has closed
    void surrenderAsked();  // 降参

private:
    void onLoad() override;
    void onStartClicked();
    void onStopClicked();
    void onGoClicked();
    void onTimeUp();
    void readyAgain();  // START pressable, STOP not

    Frame* taskFrame = new Frame(this, "taskFrame");
    Label* boundsLabel = new Label(this, "boundsLabel");             // "STARTボタンを押してから 2.80秒～3.00秒"
    Label* instructionLabel = new Label(this, "instructionLabel");  // "以内にSTOPボタンを押せ"
    Label* timeLabel = new Label(this, "timeLabel");                 // the time taken, coloured by the verdict
    Button* surrenderButton = new Button(this, "surrenderButton");
    Button* startButton = new Button(this, "startButton");
    Button* stopButton = new Button(this, "stopButton");
    Button* goButton = new Button(this, "goButton");  // "GO!", in STOP's place once the time passed
    Timer* timeLimit = new Timer(this, "timeLimit");
    // Clock readings, seconds since midnight.
    float startedAt_ = 0;
    float stoppedAt_ = 0;
};
