#pragma once
#include "gui/Button.h"
#include "gui/Window.h"
#include "windows/GameName.h"

// The version window: the game's name in five coloured letters, the version and a
// credit line, and "OK", which closes it.
class VersionWindow : public Window {
public:
    VersionWindow();

private:
    void onLoad() override;

    GameName* name = new GameName(this, {{{280, 270}, {750, 510}, {1240, 380}, {1710, 630}, {2200, 280}}});
    Button* okButton = new Button(this, "okButton");
};
