#pragma once
// The game's windows, each once: created on first use, created afresh after Unload.
#include "forms/Form0.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/Form6.h"
#include "forms/Form7.h"

extern FormRef<forms::Form0> Form0;  // title
extern FormRef<forms::Form1> Form1;  // main window
extern FormRef<forms::Form2> Form2;  // version
extern FormRef<forms::Form3> Form3;  // nine panels
extern FormRef<forms::Form4> Form4;  // card before the nine panels
extern FormRef<forms::Form5> Form5;  // card before the quiz
extern FormRef<forms::Form6> Form6;  // quiz
extern FormRef<forms::Form7> Form7;  // stopwatch
