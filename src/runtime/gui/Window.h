#pragma once
// A window of the game. Geometry is in twips (15 to a logical pixel). Each window exists
// once: a WindowSlot creates it on first use (its onLoad runs then), and close()
// destroys it, so the next use creates it afresh.
#include "runtime/Input.h"
#include "runtime/gui/Colors.h"
#include "runtime/gui/Controls.h"
#include "runtime/gui/detail/ControlHost.h"
#include "runtime/gui/detail/Registry.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QMenuBar;

// Why a window is asked whether it may close.
enum class CloseReason {
    Player,      // the close box, Alt+F4, the window manager
    Program,     // the game's own code
    SessionEnd,  // the desktop session logs off or shuts down
};

enum class Border { None, Single };

class WindowSlotBase;

namespace detail {
class WindowWidget;
class ClientWidget;
}  // namespace detail

void ResetWindows();  // tests and tools: see runtime/gui/Harness.h
int RunningTimerCount();

class Window : protected detail::ControlHost {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    QString caption() const;
    void setCaption(const QString& caption);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);  // a disabled window takes no input at all
    bool isVisible() const;

    // The outer size and place of the window, as on a classic desktop.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The client area below the menu bar.
    int clientWidth() const;
    int clientHeight() const;

    void show();  // never modal; loads the window first when needed
    void hide();
    void repaintNow();
    bool close();  // from the game's own code: false when the window refuses

    // The Qt side, for tests and tools that drive the window or take its picture.
    QWidget* widget() const;
    QWidget* clientArea() const;

protected:
    explicit Window(const QString& objectName);

    virtual void onLoad() {}
    virtual bool mayClose(CloseReason) { return true; }
    virtual void keyReleased(Key, Modifiers) {}
    virtual void mousePressed(MouseButton, Modifiers) {}

    // Settings made once, as the window is built.
    void setBorder(Border border, bool closeBox);
    void allowPlayerClose();  // a window without close box still closes for the player
    void setClientSize(int widthTwips, int heightTwips);
    void centerWhenShown();         // placed at the centre of the screen when first shown
    void takeKeyboardWhenShown();   // takes the keyboard without a click
    void setDefaultFont(const FontSpec& font);  // for every control without one of its own
    // Creation order decides stacking (later on top) and, unless setTabOrder says
    // otherwise, the tab order.
    void place(Control& c, int left, int top, int width, int height);
    void place(Control& c, Frame& frame, int left, int top, int width, int height);
    void setTabOrder(std::initializer_list<Control*> order);

    // Sizes the window (outer size) and centres it on the screen; a window larger than
    // the screen sticks out on both sides.
    void centerOnScreen(int heightTwips, int widthTwips);

private:
    friend class detail::WindowWidget;
    friend class detail::ClientWidget;
    friend class WindowSlotBase;
    friend bool detail::AnyWindowRefusesSessionEnd();
    friend void ResetWindows();
    friend int RunningTimerCount();

    // detail::ControlHost
    QWidget* hostArea() const override;
    QMenuBar* hostMenuBar() override;
    const FontSpec& hostFont() const override { return font_; }
    void adopt(Timer* t) override;
    void menusChanged() override;

    bool closeFor(CloseReason reason);  // asks mayClose; false when refused
    void playerAsksToClose();
    void destroy();  // unloads without asking
    void setLeft(double twips);  // the window system takes the nearest whole twip
    void setTop(double twips);
    void applyGeometry();
    int menuBarHeight() const;
    void placeIn(QWidget* parent, Control& c, int left, int top, int width, int height);

    WindowSlotBase* slot_ = nullptr;
    detail::WindowWidget* window_ = nullptr;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    Border border_ = Border::Single;
    bool closeBox_ = true;
    bool playerCloseAllowed_ = false;
    bool centerWhenShown_ = false;
    bool centered_ = false;
    bool takeKeyboard_ = false;
    bool enabled_ = true;
    Color backColor_ = kSystemFace;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    FontSpec font_;
    Control* lastPlaced_ = nullptr;
    std::vector<Timer*> timers_;
};

// The one slot of a window class: empty until first use, emptied again when it closes.
class WindowSlotBase {
public:
    bool isLoaded() const { return window_ != nullptr; }
    bool close();  // does nothing to a window that is not loaded

protected:
    WindowSlotBase() = default;
    ~WindowSlotBase() = default;
    Window& loadWith(const std::function<Window*()>& make);
    Window* window_ = nullptr;

private:
    friend class Window;
};

// mainWindow->caption() loads the window when it is not loaded yet.
template <typename T>
class WindowSlot : public WindowSlotBase {
public:
    T& operator*() { return static_cast<T&>(window_ ? *window_ : loadWith([] { return new T; })); }
    T* operator->() { return &**this; }
};
