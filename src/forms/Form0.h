#pragma once
#include "runtime/Form.h"

namespace forms {

// The title window: the hidden course and time-attack choice, two seconds long.
class Form0 : public Form {
public:
    Form0();

    Frame Frame1{this};
    Timer Timer1{this};
    Label Label9{this};
    Label Label7{this};
    Label Label6{this};
    Label Label5{this};
    Label Label3{this};
    Label Label1{this};
    Label Label8{this};
    Label Label2{this};
    Label Label10{this};
    Label Label4{this};
    Label Label11{this};
    Label Label12{this};

    void Form_Load() override;
    void Timer1_Timer();
    void Form_KeyUp(int KeyCode, int Shift) override;
};

}  // namespace forms
