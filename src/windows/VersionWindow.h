#pragma once
#include "runtime/gui/Window.h"

// The version window: the game's name in five coloured letters, the version and a
// credit line, and "OK", which closes it.
class VersionWindow : public Window {
public:
    VersionWindow();

    // the grey shadows first, so that the coloured letters lie on top of them
    Label nuShadow{this};
    Label ruShadow{this};
    Label piShadow{this};
    Label kaShadow{this};
    Label twoShadow{this};
    Label nuLetter{this};
    Label ruLetter{this};
    Label piLetter{this};
    Label kaLetter{this};
    Label twoLetter{this};
    Label versionLabel{this};
    Label creditLabel{this};
    Button okButton{this};

    void onOkClicked();

protected:
    void onLoad() override;
};
