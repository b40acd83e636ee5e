#include "forms/Forms.h"

FormRef<forms::Form0> Form0;
FormRef<forms::Form1> Form1;
FormRef<forms::Form2> Form2;
FormRef<forms::Form3> Form3;
FormRef<forms::Form4> Form4;
FormRef<forms::Form5> Form5;
FormRef<forms::Form6> Form6;
FormRef<forms::Form7> Form7;
