#pragma once
#include "gui/Frame.h"
#include "gui/Label.h"
#include "gui/Timer.h"
#include "gui/Window.h"

// The title window: the game's name for two seconds, and the hidden course and
// time-attack choice by the arrow keys. Then it hands over to the main window.
class TitleWindow : public Window {
public:
    TitleWindow();

    // In creation order: the stacking order.
    Frame* nameFrame = new Frame(this);
    Timer* handOverTimer = new Timer(this);
    Label* ruLetter = new Label(this);
    Label* twoLetter = new Label(this);
    Label* creditLabel = new Label(this);
    Label* versionLabel = new Label(this);
    Label* piLetter = new Label(this);
    Label* nuLetter = new Label(this);
    Label* nuShadow = new Label(this);
    Label* ruShadow = new Label(this);
    Label* piShadow = new Label(this);
    Label* kaLetter = new Label(this);
    Label* kaShadow = new Label(this);
    Label* twoShadow = new Label(this);

    void startHandOver();  // in two seconds
    void onHandOver();

protected:
    void onLoad() override;
    void keyReleased(Key key, Modifiers keys) override;
};
