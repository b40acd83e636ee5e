#pragma once
#include "gui/Label.h"

#include <array>

// The game's name as the title and the version window show it: five coloured letters
// over grey shadows, the version ("versionLabel") and the credit line. Each window places
// it and says where the shadows fall; everything else lies in the same place in both.
class GameName : public QWidget {
public:
    struct Spot {
        int left, top;  // twips
    };
    // The spots of the shadows of ぬ, る, ぴ, か and ２.
    GameName(QWidget* parent, const std::array<Spot, 5>& shadowSpots);
    static constexpr int kWidth = 3615;  // twips, from the window's spot for it
    static constexpr int kHeight = 1335;
};
