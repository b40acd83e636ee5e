#pragma once
#include "runtime/Form.h"

namespace forms {

// The card before problem 2: five seconds of rules, then the quiz.
class Form5 : public Form {
public:
    Form5();

    Frame Frame1{this};
    Timer Timer1{this};
    Label Label1{this};
    Label Label2{this};
    Label Label9{this};
    Label Label3{this};
    Label Label6{this};

    void Form_Load() override;
    void Timer1_Timer();
};

}  // namespace forms
