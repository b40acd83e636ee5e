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
#include <cstdint>

// The hub of the game: the opening question, the first puzzle (the jumping exit buttons
// and the blank menu), the problem button that opens each problem, the last trick, the
// menus, and the screens of a surrender, of each stage advance and of the ending. It
// keeps and opens every other window but the title, and hears from them by signals. It
// keeps the run's own state: the stage, the scores, the clock readings.
class MainWindow : public Window {
public:
    MainWindow();

private:
    void onLoad() override;
    bool mayClose(CloseReason reason) override;
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers keys) override;

    // The windows it opens, each in one place: load, connect, show.
    void openVersionWindow();
    void openPanelsCard();
    void openPanels();
    void openQuizCard();
    void openQuiz();
    void openStopwatch();

    void showOpeningQuestion();
    void onYesClicked();
    void onNoClicked();
    void onExitClicked(int button);
    void jumpExits();
    void onLockChosen();
    void onAttackChosen();
    void onProblemClicked();
    void onSurrenderClicked();
    void onSwitchPressed(Qt::MouseButton button, Qt::KeyboardModifiers keys);
    // Asks, then shows how far the player got with a hint, counts the surrender and ends
    // the program. Returns only when the player declines.
    void surrenderIfConfirmed();
    // A puzzle solved: the main window comes back, in a colour of its own, with the next step.
    void advance(std::int16_t stage, const QColor& back, const QString& problem);
    void onPanelsSolved();
    void onQuizSolved();
    void onStopwatchSolved();
    void endIfRecordsGone(FileReport report);  // a record file that has gone: this window goes first
    // the ending: a fixed script of screens, then the records, then the end
    [[noreturn]] void congratulate();
    [[noreturn]] void showResults();
    void showScreen();

    // In creation order, which is the stacking order.
    Button* switchButton = new Button(this, "switchButton");        // "ｽｲｯﾁ(謎)": the last trick
    Button* yesButton = new Button(this, "yesButton");              // "はい": quit at the opening
    Button* noButton = new Button(this, "noButton");                // "いいえ": play
    Button* problemButton = new Button(this, "problemButton");      // "問題１", "問題２", "問題３", and "終了" at the last trick
    Button* surrenderButton = new Button(this, "surrenderButton");  // "降参"
    // jumping: "おわり" (+2), "終了" (+3)
    std::array<Button*, 2> exitButtons{{new Button(this, "exitButton0"), new Button(this, "exitButton1")}};
    Label* bestTimeLabel = new Label(this, "bestTimeLabel");
    Label* timeAttackLabel = new Label(this, "timeAttackLabel");
    Label* courseLabel = new Label(this, "courseLabel");
    Label* upperLine = new Label(this, "upperLine");  // the two centred lines: the opening question, hints, the ending
    Label* lowerLine = new Label(this, "lowerLine");

    MenuTitle* fileMenu = new MenuTitle(this, "fileMenu");         // "ﾌｧｲﾙ(&F)"
    MenuItem* closeItem = new MenuItem(fileMenu, "closeItem");     // "終了(&X)", which the window refuses during play
    MenuTitle* helpMenu = new MenuTitle(this, "helpMenu");         // "ﾍﾙﾌﾟ(&H)"
    MenuItem* surrenderItem = new MenuItem(helpMenu, "surrenderItem");
    QAction* helpSeparator = helpMenu->addSeparator();
    MenuItem* versionItem = new MenuItem(helpMenu, "versionItem");
    MenuTitle* blankMenu = new MenuTitle(this, "blankMenu");       // no title at all
    MenuItem* lockItem = new MenuItem(blankMenu, "lockItem");
    MenuItem* attackItem = new MenuItem(blankMenu, "attackItem");

    WindowSlot<VersionWindow> versionWindow;
    WindowSlot<PanelsCard> panelsCard;  // before the nine panels
    WindowSlot<PanelsWindow> panelsWindow;
    WindowSlot<QuizCard> quizCard;  // before the quiz
    WindowSlot<QuizWindow> quizWindow;
    WindowSlot<StopwatchWindow> stopwatchWindow;

    QRect lowerLineLayout_;  // where the lower line was placed, before the ending grows it
    std::int16_t stage_ = 0;  // see rules/Stages.h
    std::array<std::int32_t, 2> exitScores_ = {0, 0};  // おわり and 終了
    bool lockOn_ = false;
    float bestTime_ = 0;  // of the chosen course
    // Clock readings, seconds since midnight.
    float startTime_ = 0;
    float endTime_ = 0;
    // The ending runs to its end by itself; a surrender or a record file that has gone
    // lets the window close.
    bool gameCleared_ = false;
    bool leaving_ = false;
};
