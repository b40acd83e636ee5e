#pragma once
#include "runtime/gui/Window.h"

// The title window: the game's name for two seconds, and the hidden course and
// time-attack choice by the arrow keys. Then it hands over to the main window.
class TitleWindow : public Window {
public:
    TitleWindow();

    // In creation order: the stacking order.
    Frame nameFrame{this};
    Timer handOverTimer{this};
    Label ruLetter{this};
    Label twoLetter{this};
    Label creditLabel{this};
    Label versionLabel{this};
    Label piLetter{this};
    Label nuLetter{this};
    Label nuShadow{this};
    Label ruShadow{this};
    Label piShadow{this};
    Label kaLetter{this};
    Label kaShadow{this};
    Label twoShadow{this};

    void startHandOver();  // in two seconds
    void onHandOver();

protected:
    void onLoad() override;
    void keyReleased(Key key, Modifiers keys) override;
};
