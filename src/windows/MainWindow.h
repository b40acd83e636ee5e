#pragma once
#include "gui/Button.h"
#include "gui/Label.h"
#include "gui/Menus.h"
#include "gui/Window.h"
#include "windows/CardWindows.h"
#include "windows/GameFiles.h"
#include "windows/PanelsWindow.h"
#include "windows/QuizWindow.h"
#include "windows/StopwatchWindow.h"
#include "windows/VersionWindow.h"

#include <array>

// The hub of the game: the opening question, the first puzzle (the jumping exit buttons
// and the blank menu), the problem button that opens each problem, the last trick, the
// menus, and the screens of a surrender, of each stage advance and of the ending. It
// keeps and opens every other window but the title, and hears from them by signals.
class MainWindow : public Window {
public:
    MainWindow();

    // In creation order, which is the stacking order.
    Button* switchButton = new Button(this);     // "ｽｲｯﾁ(謎)": the last trick
    Button* yesButton = new Button(this);        // "はい": quit at the opening
    Button* noButton = new Button(this);         // "いいえ": play
    Button* problemButton = new Button(this);    // "問題１", "問題２", "問題３", and "終了" at the last trick
    Button* surrenderButton = new Button(this);  // "降参"
    std::array<Button*, 2> exitButtons{{new Button(this), new Button(this)}};  // jumping: "おわり" (+2), "終了" (+3)
    Label* bestTimeLabel = new Label(this);
    Label* timeAttackLabel = new Label(this);
    Label* courseLabel = new Label(this);
    Label* upperLine = new Label(this);  // the two centred lines: the opening question, hints, the ending
    Label* lowerLine = new Label(this);

    MenuTitle* fileMenu = new MenuTitle(this);  // "ﾌｧｲﾙ(&F)"
    MenuItem* closeItem = new MenuItem(fileMenu);  // "終了(&X)", which the window refuses during play
    MenuTitle* helpMenu = new MenuTitle(this);  // "ﾍﾙﾌﾟ(&H)"
    MenuItem* surrenderItem = new MenuItem(helpMenu);
    QAction* helpSeparator = helpMenu->addSeparator();
    MenuItem* versionItem = new MenuItem(helpMenu);
    MenuTitle* blankMenu = new MenuTitle(this);  // no title at all
    MenuItem* lockItem = new MenuItem(blankMenu);
    MenuItem* attackItem = new MenuItem(blankMenu);

    // The windows it opens.
    WindowSlot<VersionWindow> versionWindow;
    WindowSlot<PanelsCard> panelsCard;  // before the nine panels
    WindowSlot<PanelsWindow> panelsWindow;
    WindowSlot<QuizCard> quizCard;  // before the quiz
    WindowSlot<QuizWindow> quizWindow;
    WindowSlot<StopwatchWindow> stopwatchWindow;

    void onYesClicked();
    void onNoClicked();
    void onExitClicked(int button);
    void onSurrenderClicked();
    void onProblemClicked();
    void onSwitchPressed(MouseButton button, Modifiers keys);
    void mousePressed(MouseButton button, Modifiers keys) override;
    bool mayClose(CloseReason reason) override;
    void onCloseChosen();
    void onLockChosen();
    void onAttackChosen();
    void onVersionChosen();

    // Asks, then shows how far the player got with a hint, counts the surrender and ends
    // the program. Returns only when the player declines.
    void surrenderIfConfirmed();
    // When a puzzle window says it is solved: the puzzle window closes and the main
    // window comes back, in a colour of its own, with the next step.
    void onPanelsSolved();
    void onQuizSolved();
    void onStopwatchSolved();
    static constexpr Color kColourAfterPanels = Rgb(113, 62, 73);
    static constexpr Color kColourAfterQuiz = Rgb(13, 24, 115);
    static constexpr Color kColourAtLastTrick = Rgb(86, 124, 51);

protected:
    void onLoad() override;

private:
    void showOpeningQuestion();
    void endIfRecordsGone(FileReport report);  // a record file that has gone: this window goes first
    void jumpExits();
    void advance(std::int16_t stage, Color back, WindowSlotBase& solvedPuzzle, const QString& problem);
    // the ending: a fixed script of screens, then the records, then the end
    [[noreturn]] void congratulate();
    [[noreturn]] void showResults();
    void showScreen();
    QRect lowerLineLayout_;  // where the lower line was placed, before the ending grows it
};
