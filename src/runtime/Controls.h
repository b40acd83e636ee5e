#pragma once
// The controls of a window: buttons, labels, frames, menus and timers, with the
// properties and events the game uses. Geometry is in twips.
#include "runtime/Colors.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class Form;
class QWidget;
class QAction;
class QMenu;
class QTimer;

enum class Face { Proportional, Fixed };  // the two Japanese Gothic faces

struct FontSpec {
    Face face = Face::Proportional;
    double size = 9;
    bool bold = false;
};

enum class Alignment { Left, Right, Center };
enum class BackStyle { Transparent, Opaque };

// Mouse buttons and the Shift/Ctrl/Alt mask of MouseDown and KeyUp.
constexpr int vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4;
constexpr int vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4;

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool Visible() const;
    void SetVisible(bool on);
    bool Enabled() const;
    void SetEnabled(bool on);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int twips);
    void SetTop(int twips);
    void Move(int left, int top, int width, int height);
    void SetFocus();
    void ZOrder(int position);  // 0: in front of its siblings, 1: behind them

    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    const FontSpec& Font() const;
    void SetFont(const FontSpec& f);
    double FontSize() const { return Font().size; }
    void SetFontSize(double points);
    void SetFontBold(bool on);

    QWidget* widget() const { return widget_; }
    Form* owner() const { return owner_; }
    void ApplyFont();  // the runtime's side: the window's font changed

protected:
    Control(Form* owner, QWidget* widget);
    virtual void ApplyColors();
    virtual void ApplyGeometry();

    Form* owner_;
    QWidget* widget_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color foreColor_ = vbBlack;
    Color backColor_ = 0xF0F0F0;
    bool ownFont_ = false;
    FontSpec font_;
};

class CommandButton : public Control {
public:
    explicit CommandButton(Form* owner);
    QString Caption() const;
    void SetCaption(const QString& caption);
    void OnClick(std::function<void()> handler);
    void OnMouseDown(std::function<void(int Button, int Shift, float X, float Y)> handler);
};

class Label : public Control {
public:
    explicit Label(Form* owner);
    QString Caption() const;
    void SetCaption(const QString& caption);
    void SetAlignment(Alignment a);
    BackStyle GetBackStyle() const { return backStyle_; }
    void SetBackStyle(BackStyle s);
    // Grows, never below its layout size, so that the whole caption is readable at any
    // font size: downwards from its top and evenly to both sides, centred in the window.
    void SetGrowToFit(bool on);
    void OnClick(std::function<void()> handler);

private:
    void ApplyColors() override;
    void ApplyGeometry() override;
    void Fit();
    BackStyle backStyle_ = BackStyle::Transparent;
    bool grow_ = false;
};

class Frame : public Control {
public:
    explicit Frame(Form* owner);
    QString Caption() const;
    void SetCaption(const QString& caption);

private:
    void ApplyColors() override;
};

// A control array: members share a name and differ by Index.
template <typename C>
class ControlArray {
public:
    ControlArray(Form* owner, int count)
    {
        for (int i = 0; i < count; ++i)
            items_.push_back(std::make_unique<C>(owner));
    }
    C& operator[](int index) { return *items_.at(static_cast<size_t>(index)); }
    const C& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
    int Count() const { return static_cast<int>(items_.size()); }
    void OnClick(const std::function<void(int Index)>& handler)
    {
        for (int i = 0; i < Count(); ++i)
            (*this)[i].OnClick([handler, i] { handler(i); });
    }

private:
    std::vector<std::unique_ptr<C>> items_;
};

// A menu title on the window's menu bar (parent null) or an entry of a title.
// The caption marks its access key with "&"; "-" makes a separator line.
class Menu {
public:
    Menu(Form* owner, Menu* parent);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Visible() const;
    void SetVisible(bool on);
    bool Enabled() const;
    void SetEnabled(bool on);
    void OnClick(std::function<void()> handler);

    QAction* action() const { return action_; }
    QMenu* menu() const { return menu_; }

private:
    Form* owner_;
    Menu* parent_;
    QMenu* menu_ = nullptr;  // titles only
    QAction* action_ = nullptr;
    QString caption_;
};

// Fires every Interval milliseconds while enabled and Interval is above 0. Setting the
// interval restarts the count; 0 stops it.
class Timer {
public:
    explicit Timer(Form* owner);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Running() const;
    void OnTimer(std::function<void()> handler);
    void Stop();  // the runtime's side: the window is unloaded

private:
    void Update(bool restart);
    std::unique_ptr<QTimer> timer_;
    bool enabled_ = true;
    int interval_ = 0;
    bool inHandler_ = false;
    std::function<void()> handler_;
};
