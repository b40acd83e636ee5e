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

    std::array<Label*, 9> panels{{new Label(this), new Label(this), new Label(this), new Label(this), new Label(this),
                                  new Label(this), new Label(this), new Label(this), new Label(this)}};  // 1 to 9, row by row
    Button* stopButton = new Button(this);
    Button* startButton = new Button(this);
    Timer* timeLimit = new Timer(this);

    void onPanelClicked(int panel);  // 1 to 9
    void onStartClicked();
    void onStopClicked();
    void onTimeUp();

signals:
    void solved();
    void timeUp();  // the time ran out and the window has closed

protected:
    void onLoad() override;

private:
    void showBoard(const Board& board);
    Board board_ = AllBlue();
};
