// A seeded random player: from each stage the play helper reaches, it clicks what is shown,
// presses keys, picks menus, asks windows to close, answers boxes either way and lets
// timers run out, in orders no one wrote down. After every step the record file is one the
// game writes, and the game is still playable or ended by one of its own ways out.
//   NP2_RANDOM_SEEDS=N  plays seeds 0 to N-1 instead of the fixed few
//   NP2_RANDOM_SEED=S   replays seed S alone and prints its steps
#include "GameTest.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include <cstdio>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {
int stepsTaken = 0;
QString replay;  // the seed and steps of the game being played, printed if it crashes

class RandomPlayer : public GameTest {
protected:
    std::mt19937 random;
    template <typename T>
    T pick(const QList<T>& from) { return from.value(std::uniform_int_distribution<int>(0, std::max(1, int(from.size())) - 1)(random)); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    void did(const QString& step) { ++stepsTaken, replay += " | " + step; }
    void letATimerRunOut()
    {
        QList<QTimer*> running;
        for (Window* w : LoadedWindows())
            running << w->findChildren<QTimer*>();
        running.removeIf([](QTimer* t) { return !t->isActive(); });
        if (QTimer* t = pick(running))
            did("time runs out on " + t->parent()->objectName()), t->start(0);
    }
    void act();
    void play(int seed);
};

void RandomPlayer::act()
{
    QList<QWidget*> windows, controls;
    QList<QAction*> items;
    for (Window* w : LoadedWindows()) {
        for (QWidget* c : w->isVisible() ? w->findChildren<QWidget*>() << w->clientArea() : QList<QWidget*>()) {
            if (c->isVisible() && (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLabel*>(c) || c == w->clientArea()))
                controls << c;
            for (QAction* title : qobject_cast<QMenuBar*>(c) && c->isVisible() ? c->actions() : QList<QAction*>())
                for (QAction* item : title->isVisible() ? title->menu()->actions() : QList<QAction*>())
                    if (item->isVisible() && item->isEnabled() && !item->isSeparator())
                        items << item;
        }
        if (w->isVisible())
            windows << w;
    }
    const auto keys = Qt::KeyboardModifiers(pick(4) ? 0 : pick(8) << 25);  // Shift, Ctrl, Alt
    QWidget *w = pick(windows), *c = pick(controls);
    QAction* item = pick(items);
    const int choice = pick(6);
    if (choice < 2 && c) {
        did("click " + (qobject_cast<QAbstractButton*>(c) ? qobject_cast<QAbstractButton*>(c)->text() : c->objectName()));
        QTest::mouseClick(c, pick(3) ? Qt::LeftButton : Qt::RightButton, keys, c->rect().center());
    } else if (choice == 2 && w) {
        const Qt::Key key = pick(QList<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Space});
        did(QString("key %1 on %2").arg(key).arg(w->objectName()));
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key, keys);
    } else if (choice == 3 && item) {
        did("menu " + item->text()), item->trigger();
    } else if (choice == 4 && w) {
        did("close " + w->objectName()), PlayerCloses(w);
    } else {
        fake.now += static_cast<float>(pick(1200)) / 100.0f;  // a while passes
        letATimerRunOut();
        RunWhatIsDue();
    }
}

void RandomPlayer::play(int seed)
{
    random.seed(static_cast<unsigned>(seed));
    const std::int16_t stage = StageTable()[static_cast<size_t>(seed / 2) % StageTable().size()].number;
    const Course course = seed % 2 ? Course::Another : Course::Normal;
    replay = QString("seed %1: from stage %2 on %3").arg(seed).arg(stage).arg(CourseLabel(course));
    SCOPED_TRACE(qPrintable(replay));
    ResetWindows();
    G = GameState{};
    fake.ended = false;
    fake.onBox = nullptr, fake.onAskText = nullptr, fake.onPause = nullptr;
    fake.answers.clear();
    writeFile("NP2.INI", RecordFile(pick(3), pick(3)));
    playTo(stage, course, pick(2));

    QString lastScreen;
    fake.onPause = [&](int) { lastScreen = Opened("mainWindow") ? Opened("mainWindow")->windowTitle() : ""; };
    fake.onBox = [&](const Box& box) {
        did("box " + box.title);
        if (!pick(3))
            letATimerRunOut();  // under the box
        fake.answers.push_back(pick(2) ? Answer::Yes : Answer::No);
    };
    fake.onAskText = [&](const QString&) { return pick(QStringList{"東京", "2", "", "？"}); };
    QString written = "^" + QRegularExpression::escape(QString::fromStdString(RecordFile())) + "$";
    written.replace("Kaisu\\ \\=\\ 0", "Kaisu(?:\\ \\=\\ \\d|\\=\\d+)").replace("1st\\ \\=\\ 9999", "1st(?:\\ \\=\\ 9999|\\=[0-9.]+)");
    for (int i = 0; i < 40 && !fake.ended; ++i) {
        act();
        ASSERT_TRUE(QRegularExpression(written).match(QString::fromStdString(readFile("NP2.INI"))).hasMatch()) << readFile("NP2.INI");
        const auto loaded = LoadedWindows();
        ASSERT_TRUE(fake.ended || RunningTimerCount() > 0 || std::any_of(loaded.begin(), loaded.end(), [](Window* w) { return w->isVisible() && w->takesInput(); }))
            << "no way on";
    }
    const QString last = fake.boxes.empty() ? "" : fake.boxes.back().title + " " + fake.boxes.back().text;
    EXPECT_TRUE(!fake.ended || last == "Welcome to ぬるぴか あ・・・そう？根性なしねぇ。じゃぁね。" || last.startsWith("仕方ないなぁ") || lastScreen == "結果発表")
        << "ended after " << qPrintable(last);
}
}  // namespace

TEST_F(RandomPlayer, NothingAPlayerDoesCrashesTheGameOrTearsItsRecords)
{
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback([] { std::fprintf(stderr, "replay with NP2_RANDOM_SEED: %s\n", qPrintable(replay)); });
#endif
    const bool one = qEnvironmentVariableIsSet("NP2_RANDOM_SEED"), many = qEnvironmentVariableIsSet("NP2_RANDOM_SEEDS");
    const int first = qEnvironmentVariableIntValue("NP2_RANDOM_SEED");
    const int end = one ? first + 1 : many ? qEnvironmentVariableIntValue("NP2_RANDOM_SEEDS") : 84;
    for (int seed = first; seed < end && !HasFatalFailure(); ++seed)
        play(seed);
    if (one || many)
        std::printf("%s\nrandom player: %d games, %d steps\n", one ? qPrintable(replay) : "", end - first, stepsTaken);
}
