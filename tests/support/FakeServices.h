#pragma once
// Services for tests: message boxes are recorded and answered from a script, the clock
// moves only when told (or by a pause), random numbers can be scripted (for the rules
// too, as their random source), EndProgram throws ProgramEnded.
#include "runtime/Random.h"
#include "runtime/Services.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <ostream>
#include <vector>

struct Box {
    QString title;
    QString text;
    MessageKind kind = MessageKind::Plain;
    bool operator==(const Box& o) const { return title == o.title && text == o.text && kind == o.kind; }
};
void PrintTo(const Box& box, std::ostream* os);
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(", ").toStdString() << '}'; }

class FakeServices : public Services {
public:
    std::vector<Box> boxes;
    std::deque<Answer> answers;  // for Yes/No questions; No, the default, when none is left
    std::function<void(const Box&)> onBox;  // as it opens
    std::function<QString(const QString& prompt)> onAskText;  // none: cancelled
    // While a box is open, as a real box's event loop; false when the box went meanwhile,
    // answered as if escaped (the window tests run the event loop here).
    std::function<bool()> whileOpen;
    float now = 36000.0f;  // 10:00:00; a pause moves it on
    std::vector<int> pauses;
    std::function<void(int ms)> onPause;
    std::deque<float> fractions;  // scripted random draws, then the generator
    int reseeds = 0;
    int eventRounds = 0;
    bool ended = false;
    bool anotherInstance = false;
    QString lockedFolder;
    QString folder;    // the program's
    QString userData;  // the player's

    Answer showMessage(const QString& title, const QString& text, MessageKind kind) override;
    QString askText(const QString&, const QString& prompt) override { return open() && onAskText ? onAskText(prompt) : QString(); }
    float clockSeconds() override { return now; }
    void pause(int ms) override;
    void processEvents() override { ++eventRounds; }
    void reseed() override { ++reseeds, generator_.reseed(now); }
    float fraction() override;
    [[noreturn]] void endProgram() override { ended = true, throw ProgramEnded{}; }
    bool anotherInstanceRunning(const QString& f) override { return lockedFolder = f, anotherInstance; }
    QString programFolder() override { return folder; }
    QString userDataFolder() override { return userData; }
    int screenWidthTwips() override { return 15360; }   // 1024 pixels
    int screenHeightTwips() override { return 11520; }  // 768 pixels

    // Scripts the digits that WholePart(fraction() * 10) will give.
    void scriptDigits(const char* digits);

private:
    bool open() { return !whileOpen || whileOpen(); }
    RandomNumbers generator_;
};
