#include "modules/Module3.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "runtime/Numbers.h"
#include "runtime/Services.h"

#include <cstdlib>

namespace {
// Four random digits make a number from 0 to 9999; it is drawn again until it lies within
// the bounds, so every value in them is as likely as any other.
int DrawWithin(int low, int high)
{
    int v = 0;
    while (v < low || v > high) {
        v = 0;
        for (int digit = 0; digit < 4; ++digit)
            v = v * 10 + Int(Rnd() * 10.0);
    }
    return v;
}
}  // namespace

void ShuffleExits()
{
    int top[2] = {0, 0};
    int left[2] = {0, 0};
    for (int i = 0; i <= 1; ++i) {
        Randomize();
        top[i] = DrawWithin(120, 2280);
        left[i] = DrawWithin(240, 3840);
        Form1->Command1[i].SetTop(top[i]);
        Form1->Command1[i].SetLeft(left[i]);
    }
    // the buttons are 975 × 375: touching counts as meeting
    const bool meet = std::abs(top[0] - top[1]) <= 375 && std::abs(left[0] - left[1]) <= 975;
    if (G.LockOn && meet) {
        Form1->Space.SetVisible(true);
        Form1->Lock.SetEnabled(false);
        Form1->Attack.SetVisible(true);
    }
    Form1->Refresh();
}

void CheckPanels()
{
    bool allRed = true;
    for (int n = 1; n <= 9; ++n)
        allRed = allRed && Form3->Panel(n).BackColor() == vbRed;
    Form3->Command1.SetEnabled(allRed);
}

void ScramblePanels()
{
    Color colour[10] = {};
    for (int n = 1; n <= 9; ++n) {
        Randomize();
        const int d = Int(Rnd() * 10.0);
        colour[n] = d % 2 == 0 ? vbBlue : vbRed;
    }
    for (int n = 1; n <= 9; ++n)
        Form3->Panel(n).SetBackColor(colour[n]);
}
