// The ending: the screens in order, the best time and the reset of the counts.
#include "GameTest.h"

#include <QLabel>

namespace {
struct Screen {
    QString caption;
    QString upper;  // "-" when hidden
    QString lower;
    Color lowerColour;
    double lowerPoints;
    bool operator==(const Screen& o) const
    {
        return caption == o.caption && upper == o.upper && lower == o.lower && lowerColour == o.lowerColour &&
               lowerPoints == o.lowerPoints;
    }
};

void PrintTo(const Screen& s, std::ostream* os)
{
    *os << "{" << s.caption.toStdString() << " | " << s.upper.toStdString() << " | " << s.lower.toStdString() << " | "
        << std::hex << s.lowerColour << std::dec << " " << s.lowerPoints << "}";
}

class Ending : public GameTest {
protected:
    // The final press at stage 44, the given seconds after a run that started at 10:00:00.
    void finish(float seconds)
    {
        startRun();
        G.startTime = 36000.0f;
        G.stage = 44;
        fake.now = 36000.0f + seconds;
        fake.boxes.clear();
        fake.eventRounds = 0;
        fake.onPause = [this](int ms) {
            EXPECT_EQ(ms, 3000);
            const Label& upper = mainWindow->upperLine;
            const Label& lower = mainWindow->lowerLine;
            screens.push_back({mainWindow->caption(), upper.isVisible() ? upper.text() : "-",
                               lower.isVisible() ? lower.text() : "-", lower.textColor(), lower.pointSize()});
            // the whole result line is readable, centred, and below the upper line
            const QWidget* w = lower.widget();
            const int clientWidth = mainWindow->clientArea()->width();
            EXPECT_TRUE(w->x() >= 0 && w->x() + w->width() <= clientWidth);
            EXPECT_LE(std::abs(w->x() + w->width() / 2 - clientWidth / 2), 1);
            EXPECT_GE(w->height(), static_cast<const QLabel*>(w)->heightForWidth(w->width()));
            EXPECT_GE(w->y(), upper.widget()->geometry().bottom());
        };
        EXPECT_TRUE(Ends([] { mainWindow->onProblemClicked(); }));
    }
    std::vector<Screen> screens;
};

const Screen kCongratulations{"こんぐらちゅれーしょんず！", "おめでとうございますっ！", "というか、お疲れ様でした(？)", kBlue, 16};
const Screen kFarewell1{"おしまいっ♪", "-", "今回はいかがでしたか？", kCyan, 16};
const Screen kFarewell2{"おしまいっ♪", "-", "楽しんでいただけましたか？", kCyan, 16};
const Screen kFarewell3{"それでは", "-", "また次回！（があれば(笑)）", kCyan, 16};
}  // namespace

TEST_F(Ending, EveryScreenInOrderANewBestTimeAndTheCountsBackToZero)
{
    writeFile("NP2.INI", RecordFile(2, 1));
    G.timeAttack = true;
    finish(123.45f);
    EXPECT_EQ(screens, (std::vector<Screen>{kCongratulations, kFarewell1, kFarewell2, kFarewell3,
                                            {"結果発表", "ちなみに降参した回数は", "2 回でした", kCyan, 16},
                                            {"結果発表", "あなたのレベルは", "弱気なゲーマー", kBlue, 28},
                                            {"結果発表", "クリア所要時間は", "123.45 秒", kBlue, 28},
                                            {"結果発表", "記録更新！", "9999 秒 → 123.45 秒", kBlue, 28},
                                            {"結果発表", "-", "お・わ・り", kBlue, 28}}));
    EXPECT_TRUE(fake.boxes.empty());  // the closing close is not refused
    EXPECT_FALSE(mainWindow.isLoaded());
    EXPECT_EQ(fake.eventRounds, 7);
    EXPECT_EQ(readFile("NP2.INI"),
              WithLine(WithLine(WithLine(RecordFile(2, 1), "1st = 9999", "1st=123.45"), "Kaisu = 2", "Kaisu=0"), "Kaisu = 1", "Kaisu=0"));
}

TEST_F(Ending, AnEqualTimeIsNoRecord)
{
    G.timeAttack = true;
    writeFile("NP2.INI", RecordFile(0, 0, "123.45"));
    finish(123.45f);
    EXPECT_EQ(screens.size(), 8u);  // the clear time, but no record line
    EXPECT_EQ(screens[6].lower, "123.45 秒");
    EXPECT_NE(readFile("NP2.INI").find("1st = 123.45"), std::string::npos);
}
