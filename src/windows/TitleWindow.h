#pragma once
#include "gui/Frame.h"
#include "gui/Timer.h"
#include "gui/Window.h"
#include "windows/GameName.h"

// The title window: the game's name for two seconds, and the hidden course and
// time-attack choice by the arrow keys. Then it closes and hands over.
class TitleWindow : public Window {
    Q_OBJECT

public:
    TitleWindow();

    // In creation order: the stacking order.
    Frame* nameFrame = new Frame(this);
    Timer* handOverTimer = new Timer(this);
    GameName* name = new GameName(this, {{{290, 270}, {760, 530}, {1250, 410}, {1720, 630}, {2200, 280}}});

    void startHandOver();  // in two seconds
    void onHandOver();

signals:
    void handOver();  // the title has closed: the main window's turn

protected:
    void onLoad() override;
    void keyReleased(Key key, Modifiers keys) override;
};
