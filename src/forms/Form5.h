#pragma once
#include "forms/Cards.h"

namespace forms {

// The card before problem 2, the quiz.
class Form5 : public Card {
public:
    Form5();

    Label Label1{this};
    Label Label2{this};
    Label Label9{this};
    Label Label3{this};
    Label Label6{this};

private:
    void ShowProblem() override;
    QString PushStartText() const override;
};

}  // namespace forms
