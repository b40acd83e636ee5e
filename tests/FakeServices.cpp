#include "FakeServices.h"

int FakeServices::MsgBox(const QString& prompt, int style, const QString& title)
{
    const Box box{title, prompt, style};
    boxes.push_back(box);
    if (onBox)
        onBox(box);
    const int buttons = style & 7;
    if (buttons == 0)
        return rt::vbOK;
    if (!answers.empty()) {
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    if (buttons == 4)
        return (style & 0x300) == 256 ? rt::vbNo : rt::vbYes;
    return rt::vbOK;
}

QString FakeServices::InputBox(const QString& prompt, const QString& title)
{
    inputBoxes.emplace_back(prompt, title);
    if (onInput)
        return onInput(prompt);
    if (inputs.empty())
        return QString();
    QString s = inputs.front();
    inputs.pop_front();
    return s;
}

void FakeServices::Sleep(int ms)
{
    sleeps.push_back(ms);
    if (onSleep)
        onSleep(ms);
    now += static_cast<float>(ms) / 1000.0f;
}

void FakeServices::Randomize()
{
    ++randomizes;
    random.Randomize(now);
}

float FakeServices::Rnd()
{
    if (!rnds.empty()) {
        const float r = rnds.front();
        rnds.pop_front();
        return r;
    }
    return random.Next();
}

void FakeServices::End()
{
    ended = true;
    throw rt::ProgramEnded{};
}

void FakeServices::ScriptDigits(const QString& digits)
{
    for (QChar c : digits)
        rnds.push_back(static_cast<float>(c.digitValue()) / 10.0f + 0.05f);
}
