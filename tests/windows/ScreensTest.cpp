// The surrender off the straight road: declined, at a stage without a hint, and with a
// count carried on from the record file. (Every stage's hint is played by the whole games.)
#include "GameTest.h"

class Screens : public GameTest {
protected:
    void atStage(int stage)
    {
        startRun();
        G.stage = static_cast<std::int16_t>(stage);
        fake.boxes.clear();
        fake.pauses.clear();
    }
};

TEST_F(Screens, ASurrenderCarriesOnTheCountFromTheFile)
{
    writeFile("NP2.INI", RecordFile(9));
    atStage(10);
    fake.answers = {Answer::Yes};
    EXPECT_TRUE(Ends([] { mainWindow->surrender(); }));
    EXPECT_EQ(fake.pauses, std::vector<int>{3000});
    EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ",
                                      MessageKind::Information}));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(9), "Kaisu = 9", "Kaisu=10"));
}

TEST_F(Screens, ADeclinedSurrenderChangesNothing)
{
    atStage(12);
    mainWindow->surrenderButton.setEnabled(true);
    EXPECT_FALSE(Ends([] { mainWindow->surrender(); }));  // No is the default answer
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion}}));
    EXPECT_FALSE(G.surrendered || G.surrenderCount != 0);
    EXPECT_TRUE(mainWindow->isEnabled() && mainWindow->surrenderButton.isVisible());
    EXPECT_EQ(mainWindow->caption(), "ぬるぴか");
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
}

TEST_F(Screens, AStageWithoutAHintGoesStraightToTheCount)
{
    atStage(14);
    fake.answers = {Answer::Yes};
    fake.onBox = [](const Box& box) {
        if (box.kind != MessageKind::Information)
            return;  // behind the count: a teal, disabled window without buttons, caption unchanged
        EXPECT_EQ(mainWindow->backColor(), kTeal);
        EXPECT_EQ(mainWindow->caption(), "ぬるぴか");
        EXPECT_FALSE(mainWindow->isEnabled() || mainWindow->exitButtons[0].isVisible() || mainWindow->surrenderButton.isVisible());
    };
    EXPECT_TRUE(Ends([] { mainWindow->surrender(); }));
    EXPECT_TRUE(fake.pauses.empty());
    EXPECT_EQ(fake.boxes.size(), 2u);
}
