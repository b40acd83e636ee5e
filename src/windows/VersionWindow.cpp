#include "windows/VersionWindow.h"

VersionWindow::VersionWindow() : Window("versionWindow")
{
    setBorder(Border::Single, false);
    allowPlayerClose();  // an about box closes when the player asks, close box or not
    setWindowTitle("ﾊﾞｰｼﾞｮﾝ情報");
    setBackColor(kLavender);
    setClientSize(3675, 2070);
    setFont(ToQFont({Face::Proportional, 11.25, false}));  // for every control without a font of its own

    place(name, 0, 0, GameName::kWidth, GameName::kHeight);
    place(okButton, 1320, 1560, 1095, 375);
    okButton->setText("OK");
    okButton->setFont({Face::Proportional, 9, false});
    connect(okButton, &Button::clicked, this, &Window::close);
}

void VersionWindow::onLoad() { centerOnScreen(); }
