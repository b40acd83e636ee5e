#pragma once
#include "runtime/Form.h"

#include <array>

namespace forms {

// Problem 1: nine panels to turn red against the clock.
class Form3 : public Form {
public:
    Form3();

    Label Label1{this};
    Label Label2{this};
    Label Label3{this};
    Label Label4{this};
    Label Label5{this};
    Label Label6{this};
    Label Label7{this};
    Label Label8{this};
    Label Label9{this};
    CommandButton Command1{this};  // STOP
    CommandButton Command2{this};  // START
    Timer Timer1{this};

    Label& Panel(int n) { return *panels_.at(static_cast<size_t>(n - 1)); }  // Label1 to Label9

    void Form_Load() override;
    void PanelClick(int n);  // LabelN_Click
    void Command2_Click();
    void Command1_Click();
    void Timer1_Timer();

private:
    const std::array<Label*, 9> panels_{&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
};

}  // namespace forms
