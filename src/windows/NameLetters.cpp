#include "windows/NameLetters.h"

void StyleNameLetter(Label* label, const char* text, Color colour)
{
    label->setText(text);
    label->setTextColor(colour);
    label->setFont({Face::Proportional, 15.75, true});
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void StyleVersionLabel(Label* label)
{
    label->setText("Ver X.XX");
    label->setTextColor(kBlack);
    label->setFont({Face::Proportional, 11.25, true});
}

void StyleCreditLabel(Label* label)
{
    label->setText("(C) ぬるぴか工房");
    label->setTextColor(kOrange);
    label->setFont({Face::Proportional, 11.25, false});
}
