#pragma once
#include "gui/Button.h"
#include "gui/Label.h"
#include "gui/Timer.h"
#include "gui/Window.h"
#include "rules/Panels.h"

#include <array>

// Problem 1: nine panels to turn red, against the clock once START is pressed.
class PanelsWindow : public Window {
    Q_OBJECT

public:
    PanelsWindow();

signals:
    void solved();  // STOP with all nine red, and the window has closed
    void timeUp();  // the time ran out, and the window has closed

private:
    void onLoad() override;
    void onPanelClicked(int panel);  // 1 to 9
    void onStartClicked();
    void onStopClicked();
    void onTimeUp();
    void showBoard();

    std::array<Label*, 9> panels;  // "panel1" to "panel9", row by row
    Button* stopButton = new Button(this, "stopButton");
    Button* startButton = new Button(this, "startButton");
    Timer* timeLimit = new Timer(this, "timeLimit");
    Board board_ = AllBlue();
};
