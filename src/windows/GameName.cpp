#include "windows/GameName.h"

namespace {
struct Letter {
    const char* text;
    QColor colour;
    GameName::Spot spot;
};
constexpr Letter kLetters[] = {{"ぬ", kRed, {240, 240}},     {"る", kCyan, {720, 480}},    {"ぴ", kGreen, {1200, 360}},
                               {"か", kMagenta, {1680, 600}}, {"２", kYellow, {2160, 240}}};
constexpr int kLetterSize = 375;

Label* MakeLabel(QWidget* parent, const QString& text, const QColor& colour, const FontSpec& font, int left, int top, int width, int height,
                 const QString& name = {})
{
    auto* label = new Label(parent, name);
    label->setGeometry(Px(left), Px(top), Px(width), Px(height));
    label->setText(text);
    label->setTextColor(colour);
    label->setFont(font);
    return label;
}
}  // namespace

GameName::GameName(QWidget* parent, const std::array<Spot, 5>& shadowSpots) : QWidget(parent)
{
    auto letter = [this](const char* text, const QColor& colour, Spot spot) {
        Label* label = MakeLabel(this, text, colour, {Face::Proportional, 15.75, true}, spot.left, spot.top, kLetterSize, kLetterSize);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    };
    // in creation order, the stacking order: the shadows under the letters
    for (size_t i = 0; i < shadowSpots.size(); ++i)
        letter(kLetters[i].text, kGrey, shadowSpots[i]);
    for (const Letter& l : kLetters)
        letter(l.text, l.colour, l.spot);
    MakeLabel(this, "Ver " NP2_VERSION, kBlack, {Face::Proportional, 11.25, true}, 2520, 600, 1095, 255, "versionLabel");
    MakeLabel(this, "(C) ぬるぴか工房", kOrange, {Face::Proportional, 11.25, false}, 840, 1080, 2175, 255);
}
