#pragma once
// What a control needs of the window it belongs to. Only the runtime's own classes reach
// it: game code sees the window's public face.
class Control;
class Button;
class Label;
class Frame;
class Menu;
class Timer;
class QMenuBar;
class QWidget;
struct FontSpec;

namespace detail {

class ControlHost {
protected:
    ControlHost() = default;
    ~ControlHost() = default;

private:
    friend class ::Control;
    friend class ::Button;
    friend class ::Label;
    friend class ::Frame;
    friend class ::Menu;
    friend class ::Timer;
    virtual QWidget* hostArea() const = 0;      // where new controls live until placed
    virtual QMenuBar* hostMenuBar() = 0;        // made on first use
    virtual const FontSpec& hostFont() const = 0;  // for controls without a font of their own
    virtual void adopt(Timer* t) = 0;        // stopped when the window closes
    virtual void menusChanged() = 0;
};

}  // namespace detail
