#pragma once
// A window of the game: a top-level widget whose controls lie in a client area below an
// optional menu bar. Geometry is in twips. Each window exists once, in the WindowSlot of
// whoever opens it: load() makes it (its onLoad runs then), and a close that it accepts
// empties the slot and deletes the window once control is back in an event loop, so the
// next load() makes it afresh. A closed window is deleted once control is back in the
// event loop, no handler running.
#include "gui/Units.h"

#include <QMargins>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class Frame;
class QMenuBar;
class WindowSlotBase;

// Why a window is asked whether it may close.
enum class CloseReason {
    Player,      // the close box, Alt+F4, the window manager
    Program,     // the game's own code
    SessionEnd,  // the desktop session logs off or shuts down
};

enum class Border { None, Single };

class Window : public QWidget {
public:
    ~Window() override;

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& c);
    // A window that takes no input ignores clicks, keys and the player's close requests,
    // and keeps its looks.
    bool takesInput() const;
    void setTakesInput(bool on);

    // Never modal. A window shown raises and activates itself, and the first control in
    // its tab order takes the focus.
    void setVisible(bool visible) override;

    // The game's own code asks through close(); the player's requests come as spontaneous
    // close events. Either way mayClose decides.
    virtual bool mayClose(CloseReason) { return true; }
    bool isLoaded() const { return slot_ != nullptr; }

    QWidget* clientArea() const { return client_; }
    QMenuBar* menuBar();  // made on first use

protected:
    explicit Window(const QString& objectName);

    virtual void onLoad() {}
    virtual void keyReleased(Qt::Key, Qt::KeyboardModifiers) {}
    virtual void mousePressed(Qt::MouseButton, Qt::KeyboardModifiers) {}

    // Settings made once, as the window is built.
    void setBorder(Border border, bool closeBox);
    void allowPlayerClose();  // a window without close box still closes for the player
    void setClientSize(int widthTwips, int heightTwips);
    void takeKeyboardWhenShown();  // takes the keyboard without a click
    // Creation order decides stacking (later on top) and, unless setTabOrder says
    // otherwise, the tab order.
    void place(QWidget* control, int left, int top, int width, int height);
    void place(QWidget* control, Frame* frame, int left, int top, int width, int height);
    using QWidget::setTabOrder;
    void setTabOrder(std::initializer_list<QWidget*> order);

    // Sizes the window (outer size) and centres it on the screen; a window larger than
    // the screen sticks out on both sides.
    void centerOnScreen(int widthTwips, int heightTwips);
    void centerOnScreen() { centerOnScreen(width_, height_); }

    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    class WindowMenuBar;
    friend class WindowSlotBase;

    bool playerMayClose();
    void unload();
    void setLeft(double twips);  // the window system takes the nearest whole twip
    void setTop(double twips);
    void applyGeometry();
    int menuBarHeight() const;
    void placeIn(QWidget* parent, QWidget* control, int left, int top, int width, int height);

    // The frame the window manager draws round a window, learnt from the first framed
    // window on screen, for every window placed after it.
    static std::optional<QMargins> learntFrame_;

    WindowSlotBase* slot_ = nullptr;
    QWidget* client_;
    WindowMenuBar* menuBar_ = nullptr;
    Border border_ = Border::Single;
    bool closeBox_ = true;
    bool playerCloseAllowed_ = false;
    bool takeKeyboard_ = false;
    QColor backColor_ = kSystemFace;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    QWidget* lastPlaced_ = nullptr;
};

// The loaded windows: those in a slot, not yet closed.
std::vector<Window*> LoadedWindows();

// The window a message box stands in front of, and goes with when it closes: the active
// one, else the shown one that came on screen last; none while no window is on screen.
Window* WindowInFront();

// The program lives while a window is loaded, hidden ones included: a close posts this
// check for when control is back in the event loop, since the handler that closes one
// window may open the next. (Without an event loop, as in tests, it never ends anything.)
void EndWhenNoWindowIsLoaded();

// The one slot of a window class, kept by the window that opens it: empty until load(),
// emptied again when the window closes. A window still loaded when its slot goes is
// deleted with it.
class WindowSlotBase {
public:
    bool isLoaded() const { return window_ != nullptr; }
    bool close();  // does nothing to a window that is not loaded
    WindowSlotBase(const WindowSlotBase&) = delete;
    WindowSlotBase& operator=(const WindowSlotBase&) = delete;

protected:
    WindowSlotBase() = default;
    ~WindowSlotBase();
    Window& loadWith(const std::function<Window*()>& make);
    Window* window_ = nullptr;

private:
    friend class Window;
};

// Opening is said: load() makes the window, `->` reaches a loaded one only.
template <typename T>
class WindowSlot : public WindowSlotBase {
public:
    // Makes the window when it is not loaded; its onLoad runs then.
    T& load() { return static_cast<T&>(window_ ? *window_ : loadWith([] { return new T; })); }
    T* operator->() const
    {
        Q_ASSERT(window_);
        return static_cast<T*>(window_);
    }
    T& operator*() const { return *operator->(); }
};
