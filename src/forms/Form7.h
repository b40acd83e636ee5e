#pragma once
#include "runtime/Form.h"

namespace forms {

// Problem 3: a stopwatch to stop at three seconds, or, on ANOTHER, not at all.
class Form7 : public Form {
public:
    Form7();

    Frame Frame1{this};
    Label Label1{this};
    Label Label2{this};
    Label Label3{this};
    CommandButton Command3{this};  // 降参
    CommandButton Command1{this};  // START
    CommandButton Command2{this};  // STOP
    CommandButton Command4{this};  // GO!
    Timer Timer1{this};

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();
};

}  // namespace forms
