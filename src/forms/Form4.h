#pragma once
#include "forms/Cards.h"

namespace forms {

// The card before problem 1, the nine panels.
class Form4 : public Card {
public:
    Form4();

    Label Label1{this};
    Label Label2{this};
    Label Label9{this};
    Label Label3{this};
    Label Label8{this};
    Label Label5{this};
    Label Label4{this};
    Label Label7{this};
    Label Label6{this};

private:
    void ShowProblem() override;
    QString PushStartText() const override;
};

}  // namespace forms
