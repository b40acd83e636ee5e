#pragma once
// A window of the game. Geometry is in twips (15 to a logical pixel). Each window exists
// once: it is created on first use (its Form_Load runs then), and Unload destroys it, so
// the next use creates it afresh.
#include "runtime/Colors.h"
#include "runtime/Controls.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QWidget;
class QMenuBar;

// Close reasons passed to Form_QueryUnload.
constexpr int vbFormControlMenu = 0;  // the user: close box, Alt+F4, the window manager
constexpr int vbFormCode = 1;         // our own code
constexpr int vbAppWindows = 2;       // session log-off or shut-down
constexpr int vbAppTaskManager = 3;   // killed from outside

enum class BorderStyle { None, FixedSingle };

namespace rt {
class FormWindow;
class FormSlot;
}  // namespace rt

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QString Caption() const;
    void SetCaption(const QString& caption);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const;

    // The outer size and place of the window, as on a classic desktop.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(double twips);  // the window system takes the nearest whole twip
    void SetTop(double twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    // The client area below the menu bar.
    int ScaleWidth() const;
    int ScaleHeight() const;

    void Show();  // never modal; loads the window first when needed
    void Hide();
    void Refresh();  // paints now

    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode);
    virtual void Form_KeyUp(int KeyCode, int Shift);
    virtual void Form_MouseDown(int Button, int Shift, float X, float Y);

    // The runtime's side.
    const QString& Name() const { return name_; }
    QWidget* window() const;
    QWidget* client() const;
    QMenuBar* menuBar();
    bool QueryAndUnload(int mode);  // asks Form_QueryUnload; false when refused
    void UserCloseRequest(int mode);
    void Register(Timer* t);
    const std::vector<Timer*>& Timers() const { return timers_; }
    void Register(Control* c);
    void Unregister(Control* c);
    void MenusChanged();
    const FontSpec& DefaultFont() const { return font_; }
    bool InputBlocked() const { return !enabled_; }
    void Destroy();  // unloads without asking

protected:
    explicit Form(QString name);

    // Design-time settings.
    void SetBorderStyle(BorderStyle style, bool closeBox);
    void AllowUserClose();             // a window without close box still closes for the user
    void SetClientSize(int widthTwips, int heightTwips);
    void CenterWhenShown();            // placed at the centre of the screen when first shown
    void TakeKeyboardWhenShown();      // takes the keyboard without a click
    void SetFont(const FontSpec& font);  // the font of every control without one of its own
    void Place(Control& c, int left, int top, int width, int height);
    void Place(Control& c, Control& container, int left, int top, int width, int height);
    void SetTabOrder(std::initializer_list<Control*> order);

private:
    friend class rt::FormSlot;
    friend class rt::FormWindow;
    void ApplyGeometry();
    int MenuBarHeight() const;
    void PlaceIn(QWidget* parent, Control& c, int left, int top, int width, int height);

    QString name_;
    rt::FormSlot* slot_ = nullptr;
    rt::FormWindow* window_ = nullptr;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    BorderStyle border_ = BorderStyle::FixedSingle;
    bool closeBox_ = true;
    bool userCloseAllowed_ = false;
    bool centerWhenShown_ = false;
    bool centered_ = false;
    bool takeKeyboard_ = false;
    bool enabled_ = true;
    Color backColor_ = 0xF0F0F0;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    FontSpec font_;
    Control* lastPlaced_ = nullptr;
    std::vector<Timer*> timers_;
    std::vector<Control*> controls_;
};

namespace rt {

// The one slot of a window class: empty until first use, emptied again by Unload.
class FormSlot {
public:
    bool IsLoaded() const { return form_ != nullptr; }
    Form* Loaded() const { return form_; }

protected:
    FormSlot() = default;
    ~FormSlot() = default;
    Form& LoadWith(const std::function<Form*()>& make);
    Form* form_ = nullptr;
    friend class ::Form;
};

// Runs a handler of the game from an event of the window system. Ends the program when
// no window is loaded any more once control is back in the event loop.
void Dispatch(const std::function<void()>& handler);

std::vector<Form*> LoadedForms();
QWidget* FrontWindow();          // the window a message box should stand in front of
void RepaintVisibleForms();
void SetEventLoopRunning(bool running);
void ResetForms();               // tests: drop every window without running a handler

}  // namespace rt

// Form1->Caption() loads the window when it is not loaded yet.
template <typename T>
class FormRef : public rt::FormSlot {
public:
    T& operator*() { return static_cast<T&>(form_ ? *form_ : LoadWith([] { return new T; })); }
    T* operator->() { return &**this; }
};

// Unloads a window: false when its Form_QueryUnload refused. Does nothing to a window
// that is not loaded.
bool Unload(rt::FormSlot& slot);
bool Unload(Form& form);
