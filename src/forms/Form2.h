#pragma once
#include "runtime/Form.h"

namespace forms {

// The version window.
class Form2 : public Form {
public:
    Form2();

    Label Label2{this};
    Label Label8{this};
    Label Label10{this};
    Label Label11{this};
    Label Label12{this};
    Label Label1{this};
    Label Label9{this};
    Label Label3{this};
    Label Label4{this};
    Label Label7{this};
    Label Label5{this};
    Label Label6{this};
    CommandButton Command1{this};

    void Form_Load() override;
    void Command1_Click();
};

}  // namespace forms
