#include "runtime/Controls.h"

#include "runtime/Form.h"
#include "runtime/QtBits.h"

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

namespace rt {

int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
float TwipsFromPx(double px) { return static_cast<float>(px * kTwipsPerPixel); }

QFont ToQFont(const FontSpec& font)
{
    QFont f;
    if (font.face == Face::Fixed)
        f.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("Noto Sans Mono CJK JP"),
                       QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"), QStringLiteral("monospace")});
    else
        f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP"),
                       QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"), QStringLiteral("sans-serif")});
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

int VirtualKey(int k)
{
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;  // same codes as the letters
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

int ShiftMask(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? vbShiftMask : 0) | (m.testFlag(Qt::ControlModifier) ? vbCtrlMask : 0) |
           (m.testFlag(Qt::AltModifier) ? vbAltMask : 0);
}

int MouseButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return vbLeftButton;
    case Qt::RightButton: return vbRightButton;
    case Qt::MiddleButton: return vbMiddleButton;
    default: return 0;
    }
}

namespace {

using MouseHandler = std::function<void(int, int, float, float)>;

class ButtonWidget : public QPushButton {
public:
    explicit ButtonWidget(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }
    MouseHandler mouseDown;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        Press(e);
        QPushButton::mousePressEvent(e);
    }
    // The second press of a double click is a press, but no click.
    void mouseDoubleClickEvent(QMouseEvent* e) override { Press(e); }
    // Enter on a focused button presses it, as players expect.
    void keyPressEvent(QKeyEvent* e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
            if (!e->isAutoRepeat())
                click();
            return;
        }
        QPushButton::keyPressEvent(e);
    }

private:
    void Press(QMouseEvent* e) const
    {
        if (!mouseDown)
            return;
        const auto handler = mouseDown;
        const int button = MouseButton(e->button());
        const int shift = ShiftMask(e->modifiers());
        const float x = TwipsFromPx(e->position().x());
        const float y = TwipsFromPx(e->position().y());
        Dispatch([&] { handler(button, shift, x, y); });
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
// middle of the caption, in the frame's own colours (no style tints its inside).
class FrameWidget : public QWidget {
public:
    explicit FrameWidget(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }
    QString caption;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics fm(font());
        const int top = caption.isEmpty() ? 0 : fm.height() / 2;
        const QRect box(0, top, width() - 2, height() - top - 2);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(box);
        p.setPen(Qt::white);
        p.drawRect(box.translated(1, 1));
        if (caption.isEmpty())
            return;
        const QRect text(8, 0, fm.horizontalAdvance(caption) + 2, fm.height());
        p.fillRect(text, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
};

}  // namespace
}  // namespace rt

// ---- Control

Control::Control(Form* owner, QWidget* widget) : owner_(owner), widget_(widget)
{
    owner_->Register(this);
    widget_->setFont(rt::ToQFont(Font()));
}

Control::~Control()
{
    owner_->Unregister(this);
    delete widget_;
}

bool Control::Visible() const { return !widget_->isHidden(); }
void Control::SetVisible(bool on) { widget_->setVisible(on); }
bool Control::Enabled() const { return !widget_->testAttribute(Qt::WA_ForceDisabled); }
void Control::SetEnabled(bool on) { widget_->setEnabled(on); }
void Control::SetLeft(int twips)
{
    left_ = twips;
    ApplyGeometry();
}
void Control::SetTop(int twips)
{
    top_ = twips;
    ApplyGeometry();
}
void Control::Move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    ApplyGeometry();
}
void Control::ApplyGeometry()
{
    widget_->setGeometry(rt::Px(left_), rt::Px(top_), rt::Px(width_), rt::Px(height_));
}
void Control::SetFocus()
{
    if (widget_->isEnabled() && !widget_->isHidden())
        widget_->setFocus(Qt::OtherFocusReason);
}
void Control::ZOrder(int position)
{
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
}
void Control::SetForeColor(Color c)
{
    foreColor_ = c;
    ApplyColors();
}
void Control::SetBackColor(Color c)
{
    backColor_ = c;
    ApplyColors();
}
void Control::ApplyColors()
{
    QPalette p = widget_->palette();
    p.setColor(QPalette::WindowText, rt::ToQColor(foreColor_));
    p.setColor(QPalette::ButtonText, rt::ToQColor(foreColor_));
    widget_->setPalette(p);
}
const FontSpec& Control::Font() const { return ownFont_ ? font_ : owner_->DefaultFont(); }
void Control::SetFont(const FontSpec& f)
{
    font_ = f;
    ownFont_ = true;
    ApplyFont();
}
void Control::SetFontSize(double points)
{
    FontSpec f = Font();
    f.size = points;
    SetFont(f);
}
void Control::SetFontBold(bool on)
{
    FontSpec f = Font();
    f.bold = on;
    SetFont(f);
}
void Control::ApplyFont()
{
    widget_->setFont(rt::ToQFont(Font()));
    ApplyGeometry();
}

// ---- CommandButton

CommandButton::CommandButton(Form* owner) : Control(owner, new rt::ButtonWidget(owner->client()))
{
    widget_->setFocusPolicy(Qt::StrongFocus);
}
QString CommandButton::Caption() const { return static_cast<QPushButton*>(widget_)->text(); }
void CommandButton::SetCaption(const QString& caption) { static_cast<QPushButton*>(widget_)->setText(caption); }
void CommandButton::OnClick(std::function<void()> handler)
{
    QObject::connect(static_cast<QPushButton*>(widget_), &QPushButton::clicked, widget_,
                     [h = std::move(handler)] { rt::Dispatch(h); });
}
void CommandButton::OnMouseDown(std::function<void(int, int, float, float)> handler)
{
    static_cast<rt::ButtonWidget*>(widget_)->mouseDown = std::move(handler);
}

// ---- Label

Label::Label(Form* owner) : Control(owner, new rt::LabelWidget(owner->client())) { Label::ApplyColors(); }
QString Label::Caption() const { return static_cast<QLabel*>(widget_)->text(); }
void Label::SetCaption(const QString& caption)
{
    static_cast<QLabel*>(widget_)->setText(caption);
    if (grow_)
        Fit();
}
void Label::SetAlignment(Alignment a)
{
    const Qt::Alignment h = a == Alignment::Center ? Qt::AlignHCenter : a == Alignment::Right ? Qt::AlignRight : Qt::AlignLeft;
    static_cast<QLabel*>(widget_)->setAlignment(h | Qt::AlignTop);
}
void Label::SetBackStyle(BackStyle s)
{
    backStyle_ = s;
    ApplyColors();
}
void Label::ApplyColors()
{
    Control::ApplyColors();
    QPalette p = widget_->palette();
    p.setColor(QPalette::Window, rt::ToQColor(backColor_));
    widget_->setPalette(p);
    widget_->setAutoFillBackground(backStyle_ == BackStyle::Opaque);
}
void Label::SetGrowToFit(bool on)
{
    grow_ = on;
    ApplyGeometry();
}
void Label::ApplyGeometry()
{
    if (grow_)
        Fit();
    else
        Control::ApplyGeometry();
}
void Label::Fit()
{
    auto* label = static_cast<QLabel*>(widget_);
    const int layoutW = rt::Px(width_);
    const int layoutH = rt::Px(height_);
    const QFontMetrics fm(label->font());
    const QRect needed = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, label->text());
    const QWidget* parent = label->parentWidget();
    const int parentW = parent ? parent->width() : layoutW;
    const int parentH = parent ? parent->height() : layoutH;
    const int w = std::min(std::max(layoutW, needed.width() + 4), std::max(layoutW, parentW));
    const int h = std::max(layoutH, label->heightForWidth(w));
    // downwards from its own top, so the line above it stays free; up only at the bottom edge
    const int top = std::max(0, std::min(rt::Px(top_), parentH - h));
    label->setGeometry((parentW - w) / 2, top, w, h);
}
void Label::OnClick(std::function<void()> handler) { static_cast<rt::LabelWidget*>(widget_)->click = std::move(handler); }

// ---- Frame

Frame::Frame(Form* owner) : Control(owner, new rt::FrameWidget(owner->client())) { Frame::ApplyColors(); }
QString Frame::Caption() const { return static_cast<rt::FrameWidget*>(widget_)->caption; }
void Frame::SetCaption(const QString& caption)
{
    static_cast<rt::FrameWidget*>(widget_)->caption = caption;
    widget_->setAccessibleName(caption);
    widget_->update();
}
void Frame::ApplyColors()
{
    Control::ApplyColors();
    QPalette p = widget_->palette();
    p.setColor(QPalette::Window, rt::ToQColor(backColor_));
    widget_->setPalette(p);
    widget_->setAutoFillBackground(true);
}

// ---- Menu

Menu::Menu(Form* owner, Menu* parent) : owner_(owner), parent_(parent)
{
    if (!parent_) {
        menu_ = owner_->menuBar()->addMenu(QString());
        action_ = menu_->menuAction();
    } else {
        action_ = parent_->menu_->addAction(QString());
    }
    owner_->MenusChanged();
}

Menu::~Menu()
{
    if (!parent_)
        delete menu_;
    else
        delete action_;
}

void Menu::SetCaption(const QString& caption)
{
    caption_ = caption;
    action_->setSeparator(caption == QLatin1String("-"));
    // A blank title is still a real, narrow title that opens its entries.
    action_->setText(!parent_ && caption.isEmpty() ? QStringLiteral("  ") : caption);
    if (menu_)
        menu_->setTitle(action_->text());
    owner_->MenusChanged();
}
bool Menu::Visible() const { return action_->isVisible(); }
void Menu::SetVisible(bool on)
{
    action_->setVisible(on);
    owner_->MenusChanged();
}
bool Menu::Enabled() const { return action_->isEnabled(); }
void Menu::SetEnabled(bool on) { action_->setEnabled(on); }
void Menu::OnClick(std::function<void()> handler)
{
    QObject::connect(action_, &QAction::triggered, action_, [h = std::move(handler)] { rt::Dispatch(h); });
}

// ---- Timer

Timer::Timer(Form* owner) : timer_(std::make_unique<QTimer>())
{
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        // A handler that is still running (in a message box, say) is not entered again.
        if (inHandler_ || !handler_)
            return;
        rt::Dispatch([this] {
            inHandler_ = true;
            struct Reset {
                bool& flag;
                ~Reset() { flag = false; }
            } reset{inHandler_};
            handler_();
        });
    });
    owner->Register(this);
}

Timer::~Timer() = default;

void Timer::SetEnabled(bool on)
{
    const bool was = enabled_;
    enabled_ = on;
    Update(!was);
}
void Timer::SetInterval(int ms)
{
    interval_ = ms;
    Update(true);
}
bool Timer::Running() const { return timer_->isActive(); }
void Timer::OnTimer(std::function<void()> handler) { handler_ = std::move(handler); }
void Timer::Stop()
{
    enabled_ = false;
    timer_->stop();
}
void Timer::Update(bool restart)
{
    if (!enabled_ || interval_ <= 0) {
        timer_->stop();
        return;
    }
    if (restart || !timer_->isActive())
        timer_->start(interval_);
}
