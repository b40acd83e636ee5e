// The real services: the message and input boxes as a Japanese desktop shows them, and
// the player's data folder.
#include "app/QtServices.h"

#include "GameTest.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Presses the button of the open box with that caption; returns the box's text and the
// captions of its buttons, the default first.
QStringList Press(const QString& caption)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return {"<no box>"};
    QStringList seen{box->defaultButton() ? box->defaultButton()->text() : "<none>", box->text()};
    for (QAbstractButton* b : box->buttons())
        seen << b->text();
    for (QAbstractButton* b : box->buttons())
        if (b->text() == caption)
            b->click();
    return seen;
}
}  // namespace

TEST(RealBoxes, AQuestionHasJapaneseButtonsWithNoTheDefault)
{
    QtServices services;
    QStringList seen;
    QTimer::singleShot(0, [&] { seen = Press("はい(&Y)"); });
    EXPECT_EQ(services.showMessage("降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion), Answer::Yes);
    EXPECT_EQ(seen, (QStringList{"いいえ(&N)", "本当に降参しちゃうの？", "はい(&Y)", "いいえ(&N)"}));
}

TEST(RealBoxes, AMessageHasItsLinesAsGivenAndOneOk)
{
    QtServices services;
    QStringList seen;
    QTimer::singleShot(0, [&] { seen = Press("OK"); });
    EXPECT_EQ(services.showMessage(".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop), Answer::Ok);
    EXPECT_EQ(seen, (QStringList{"<none>", "DATファイルが無くなっています\n実行を中断します", "OK"}));
}

TEST(RealServices, ARelativeDataFolderIsIgnoredForTheOneInTheHomeFolder)
{
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    QtServices services;
    qputenv("XDG_DATA_HOME", "data");
    EXPECT_EQ(services.userDataFolder(), QDir::homePath() + "/.local/share");
    qputenv("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(services.userDataFolder(), "/srv/data");
    wasSet ? qputenv("XDG_DATA_HOME", saved) : qunsetenv("XDG_DATA_HOME");
}

// The player presses 降参 on the quiz and hesitates past its five seconds: the time-out's
// box comes over the question, the quiz is made afresh and the question goes with the old.
class RealBoxesInPlay : public GameTest {};

TEST_F(RealBoxesInPlay, TheSurrenderQuestionGoesWithTheQuizWindowWhoseTimeRanOutUnderIt)
{
    playTo(Stage::kQuizOpen);
    QTimer* asking = Find<QTimer>("quizWindow", "timeLimit");
    QtServices real;
    ServicesGuard guard(real);
    QStringList seen;
    QTimer player;  // at the question the time runs out, at 時間切れ OK, at anything after いいえ
    QObject::connect(&player, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (seen.size() == 1 && box->text() == "本当に降参しちゃうの？"))
            return;
        seen << (seen.size() > 1 ? "still open: " : "") + box->text();
        seen.size() == 1 ? asking->start(0) : seen.size() == 2 ? box->buttons().constFirst()->click() : box->reject();
    });
    player.start(1);
    Click("quizWindow", "surrenderButton");
    EXPECT_EQ(seen, (QStringList{"本当に降参しちゃうの？", "再度チャレンジしてくれ給え"}));
    EXPECT_EQ(Shown("quizWindow", {"startButton", "answerButton"}) + Enabled("quizWindow", {"startButton"}), "101");
    EXPECT_TRUE(Opened("quizWindow")->isVisible());
    EXPECT_FALSE(Opened("mainWindow")->isVisible());
    EXPECT_FALSE(fake.ended);
}
