#pragma once
// Keys, mouse buttons and modifier keys, as the game tells them apart.

enum class Key { Other, Left, Up, Right, Down };

enum class MouseButton { Other, Left, Right, Middle };

// The modifier keys held during a key release or a mouse press, as a set of flags.
enum Modifier : unsigned {
    NoModifier = 0,
    ShiftKey = 1,
    CtrlKey = 2,
    AltKey = 4,
};
using Modifiers = unsigned;
