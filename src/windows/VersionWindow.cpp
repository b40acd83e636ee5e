#include "windows/VersionWindow.h"

#include "rules/GameState.h"
#include "windows/NameLetters.h"

VersionWindow::VersionWindow() : Window("versionWindow")
{
    setBorder(Border::Single, false);
    allowPlayerClose();  // an about box closes when the player asks, close box or not
    setWindowTitle("ﾊﾞｰｼﾞｮﾝ情報");
    setBackColor(kLavender);
    setClientSize(3675, 2070);
    setFont(ToQFont({Face::Proportional, 11.25, false}));  // for every control without a font of its own

    auto letter = [this](Label* label, const char* text, Color colour, int left, int top) {
        place(label, left, top, 375, 375);
        StyleNameLetter(label, text, colour);
    };
    letter(nuShadow, "ぬ", kGrey, 280, 270);
    letter(ruShadow, "る", kGrey, 750, 510);
    letter(piShadow, "ぴ", kGrey, 1240, 380);
    letter(kaShadow, "か", kGrey, 1710, 630);
    letter(twoShadow, "２", kGrey, 2200, 280);
    letter(nuLetter, "ぬ", kRed, 240, 240);
    letter(ruLetter, "る", kCyan, 720, 480);
    letter(piLetter, "ぴ", kGreen, 1200, 360);
    letter(kaLetter, "か", kMagenta, 1680, 600);
    letter(twoLetter, "２", kYellow, 2160, 240);

    place(versionLabel, 2520, 600, 1095, 255);
    StyleVersionLabel(versionLabel);
    place(creditLabel, 840, 1080, 2175, 255);
    StyleCreditLabel(creditLabel);
    place(okButton, 1320, 1560, 1095, 375);
    okButton->setText("OK");
    okButton->setFont({Face::Proportional, 9, false});
    okButton->onClick([this] { onOkClicked(); });
}

void VersionWindow::onLoad()
{
    centerOnScreen();
    versionLabel->setText("Ver " + G.versionText);
}

void VersionWindow::onOkClicked() { close(); }
