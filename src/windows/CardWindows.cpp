#include "windows/CardWindows.h"

#include "rules/GameState.h"
#include "rules/Panels.h"
#include "rules/Quiz.h"
#include "runtime/Services.h"

CardWindow::CardWindow(const QString& objectName, const QString& frameTitle, std::initializer_list<CardLine> cardLines)
    : Window(objectName)
{
    setBorder(Border::None, false);
    setWindowTitle("Form4");  // both cards' caption: no title bar shows it, window lists and screen readers do
    setBackColor(kLavender);
    place(frame, 120, 120, 5655, 3615);
    frame->setTitle(frameTitle);
    frame->setBackColor(kLavender);
    frame->setFont({Face::Proportional, 14.25, false});
    connect(closeTimer, &Timer::timeUp, this, &CardWindow::onTimeUp);
    for (const CardLine& line : cardLines) {
        auto* label = new Label(this);
        place(label, frame, line.left, line.top, line.width, line.height);
        label->setText(line.text);
        label->setAlignment(line.alignment);
        label->setAutoFillBackground(true);
        label->setBackColor(kLavender);
        label->setTextColor(line.colour);
        label->setFont({Face::Proportional, 14.25, true});
    }
}

void CardWindow::onLoad()
{
    centerOnScreen(5865, 3870);
    closeTimer->start(5000);
}

void CardWindow::onTimeUp()
{
    closeTimer->stop();
    close();
    emit timeUp();
    ShowMessage("PUSH START", pushStartText(), MessageKind::Warning);
}

PanelsCard::PanelsCard()
    : CardWindow("panelsCard", " 問題 １ ",
                 {{"ここに9枚のﾊﾟﾈﾙがある", 1200, 480, 3375, 375},
                  {"このﾊﾟﾈﾙを全て赤くして STOP を押せ", 240, 960, 5175, 375},
                  {"ﾊﾟﾈﾙをｸﾘｯｸすると、", 1320, 1440, 3015, 375},
                  {"自分自身＆隣接するﾊﾟﾈﾙの色が", 600, 1920, 4575, 375},
                  // "青 ⇄ 赤": the two arrows stacked between the two colours
                  {"←", 2520, 2400, 375, 255, Qt::AlignLeft | Qt::AlignTop, kBlack},
                  {"青", 1680, 2520, 375, 375, Qt::AlignLeft | Qt::AlignTop, kBlue},
                  {"赤", 3480, 2520, 375, 375, Qt::AlignLeft | Qt::AlignTop, kRed},
                  {"→", 2520, 2640, 375, 255, Qt::AlignLeft | Qt::AlignTop, kBlack},
                  {"と変化するぞ", 1800, 3120, 1935, 375}})
{
}

QString PanelsCard::pushStartText() const
{
    return PanelsStartText(G.course);
}

QuizCard::QuizCard()
    : CardWindow("quizCard", " 問題 ２ ",
                 {{"一問一答", 960, 480, 3375, 375},
                  {"一発勝負クイズ！", 240, 960, 5175, 375},
                  {"", 600, 1440, 4575, 375},
                  {"分かったら「答える」ボタンを押せ！", 600, 1920, 4575, 375},
                  {QuizTimeLimitText(), 960, 3120, 3855, 375}})
{
}

QString QuizCard::pushStartText() const { return "ｽﾀｰﾄﾎﾞﾀﾝを押して開始"; }
