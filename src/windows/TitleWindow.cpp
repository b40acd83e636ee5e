#include "windows/TitleWindow.h"

#include "rules/GameState.h"
#include "rules/TitleKeys.h"
#include "windows/NameLetters.h"
#include "windows/Windows.h"

TitleWindow::TitleWindow() : Window("titleWindow")
{
    setBorder(Border::None, false);
    setWindowTitle("ぬるぴかの世界へようこそ");
    setBackColor(kLavender);
    takeKeyboardWhenShown();

    place(nameFrame, 120, 0, 3615, 1575);
    nameFrame->setBackColor(kLavender);
    nameFrame->setTextColor(kYellow);
    handOverTimer->onTimeout([this] { onHandOver(); });

    // the letters of the name and their grey shadows
    auto letter = [this](Label* label, const char* text, Color colour, int left, int top) {
        place(label, nameFrame, left, top, 375, 375);
        StyleNameLetter(label, text, colour);
    };
    letter(ruLetter, "る", kCyan, 720, 480);
    letter(twoLetter, "２", kYellow, 2160, 240);
    place(creditLabel, nameFrame, 840, 1080, 2175, 255);
    StyleCreditLabel(creditLabel);
    place(versionLabel, nameFrame, 2520, 600, 1095, 255);
    StyleVersionLabel(versionLabel);
    letter(piLetter, "ぴ", kGreen, 1200, 360);
    letter(nuLetter, "ぬ", kRed, 240, 240);
    letter(nuShadow, "ぬ", kGrey, 290, 270);
    letter(ruShadow, "る", kGrey, 760, 530);
    letter(piShadow, "ぴ", kGrey, 1250, 410);
    letter(kaLetter, "か", kMagenta, 1680, 600);
    letter(kaShadow, "か", kGrey, 1720, 630);
    letter(twoShadow, "２", kGrey, 2200, 280);
    for (Label* shadow : {nuShadow, ruShadow, piShadow, kaShadow, twoShadow})
        shadow->lower();
}

void TitleWindow::onLoad()
{
    centerOnScreen(3855, 1680);
    versionLabel->setText("Ver " + G.versionText);
    G.course = Course::Normal;
}

void TitleWindow::startHandOver() { handOverTimer->start(2000); }

void TitleWindow::onHandOver()
{
    close();
    mainWindow->show();
}

void TitleWindow::keyReleased(Key key, Modifiers) { CountTitleKey(key, G.titleKeys, G.course, G.timeAttack); }
