#pragma once
#include "runtime/gui/Window.h"

// Problem 3: a stopwatch to stop at about three seconds. On ANOTHER a pass only puts the
// stopwatch back; the way through is not to stop it at all.
class StopwatchWindow : public Window {
public:
    StopwatchWindow();

    Frame taskFrame{this};
    Label boundsLabel{this};       // "STARTボタンを押してから 2.80秒～3.00秒"
    Label instructionLabel{this};  // "以内にSTOPボタンを押せ"
    Label timeLabel{this};         // the time taken, coloured by the verdict
    Button surrenderButton{this};
    Button startButton{this};
    Button stopButton{this};
    Button goButton{this};  // "GO!", in STOP's place once the time passed
    Timer timeLimit{this};

    void onStartClicked();
    void onStopClicked();
    void onSurrenderClicked();
    void onGoClicked();
    void onTimeUp();
    void giveUp();  // the player surrendered: the time limit stops and the window goes

protected:
    void onLoad() override;

private:
    void readyAgain();  // START pressable, STOP not
};
