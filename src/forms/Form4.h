#pragma once
#include "runtime/Form.h"

namespace forms {

// The card before problem 1: five seconds of rules, then the nine panels.
class Form4 : public Form {
public:
    Form4();

    Frame Frame1{this};
    Timer Timer1{this};
    Label Label1{this};
    Label Label2{this};
    Label Label9{this};
    Label Label3{this};
    Label Label8{this};
    Label Label5{this};
    Label Label4{this};
    Label Label7{this};
    Label Label6{this};

    void Form_Load() override;
    void Timer1_Timer();
};

}  // namespace forms
