#include "runtime/gui/Controls.h"

#include "runtime/gui/detail/ControlHost.h"
#include "runtime/gui/detail/QtBits.h"
#include "runtime/gui/detail/Registry.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace detail {

int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
float TwipsFromPx(double px) { return static_cast<float>(px * kTwipsPerPixel); }

QColor ToQColor(Color c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont ToQFont(const FontSpec& font)
{
    QFont f;
    if (font.face == Face::Fixed)
        f.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("Noto Sans Mono CJK JP"),
                       QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"), QStringLiteral("monospace")});
    else
        f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP"),
                       QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"), QStringLiteral("sans-serif")});
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

Key KeyFrom(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    default: return Key::Other;
    }
}

Modifiers ModifiersFrom(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? ShiftKey : NoModifier) | (m.testFlag(Qt::ControlModifier) ? CtrlKey : NoModifier) |
           (m.testFlag(Qt::AltModifier) ? AltKey : NoModifier);
}

MouseButton MouseButtonFrom(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Other;
    }
}

namespace {

class ButtonWidget : public QPushButton {
public:
    explicit ButtonWidget(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }
    std::function<void(MouseButton, Modifiers)> press;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        pressed(e);
        QPushButton::mousePressEvent(e);
    }
    // The second press of a double click is a press, but no click.
    void mouseDoubleClickEvent(QMouseEvent* e) override { pressed(e); }
    // Enter on a focused button presses it, as players expect; the keypad's Enter too.
    void keyPressEvent(QKeyEvent* e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!e->isAutoRepeat())
                click();
            return;
        }
        QPushButton::keyPressEvent(e);
    }

private:
    void pressed(QMouseEvent* e) const
    {
        if (!press)
            return;
        const auto handler = press;
        const MouseButton button = MouseButtonFrom(e->button());
        const Modifiers keys = ModifiersFrom(e->modifiers());
        Dispatch([&] { handler(button, keys); });
    }
};

class LabelWidget : public QLabel {
public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    std::function<void()> click;

protected:
    // A label takes the presses on it: they are not presses on the window.
    void mousePressEvent(QMouseEvent* e) override
    {
        pressed_ = e->button() == Qt::LeftButton;
        e->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        pressed_ = false;
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        e->accept();
        const bool was = pressed_;
        pressed_ = false;
        if (was && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && click && isEnabled()) {
            const auto handler = click;
            Dispatch(handler);
        }
    }

private:
    bool pressed_ = false;
};

// A frame as on a classic desktop: an etched border whose top line runs through the
// middle of the title, in the frame's own colours (no style tints its inside).
class FrameWidget : public QWidget {
public:
    explicit FrameWidget(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }
    QString title;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics fm(font());
        const int top = title.isEmpty() ? 0 : fm.height() / 2;
        const QRect box(0, top, width() - 2, height() - top - 2);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(box);
        p.setPen(Qt::white);
        p.drawRect(box.translated(1, 1));
        if (title.isEmpty())
            return;
        const QRect text(8, 0, fm.horizontalAdvance(title) + 2, fm.height());
        p.fillRect(text, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, title);
    }
};

}  // namespace
}  // namespace detail

// ---- Control

// The font comes from the window unless the control is given one of its own.
Control::Control(detail::ControlHost* owner, QWidget* widget) : widget_(widget), owner_(owner) {}

Control::~Control() { delete widget_; }

bool Control::isVisible() const { return !widget_->isHidden(); }
void Control::setVisible(bool on) { widget_->setVisible(on); }
bool Control::isEnabled() const { return !widget_->testAttribute(Qt::WA_ForceDisabled); }
void Control::setEnabled(bool on) { widget_->setEnabled(on); }
void Control::setLeft(int twips)
{
    left_ = twips;
    applyGeometry();
}
void Control::setTop(int twips)
{
    top_ = twips;
    applyGeometry();
}
void Control::setGeometry(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}
void Control::applyGeometry()
{
    using detail::Px;
    widget_->setGeometry(Px(left_), Px(top_), Px(width_), Px(height_));
}
void Control::setFocus()
{
    if (widget_->isEnabled() && !widget_->isHidden())
        widget_->setFocus(Qt::OtherFocusReason);
}
void Control::sendToBack() { widget_->lower(); }
void Control::setTextColor(Color c)
{
    textColor_ = c;
    applyColors();
}
void Control::setBackColor(Color c)
{
    backColor_ = c;
    applyColors();
}
void Control::applyColors() { applyPalette(false); }
void Control::applyPalette(bool withBackColor)
{
    QPalette p = widget_->palette();
    p.setColor(QPalette::WindowText, detail::ToQColor(textColor_));
    p.setColor(QPalette::ButtonText, detail::ToQColor(textColor_));
    if (withBackColor)
        p.setColor(QPalette::Window, detail::ToQColor(backColor_));
    widget_->setPalette(p);
}
const FontSpec& Control::font() const { return ownFont_ ? font_ : owner_->hostFont(); }
void Control::setFont(const FontSpec& f)
{
    font_ = f;
    ownFont_ = true;
    applyFont();
}
void Control::setPointSize(double points)
{
    FontSpec f = font();
    f.points = points;
    setFont(f);
}
void Control::applyFont()
{
    widget_->setFont(detail::ToQFont(font_));
    applyGeometry();
}

// ---- Button

Button::Button(detail::ControlHost* owner) : Control(owner, new detail::ButtonWidget(owner->hostArea()))
{
    widget_->setFocusPolicy(Qt::StrongFocus);
}
QString Button::text() const { return static_cast<QPushButton*>(widget_)->text(); }
void Button::setText(const QString& text) { static_cast<QPushButton*>(widget_)->setText(text); }
void Button::onClick(std::function<void()> handler)
{
    QObject::connect(static_cast<QPushButton*>(widget_), &QPushButton::clicked, widget_,
                     [h = std::move(handler)] { detail::Dispatch(h); });
}
void Button::onPress(std::function<void(MouseButton, Modifiers)> handler)
{
    static_cast<detail::ButtonWidget*>(widget_)->press = std::move(handler);
}

// ---- Label

// Transparent and in the window's text colour until told otherwise.
Label::Label(detail::ControlHost* owner) : Control(owner, new detail::LabelWidget(owner->hostArea())) {}
QString Label::text() const { return static_cast<QLabel*>(widget_)->text(); }
void Label::setText(const QString& text)
{
    static_cast<QLabel*>(widget_)->setText(text);
    if (grow_)
        fit();
}
void Label::setAlignment(Alignment a)
{
    static_cast<QLabel*>(widget_)->setAlignment((a == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
}
void Label::setOpaque(bool on)
{
    opaque_ = on;
    applyColors();
}
void Label::applyColors()
{
    applyPalette(true);
    widget_->setAutoFillBackground(opaque_);
}
void Label::setGrowToFit(bool on)
{
    grow_ = on;
    applyGeometry();
}
void Label::applyGeometry()
{
    if (grow_)
        fit();
    else
        Control::applyGeometry();
}
void Label::fit()
{
    using detail::Px;
    auto* label = static_cast<QLabel*>(widget_);
    const int layoutW = Px(width());
    const int layoutH = Px(height());
    const QFontMetrics fm(label->font());
    const QRect needed = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, label->text());
    const QWidget* parent = label->parentWidget();
    const int parentW = parent ? parent->width() : layoutW;
    const int parentH = parent ? parent->height() : layoutH;
    const int w = std::min(std::max(layoutW, needed.width() + 4), std::max(layoutW, parentW));
    const int h = std::max(layoutH, label->heightForWidth(w));
    // downwards from its own top, so the line above it stays free; up only at the bottom edge
    const int top = std::max(0, std::min(Px(this->top()), parentH - h));
    label->setGeometry((parentW - w) / 2, top, w, h);
}
void Label::onClick(std::function<void()> handler) { static_cast<detail::LabelWidget*>(widget_)->click = std::move(handler); }

// ---- Frame

Frame::Frame(detail::ControlHost* owner) : Control(owner, new detail::FrameWidget(owner->hostArea())) { Frame::applyColors(); }
QString Frame::title() const { return static_cast<detail::FrameWidget*>(widget_)->title; }
void Frame::setTitle(const QString& title)
{
    static_cast<detail::FrameWidget*>(widget_)->title = title;
    widget_->setAccessibleName(title);
    widget_->update();
}
void Frame::applyColors()
{
    applyPalette(true);
    widget_->setAutoFillBackground(true);  // a frame always paints its own colour
}

// ---- Menu

Menu::Menu(detail::ControlHost* owner, Menu* parent) : owner_(owner), parent_(parent)
{
    if (!parent_) {
        menu_ = owner_->hostMenuBar()->addMenu(QString());
        action_ = menu_->menuAction();
    } else {
        action_ = parent_->menu_->addAction(QString());
    }
    owner_->menusChanged();
}

Menu::~Menu()
{
    if (!parent_)
        delete menu_;
    else
        delete action_;
}

void Menu::setText(const QString& text)
{
    text_ = text;
    action_->setSeparator(text == QLatin1String("-"));
    // A blank title is still a real, narrow title that opens its entries.
    action_->setText(!parent_ && text.isEmpty() ? QStringLiteral("  ") : text);
    if (menu_)
        menu_->setTitle(action_->text());
    owner_->menusChanged();
}
bool Menu::isVisible() const { return action_->isVisible(); }
void Menu::setVisible(bool on)
{
    action_->setVisible(on);
    owner_->menusChanged();
}
bool Menu::isEnabled() const { return action_->isEnabled(); }
void Menu::setEnabled(bool on) { action_->setEnabled(on); }
void Menu::onChoose(std::function<void()> handler)
{
    QObject::connect(action_, &QAction::triggered, action_, [h = std::move(handler)] { detail::Dispatch(h); });
}

// ---- Timer

Timer::Timer(detail::ControlHost* owner) : timer_(std::make_unique<QTimer>())
{
    // precise: a coarse timer may fire up to 5 % early or late, a second off a 20-second limit
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        // A handler that is still running (in a message box, say) is not entered again.
        if (inHandler_ || !handler_)
            return;
        detail::Dispatch([this] {
            inHandler_ = true;
            struct Reset {
                bool& flag;
                ~Reset() { flag = false; }
            } reset{inHandler_};
            handler_();
        });
    });
    owner->adopt(this);
}

Timer::~Timer() = default;

void Timer::start(int ms)
{
    interval_ = ms;
    if (ms > 0)
        timer_->start(ms);
    else
        timer_->stop();
}
void Timer::stop()
{
    interval_ = 0;
    timer_->stop();
}
bool Timer::isRunning() const { return timer_->isActive(); }
void Timer::onTimeout(std::function<void()> handler) { handler_ = std::move(handler); }
