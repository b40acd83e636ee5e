#pragma once
#include "runtime/gui/Window.h"

#include <array>

// The hub of the game: the opening question, the first puzzle (the jumping exit buttons
// and the blank menu), the problem button that opens each problem, the last trick, the
// menus, and the screens of a surrender, of each stage advance and of the ending.
class MainWindow : public Window {
public:
    MainWindow();

    // In creation order, which is the stacking order.
    Button switchButton{this};    // "ｽｲｯﾁ(謎)": the last trick
    Button yesButton{this};       // "はい": quit at the opening
    Button noButton{this};        // "いいえ": play
    Button problemButton{this};   // "問題１", "問題２", "問題３", "終了"
    Button surrenderButton{this}; // "降参"
    std::array<Button, 2> exitButtons{{Button(this), Button(this)}};  // "おわり" (+2), "終了" (+3)
    Label bestTimeLabel{this};
    Label timeAttackLabel{this};
    Label courseLabel{this};
    Label upperLine{this};  // the two centred lines: the opening question, hints, the ending
    Label lowerLine{this};

    Menu fileMenu{this, nullptr};  // "ﾌｧｲﾙ(&F)"
    Menu exitItem{this, &fileMenu};
    Menu helpMenu{this, nullptr};  // "ﾍﾙﾌﾟ(&H)"
    Menu surrenderItem{this, &helpMenu};
    Menu helpSeparator{this, &helpMenu};
    Menu versionItem{this, &helpMenu};
    Menu blankMenu{this, nullptr};  // no title at all
    Menu lockItem{this, &blankMenu};
    Menu attackItem{this, &blankMenu};

    void onYesClicked();
    void onNoClicked();
    void onExitClicked(int button);
    void onSurrenderClicked();
    void onProblemClicked();
    void onSwitchPressed(MouseButton button, Modifiers keys);
    void mousePressed(MouseButton button, Modifiers keys) override;
    bool mayClose(CloseReason reason) override;
    void onExitChosen();
    void onLockChosen();
    void onAttackChosen();
    void onVersionChosen();

    // Asks, then shows how far the player got with a hint, counts the surrender and ends
    // the program. Returns only when the player declines.
    void surrender();
    // Called by the puzzle windows once their problem is solved: the puzzle window closes
    // and the main window comes back with the next problem.
    void advanceToProblem2();
    void advanceToProblem3();
    void advanceToLastStage();

protected:
    void onLoad() override;

private:
    void showOpeningQuestion();
    void jumpExits();
    void advance(std::int16_t stage, Color back, WindowSlotBase& solvedPuzzle, const QString& problem);
    // the ending: a fixed script of screens, then the records, then the end
    [[noreturn]] void congratulate();
    [[noreturn]] void showResults();
    void showScreen();
};
