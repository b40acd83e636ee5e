#pragma once
#include "runtime/Form.h"

namespace forms {

// Problem 2: one question from the quiz file, five seconds to say "I know".
class Form6 : public Form {
public:
    Form6();

    Frame Frame1{this};
    Label Label1{this};
    CommandButton Command2{this};  // START
    CommandButton Command1{this};  // 答える
    CommandButton Command3{this};  // 降参
    Timer Timer1{this};

    void Form_Load() override;
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void Timer1_Timer();

private:
    void StartAgain();
};

}  // namespace forms
