#pragma once
#include "rules/Panels.h"
#include "runtime/gui/Window.h"

#include <array>

// Problem 1: nine panels to turn red, against the clock once START is pressed.
class PanelsWindow : public Window {
public:
    PanelsWindow();

    std::array<Label, 9> panels{{Label(this), Label(this), Label(this), Label(this), Label(this), Label(this),
                                 Label(this), Label(this), Label(this)}};  // 1 to 9, row by row
    Button stopButton{this};
    Button startButton{this};
    Timer timeLimit{this};

    void onPanelClicked(int panel);  // 1 to 9
    void onStartClicked();
    void onStopClicked();
    void onTimeUp();

protected:
    void onLoad() override;

private:
    void showBoard(const Board& board);
    Board board_ = AllBlue();
};
