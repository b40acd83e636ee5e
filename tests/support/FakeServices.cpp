#include "FakeServices.h"

void PrintTo(const Box& box, std::ostream* os)
{
    *os << "{" << box.title.toStdString() << " | " << box.text.toStdString() << " | kind " << static_cast<int>(box.kind) << "}";
}

Answer FakeServices::showMessage(const QString& title, const QString& text, MessageKind kind)
{
    boxes.push_back({title, text, kind});
    if (onBox)
        onBox(boxes.back());
    if (!open() || kind != MessageKind::YesNoQuestion || answers.empty())
        return kind == MessageKind::YesNoQuestion ? Answer::No : Answer::Ok;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

void FakeServices::pause(int ms)
{
    pauses.push_back(ms);
    if (onPause)
        onPause(ms);
    now += static_cast<float>(ms) / 1000.0f;
}

float FakeServices::fraction()
{
    if (fractions.empty())
        return generator_.next();
    const float f = fractions.front();
    fractions.pop_front();
    return f;
}

void FakeServices::scriptDigits(const char* digits)
{
    for (const char* d = digits; *d; ++d)
        fractions.push_back(static_cast<float>(*d - '0') / 10.0f + 0.05f);
}
