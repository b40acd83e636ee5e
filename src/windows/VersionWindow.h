#pragma once
#include "gui/Button.h"
#include "gui/Label.h"
#include "gui/Window.h"

// The version window: the game's name in five coloured letters, the version and a
// credit line, and "OK", which closes it.
class VersionWindow : public Window {
public:
    VersionWindow();

    // the grey shadows first, so that the coloured letters lie on top of them
    Label* nuShadow = new Label(this);
    Label* ruShadow = new Label(this);
    Label* piShadow = new Label(this);
    Label* kaShadow = new Label(this);
    Label* twoShadow = new Label(this);
    Label* nuLetter = new Label(this);
    Label* ruLetter = new Label(this);
    Label* piLetter = new Label(this);
    Label* kaLetter = new Label(this);
    Label* twoLetter = new Label(this);
    Label* versionLabel = new Label(this);
    Label* creditLabel = new Label(this);
    Button* okButton = new Button(this);

    void onOkClicked();

protected:
    void onLoad() override;
};
