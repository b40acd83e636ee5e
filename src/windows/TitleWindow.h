#pragma once
#include "gui/Frame.h"
#include "gui/Timer.h"
#include "gui/Window.h"
#include "rules/TitleKeys.h"
#include "windows/GameName.h"

// The title window: the game's name for two seconds, and the hidden course and
// time-attack choice by the arrow keys. Then it closes and hands over.
class TitleWindow : public Window {
    Q_OBJECT

public:
    TitleWindow();
    void startHandOver();  // in two seconds

signals:
    void handOver();  // the title has closed: the main window's turn

private:
    void onLoad() override;
    void keyReleased(Qt::Key key, Qt::KeyboardModifiers keys) override;
    void onHandOver();

    // In creation order: the stacking order.
    Frame* nameFrame = new Frame(this, "nameFrame");
    Timer* handOverTimer = new Timer(this, "handOverTimer");
    GameName* name = new GameName(this, {{{290, 270}, {760, 530}, {1250, 410}, {1720, 630}, {2200, 280}}});
    TitleKeyRuns keyRuns_;
};
