#pragma once
// Services for tests: message boxes are recorded and answered from a script, the clock
// moves only when told (or by a pause), random numbers can be scripted, End() throws.
#include "runtime/Random.h"
#include "runtime/Services.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

struct Box {
    QString title;
    QString text;
    int style = 0;
    bool operator==(const Box& o) const { return title == o.title && text == o.text && style == o.style; }
};

class FakeServices : public rt::Services {
public:
    // Message boxes, in order; a box with a choice takes the next scripted answer, and
    // its default button when there is none.
    std::vector<Box> boxes;
    std::deque<int> answers;
    std::function<void(const Box&)> onBox;

    std::vector<std::pair<QString, QString>> inputBoxes;  // prompt, title
    std::deque<QString> inputs;                            // empty text when none is left
    std::function<QString(const QString& prompt)> onInput;

    float now = 36000.0f;  // 10:00:00
    std::vector<int> sleeps;
    std::function<void(int ms)> onSleep;

    std::deque<float> rnds;  // scripted draws, then the generator
    rt::Random random;
    int randomizes = 0;

    int doEvents = 0;
    bool ended = false;
    bool prevInstance = false;
    QString appPath;
    int screenWidth = 15360;   // 1024 × 768 pixels
    int screenHeight = 11520;

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;
    float Clock() override { return now; }
    void Sleep(int ms) override;
    void DoEvents() override { ++doEvents; }
    void Randomize() override;
    float Rnd() override;
    [[noreturn]] void End() override;
    bool PrevInstance() override { return prevInstance; }
    QString AppPath() override { return appPath; }
    int ScreenWidth() override { return screenWidth; }
    int ScreenHeight() override { return screenHeight; }

    // Scripts the digits Int(Rnd * 10) will give.
    void ScriptDigits(const QString& digits);
};
