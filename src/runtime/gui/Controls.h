#pragma once
// The controls of a window: buttons, labels, frames, menus and timers, with the
// properties and events the game uses. Geometry is in twips (15 to a logical pixel).
// Every control is a member of its window and is given the window (this) when it is made.
#include "runtime/Input.h"
#include "runtime/gui/Colors.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;
class QAction;
class QMenu;
class QTimer;
class Window;

namespace detail {
class ControlHost;
}

enum class Face { Proportional, Fixed };  // the two Japanese Gothic faces

struct FontSpec {
    Face face = Face::Proportional;
    double points = 9;
    bool bold = false;
};

enum class Alignment { Left, Center };

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool isVisible() const;
    void setVisible(bool on);
    bool isEnabled() const;
    void setEnabled(bool on);
    int left() const { return left_; }
    int top() const { return top_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setFocus();
    void sendToBack();  // behind the controls beside it

    Color textColor() const { return textColor_; }
    void setTextColor(Color c);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    const FontSpec& font() const;
    void setFont(const FontSpec& f);
    double pointSize() const { return font().points; }
    void setPointSize(double points);

    // The Qt widget, for tests and tools that drive the control or take its picture.
    QWidget* widget() const { return widget_; }

protected:
    Control(detail::ControlHost* owner, QWidget* widget);
    virtual void applyColors();
    void applyPalette(bool withBackColor);
    virtual void applyGeometry();
    int width() const { return width_; }
    int height() const { return height_; }

    QWidget* widget_;

private:
    friend class Window;  // places the control
    void setGeometry(int left, int top, int width, int height);
    void applyFont();

    detail::ControlHost* owner_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color textColor_ = kBlack;
    Color backColor_ = kSystemFace;
    bool ownFont_ = false;
    FontSpec font_;
};

class Button : public Control {
public:
    explicit Button(detail::ControlHost* owner);
    QString text() const;
    void setText(const QString& text);
    // A click: the mouse, or Enter or Space while the button has the focus.
    void onClick(std::function<void()> handler);
    // A mouse button pressed on it, with the modifier keys held; the keyboard never counts.
    void onPress(std::function<void(MouseButton, Modifiers)> handler);
};

class Label : public Control {
public:
    explicit Label(detail::ControlHost* owner);
    QString text() const;
    void setText(const QString& text);
    void setAlignment(Alignment a);
    void setOpaque(bool on);  // paints its back colour; otherwise the window shows through
    // Grows, never below its layout size, so that the whole text is readable at any
    // font size: downwards from its top and evenly to both sides, centred in the window.
    void setGrowToFit(bool on);
    void onClick(std::function<void()> handler);

private:
    void applyColors() override;
    void applyGeometry() override;
    void fit();
    bool opaque_ = false;
    bool grow_ = false;
};

// A titled border round other controls.
class Frame : public Control {
public:
    explicit Frame(detail::ControlHost* owner);
    QString title() const;
    void setTitle(const QString& title);

private:
    void applyColors() override;
};

// A menu title on the window's menu bar (no parent) or an entry under a title. The text
// marks its access key with "&"; "-" makes a separator line.
class Menu {
public:
    Menu(detail::ControlHost* owner, Menu* parent);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    QString text() const { return text_; }
    void setText(const QString& text);
    bool isVisible() const;
    void setVisible(bool on);
    bool isEnabled() const;
    void setEnabled(bool on);
    void onChoose(std::function<void()> handler);

    // The Qt side, for tests that choose the entry or look at the menu bar.
    QAction* action() const { return action_; }
    QMenu* menu() const { return menu_; }

private:
    detail::ControlHost* owner_;
    Menu* parent_;
    QMenu* menu_ = nullptr;  // titles only
    QAction* action_ = nullptr;
    QString text_;
};

// A time limit or a delay: fires every interval once started, until stopped. Starting it
// again restarts the count. Its handler is never entered while it is still running.
class Timer {
public:
    explicit Timer(detail::ControlHost* owner);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void start(int ms);
    void stop();
    bool isRunning() const;
    int interval() const { return interval_; }  // 0 once stopped
    void onTimeout(std::function<void()> handler);

private:
    std::unique_ptr<QTimer> timer_;
    int interval_ = 0;
    bool inHandler_ = false;
    std::function<void()> handler_;
};
