// The ending: a fixed script of screens on the main window, three seconds each, then the
// records and the end of the program. It never returns to the event loop. And what every
// record the main window writes may bring: the end of the game.
#include "windows/MainWindow.h"

#include "rules/Clock.h"
#include "rules/Ending.h"
#include "rules/GameState.h"
#include "rules/Records.h"
#include "runtime/Numbers.h"
#include "runtime/Services.h"

#include <algorithm>

namespace {
void ShowLine(Label* line, const QColor& colour, const QString& text)
{
    line->setTextColor(colour);
    line->setVisible(true);
    line->setText(text);
}

// A result line is larger than the line's layout: it grows, never below its layout size,
// so that the whole text is readable, downwards from its top (the line above it stays
// free; up only at the bottom edge) and evenly to both sides, centred in the window.
void FitToText(Label* line, const QRect& layout)
{
    const QRect needed = line->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, line->text());
    const QWidget* area = line->parentWidget();
    const int w = std::min(std::max(layout.width(), needed.width() + 4), std::max(layout.width(), area->width()));
    const int h = std::max(layout.height(), line->heightForWidth(w));
    line->setGeometry((area->width() - w) / 2, std::max(0, std::min(layout.top(), area->height() - h)), w, h);
}

constexpr double kCongratulationPoints = 16;
constexpr double kResultPoints = 28;
}  // namespace

void MainWindow::endIfRecordsGone(FileReport report)
{
    if (report == FileReport::GoOn)
        return;
    leaving_ = true;
    close();
    EndProgram();
}

void MainWindow::showScreen()
{
    FitToText(lowerLine, lowerLineLayout_);
    repaint();
    Pause(3000);
}

void MainWindow::congratulate()
{
    ProcessEvents();
    gameCleared_ = true;
    for (Button* b : {problemButton, surrenderButton, switchButton})
        b->setVisible(false);
    for (MenuTitle* m : {fileMenu, helpMenu, blankMenu})
        m->setVisible(false);
    setBackColor(kRed);
    setWindowTitle("こんぐらちゅれーしょんず！");
    for (Label* line : {upperLine, lowerLine}) {
        line->setVisible(true);
        line->setPointSize(kCongratulationPoints);
        line->setBackColor(kRed);
        line->setTextColor(kBlue);
    }
    upperLine->setText("おめでとうございますっ！");
    lowerLine->setText("というか、お疲れ様でした(？)");
    showScreen();
    lowerLine->setVisible(false);
    showResults();
}

void MainWindow::showResults()
{
    auto showResult = [this](const QString& text) {
        lowerLine->setTextColor(kBlue);
        lowerLine->setPointSize(kResultPoints);
        lowerLine->setText(text);
    };
    upperLine->setVisible(false);
    ProcessEvents();

    for (const auto& [caption, farewell] : {std::pair<QString, QString>{"おしまいっ♪", "今回はいかがでしたか？"},
                                            {"おしまいっ♪", "楽しんでいただけましたか？"},
                                            {"それでは", "また次回！（があれば(笑)）"}}) {
        setWindowTitle(caption);
        ShowLine(lowerLine, kCyan, farewell);
        showScreen();
        ProcessEvents();
    }

    setWindowTitle("結果発表");
    ShowLine(upperLine, kCyan, "ちなみに降参した回数は");
    ShowLine(lowerLine, kCyan, NumberText(G.surrenderCount) + " 回でした");
    showScreen();

    ShowLine(upperLine, kCyan, "あなたのレベルは");
    showResult(LevelWord(G.quitCount, G.surrenderCount));
    showScreen();
    ProcessEvents();

    if (G.timeAttack) {
        const float clearTime = ElapsedSeconds(startTime_, endTime_);
        ShowLine(upperLine, kCyan, "クリア所要時間は");
        showResult(ClearTimeText(clearTime));
        showScreen();
        if (BeatsBestTime(clearTime, bestTime_)) {
            ShowLine(upperLine, kCyan, "記録更新！");
            showResult(NewBestTimeLine(bestTime_, clearTime));
            showScreen();
            bestTime_ = clearTime;
            endIfRecordsGone(SaveRecord(BestTimeRecord(G.course), bestTime_));
        }
    }

    ProcessEvents();
    upperLine->setVisible(false);
    showResult("お・わ・り");
    showScreen();

    G.surrenderCount = 0;
    endIfRecordsGone(SaveRecord(kSurrenderRecord, G.surrenderCount));
    G.quitCount = 0;
    endIfRecordsGone(SaveRecord(kQuitRecord, G.quitCount));
    close();
    EndProgram();
}
