// The ending: the screens in order, the level word, the clear time and the best time,
// and the reset of the counts.
#include "modules/Module2.h"
#include "modules/Module4.h"

#include "GameTest.h"

#include <QLabel>

struct Level {
    int quits;
    int surrenders;
    const char* word;
};

void PrintTo(const Level& l, std::ostream* os) { *os << l.quits << " quits, " << l.surrenders << " surrenders"; }

class LevelWords : public ::testing::TestWithParam<Level> {};

TEST_P(LevelWords, AdjectiveFromQuitsNounFromSurrenders)
{
    EXPECT_EQ(LevelWord(GetParam().quits, GetParam().surrenders), QString::fromUtf8(GetParam().word));
}

INSTANTIATE_TEST_SUITE_P(Ending, LevelWords,
                         ::testing::Values(Level{0, 0, "神"}, Level{0, 1, "神"}, Level{0, 2, "ゲーマー"}, Level{0, 3, "ゲーマー"},
                                           Level{0, 4, "一般人"}, Level{0, 9, "一般人"}, Level{0, 10, "サル"},
                                           Level{0, 15, "サル"}, Level{0, 16, "ミジンコ"}, Level{0, -1, "ミジンコ"},
                                           Level{1, 0, "弱気な神"}, Level{2, 10, "臆病者なサル"},
                                           Level{3, 16, "根性なしのミジンコ"}, Level{-1, 4, "根性なしの一般人"},
                                           Level{2147483647, 2147483647, "根性なしのミジンコ"}));

TEST(ClearTime, AnHourIsTheLastTimeShownInSeconds)
{
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3599.99f)), "3599.99 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.0f)), "3600 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.01f)), "１時間以上かかってます");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(100.0f, 223.45f)), "123.45 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(86000.0f, 100.0f)), "500 秒");  // across midnight
}

namespace {
struct Screen {
    QString caption;
    QString label1;  // "-" when hidden
    QString label2;
    Color colour2;
    double size2;
    bool operator==(const Screen& o) const
    {
        return caption == o.caption && label1 == o.label1 && label2 == o.label2 && colour2 == o.colour2 && size2 == o.size2;
    }
};

std::ostream& operator<<(std::ostream& os, const Screen& s)
{
    return os << "{" << s.caption.toStdString() << " | " << s.label1.toStdString() << " | " << s.label2.toStdString()
              << " | " << std::hex << s.colour2 << std::dec << " " << s.size2 << "}";
}

class EndingTest : public GameTest {
protected:
    // Plays the final press at stage 44 after a run that started at 10:00:00.
    void Finish(float seconds)
    {
        StartRun();
        G.StartTime = 36000.0f;
        G.Stage = 44;
        fake.now = 36000.0f + seconds;
        fake.boxes.clear();
        fake.doEvents = 0;
        fake.onSleep = [this](int ms) {
            EXPECT_EQ(ms, 3000);
            const Label& l1 = Form1->Label1;
            const Label& l2 = Form1->Label2;
            screens.push_back({Form1->Caption(), l1.Visible() ? l1.Caption() : "-", l2.Visible() ? l2.Caption() : "-",
                               l2.ForeColor(), l2.FontSize()});
            // the whole result line is readable, and the label stays centred
            QWidget* w = l2.widget();
            const int clientWidth = Form1->client()->width();
            EXPECT_GE(w->x(), 0);
            EXPECT_LE(w->x() + w->width(), clientWidth);
            EXPECT_LE(std::abs(w->x() + w->width() / 2 - clientWidth / 2), 1);
            EXPECT_GE(w->height(), static_cast<QLabel*>(w)->heightForWidth(w->width()));
            EXPECT_EQ(l1.widget()->geometry(), QRect(8, 32, 321, 41));  // Label1 stays where it was...
            EXPECT_GE(w->y(), 73);                                       // ...and free
        };
        EXPECT_TRUE(Ends([] { Form1->Command3_Click(); }));
    }
    std::vector<Screen> screens;
};

const Screen kCongratulations{"こんぐらちゅれーしょんず！", "おめでとうございますっ！", "というか、お疲れ様でした(？)", vbBlue, 16};
const Screen kFarewell1{"おしまいっ♪", "-", "今回はいかがでしたか？", vbCyan, 16};
const Screen kFarewell2{"おしまいっ♪", "-", "楽しんでいただけましたか？", vbCyan, 16};
const Screen kFarewell3{"それでは", "-", "また次回！（があれば(笑)）", vbCyan, 16};
}  // namespace

TEST_F(EndingTest, EveryScreenInOrderANewBestTimeAndTheCountsBackToZero)
{
    WriteFile("NP2.INI", RecordFile(2, 1, "9999", "9999"));
    G.TimeAttack = true;
    Finish(123.45f);
    EXPECT_EQ(screens, (std::vector<Screen>{kCongratulations, kFarewell1, kFarewell2, kFarewell3,
                                            {"結果発表", "ちなみに降参した回数は", "2 回でした", vbCyan, 16},
                                            {"結果発表", "あなたのレベルは", "弱気なゲーマー", vbBlue, 28},
                                            {"結果発表", "クリア所要時間は", "123.45 秒", vbBlue, 28},
                                            {"結果発表", "記録更新！", "9999 秒 → 123.45 秒", vbBlue, 28},
                                            {"結果発表", "-", "お・わ・り", vbBlue, 28}}));
    EXPECT_TRUE(fake.boxes.empty());  // the closing unload is not refused
    EXPECT_FALSE(Form1.IsLoaded());
    EXPECT_EQ(fake.doEvents, 7);
    std::string expected = RecordFile(2, 1, "9999", "9999");
    expected.replace(expected.find("1st = 9999"), 10, "1st=123.45");
    expected.replace(expected.find("Kaisu = 2"), 9, "Kaisu=0");
    expected.replace(expected.find("Kaisu = 1"), 9, "Kaisu=0");
    EXPECT_EQ(ReadFile("NP2.INI"), expected);
}

TEST_F(EndingTest, AnEqualTimeIsNoRecord)
{
    G.TimeAttack = true;
    WriteFile("NP2.INI", RecordFile(0, 0, "123.45", "9999"));
    Finish(123.45f);
    EXPECT_EQ(screens.size(), 8u);  // the clear time, but no record line
    EXPECT_EQ(screens[6].label2, "123.45 秒");
    EXPECT_NE(ReadFile("NP2.INI").find("1st = 123.45"), std::string::npos);
}
