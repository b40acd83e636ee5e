#pragma once
// The two problem cards: five seconds of rules in a frame, then the problem window and
// the message that tells the player to press START.
#include "runtime/Form.h"

namespace forms {

class Card : public Form {
public:
    Frame Frame1{this};
    Timer Timer1{this};

    void Form_Load() override;
    void Timer1_Timer();

protected:
    Card(const char* name, const char* frameCaption);
    void Row(Label& label, int left, int top, int width, int height, const char* caption, Alignment alignment,
             Color colour = vbBlack);
    virtual void ShowProblem() = 0;
    virtual QString PushStartText() const = 0;  // read when the card closes
};

}  // namespace forms
