#include "runtime/Form.h"

#include "runtime/QtBits.h"
#include "runtime/Services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMargins>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace rt {
namespace {

std::vector<Form*> loaded;                      // in the order they were loaded
std::vector<std::unique_ptr<Form>> graveyard;   // unloaded, deleted once no handler runs
int dispatchDepth = 0;
bool loopRunning = false;

// While a window is disabled it takes no input at all; its controls keep their colours.
class InputBlocker : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
            break;
        default:
            return false;
        }
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w)
            return false;
        for (Form* f : loaded)
            if (f->InputBlocked() && (w->window() == f->window()))
                return true;
        return false;
    }
};

void InstallInputBlocker()
{
    static InputBlocker* blocker = nullptr;
    if (!blocker && qApp) {
        blocker = new InputBlocker;
        qApp->installEventFilter(blocker);
    }
}

void PurgeWhenIdle()
{
    if (dispatchDepth != 0)
        return;
    graveyard.clear();
    if (loopRunning && loaded.empty())
        End();  // the last window went: the program ends
}

}  // namespace

class ClientWidget : public QWidget {
public:
    ClientWidget(Form* form, QWidget* parent) : QWidget(parent), form_(form) { setAutoFillBackground(true); }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        const int button = MouseButton(e->button());
        const int shift = ShiftMask(e->modifiers());
        const float x = TwipsFromPx(e->position().x());
        const float y = TwipsFromPx(e->position().y());
        Form* form = form_;
        Dispatch([=] { form->Form_MouseDown(button, shift, x, y); });
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }

private:
    Form* form_;
};

class FormWindow : public QWidget {
public:
    explicit FormWindow(Form* form) : QWidget(nullptr), form_(form)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setAutoFillBackground(true);
    }
    void Detach() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        // The window goes only through Unload; a close from outside is a request.
        e->ignore();
        if (Form* form = form_)
            Dispatch([form] { form->UserCloseRequest(vbFormControlMenu); });
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (e->isAutoRepeat() || !form_)
            return;  // a held key sends many releases; only the real one counts
        const int key = VirtualKey(e->key());
        const int shift = ShiftMask(e->modifiers());
        Form* form = form_;
        Dispatch([=] { form->Form_KeyUp(key, shift); });
    }
    void showEvent(QShowEvent* e) override
    {
        QWidget::showEvent(e);
        // The real frame is known only once the window manager has framed the window;
        // centre again with it.
        QPointer<FormWindow> self(this);
        QTimer::singleShot(150, this, [self] {
            if (self && self->form_)
                self->form_->ApplyGeometry();
        });
    }

private:
    Form* form_;
};

Form& FormSlot::LoadWith(const std::function<Form*()>& make)
{
    Form* f = make();
    f->slot_ = this;
    form_ = f;
    loaded.push_back(f);
    f->Form_Load();
    return *f;
}

void Dispatch(const std::function<void()>& handler)
{
    ++dispatchDepth;
    try {
        handler();
    } catch (const ProgramEnded&) {
        // a test's End(): the game stops here
    }
    --dispatchDepth;
    try {
        PurgeWhenIdle();
    } catch (const ProgramEnded&) {
    }
}

std::vector<Form*> LoadedForms() { return loaded; }

QWidget* FrontWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
        if ((*it)->Visible())
            return (*it)->window();
    return nullptr;
}

void RepaintVisibleForms()
{
    for (Form* f : loaded)
        f->Refresh();
}

void SetEventLoopRunning(bool running) { loopRunning = running; }

void ResetForms()
{
    while (!loaded.empty())
        loaded.back()->Destroy();
    graveyard.clear();
    dispatchDepth = 0;
}

}  // namespace rt

// ---- Form

Form::Form(QString name) : name_(std::move(name))
{
    rt::InstallInputBlocker();
    window_ = new rt::FormWindow(this);
    window_->setObjectName(name_);
    client_ = new rt::ClientWidget(this, window_);
    SetBorderStyle(BorderStyle::FixedSingle, true);
    SetBackColor(backColor_);
    ApplyGeometry();
}

Form::~Form()
{
    if (window_)
        window_->Detach();
    // Controls are members of the window classes and are gone by now; the rest goes here.
    delete window_;
}

QString Form::Caption() const { return window_->windowTitle(); }
void Form::SetCaption(const QString& caption) { window_->setWindowTitle(caption); }
void Form::SetBackColor(Color c)
{
    backColor_ = c;
    QPalette p = window_->palette();
    p.setColor(QPalette::Window, rt::ToQColor(c));
    window_->setPalette(p);
    client_->setPalette(p);
}
void Form::SetEnabled(bool on) { enabled_ = on; }
bool Form::Visible() const { return window_->isVisible(); }

void Form::SetLeft(double twips)
{
    left_ = static_cast<int>(std::nearbyint(twips));
    ApplyGeometry();
}
void Form::SetTop(double twips)
{
    top_ = static_cast<int>(std::nearbyint(twips));
    ApplyGeometry();
}
void Form::SetWidth(int twips)
{
    width_ = twips;
    ApplyGeometry();
}
void Form::SetHeight(int twips)
{
    height_ = twips;
    ApplyGeometry();
}

int Form::ScaleWidth() const { return width_ - (border_ == BorderStyle::FixedSingle ? 120 : 0); }
int Form::ScaleHeight() const
{
    return height_ - (border_ == BorderStyle::FixedSingle ? 375 : 0) - static_cast<int>(rt::TwipsFromPx(MenuBarHeight()));
}

int Form::MenuBarHeight() const
{
    if (!menuBar_)
        return 0;
    const auto actions = menuBar_->actions();
    const bool any = std::any_of(actions.begin(), actions.end(), [](QAction* a) { return a->isVisible(); });
    return any ? menuBar_->sizeHint().height() : 0;
}

void Form::ApplyGeometry()
{
    // The outer size is that of a classic window: the client area is what is left inside
    // a nominal frame (and the menu bar). The real frame goes round the client area, and
    // the window is centred with it where the nominal one would have been.
    const int nominalFrameW = border_ == BorderStyle::FixedSingle ? 120 : 0;
    const int nominalFrameH = border_ == BorderStyle::FixedSingle ? 375 : 0;
    const int w = std::max(1, rt::Px(width_ - nominalFrameW));
    const int h = std::max(1, rt::Px(height_ - nominalFrameH));
    const int menuH = MenuBarHeight();
    if (menuBar_) {
        menuBar_->setVisible(menuH > 0);
        menuBar_->setGeometry(0, 0, w, menuH);
    }
    client_->setGeometry(0, menuH, w, std::max(1, h - menuH));
    window_->setFixedSize(w, h);

    // The frame the window manager draws, learnt from the first framed window on screen;
    // until then the nominal one.
    static QMargins knownFrame;
    static bool frameKnown = false;
    QMargins frame;
    if (border_ == BorderStyle::FixedSingle) {
        if (window_->isVisible() && window_->frameGeometry() != window_->geometry()) {
            const QRect f = window_->frameGeometry(), g = window_->geometry();
            knownFrame = QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
            frameKnown = true;
        }
        const int side = rt::Px(nominalFrameW) / 2;
        frame = frameKnown ? knownFrame : QMargins(side, rt::Px(nominalFrameH) - side, side, side);
    }
    const double frameX = left_ / rt::kTwipsPerPixel + (rt::Px(nominalFrameW) - frame.left() - frame.right()) / 2.0;
    const double frameY = top_ / rt::kTwipsPerPixel + (rt::Px(nominalFrameH) - frame.top() - frame.bottom()) / 2.0;
    const QRect clientRect(static_cast<int>(std::lround(frameX)) + frame.left(), static_cast<int>(std::lround(frameY)) + frame.top(), w, h);
    if (window_->geometry() != clientRect)
        window_->setGeometry(clientRect);
}

void Form::Show()
{
    if (!window_->isVisible()) {
        if (centerWhenShown_ && !centered_) {
            centered_ = true;
            SetLeft((rt::Current().ScreenWidth() - width_) / 2.0);
            SetTop((rt::Current().ScreenHeight() - height_) / 2.0);
        }
        ApplyGeometry();
        window_->show();
        // Like a classic window, the first control in the tab order takes the focus.
        if (!window_->focusWidget()) {
            QWidget* w = window_->nextInFocusChain();
            while (w && w != window_ && !(w->isVisibleTo(window_) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)))
                w = w->nextInFocusChain();
            if (w && w != window_)
                w->setFocus(Qt::TabFocusReason);
        }
    }
    window_->raise();
    window_->activateWindow();
    if (takeKeyboard_ && !window_->focusWidget())
        window_->setFocus(Qt::ActiveWindowFocusReason);
}

void Form::Hide() { window_->hide(); }

void Form::Refresh()
{
    if (window_->isVisible())
        window_->repaint();
}

void Form::Form_QueryUnload(int&, int) {}
void Form::Form_KeyUp(int, int) {}
void Form::Form_MouseDown(int, int, float, float) {}

QWidget* Form::window() const { return window_; }
QWidget* Form::client() const { return client_; }

QMenuBar* Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(window_);
        menuBar_->setNativeMenuBar(false);  // the menus belong inside the window
        menuBar_->setPalette(QApplication::palette());  // in the desktop's colours, not the window's
        menuBar_->setAutoFillBackground(true);
    }
    return menuBar_;
}

void Form::MenusChanged() { ApplyGeometry(); }

void Form::Register(Timer* t) { timers_.push_back(t); }
void Form::Register(Control* c) { controls_.push_back(c); }
void Form::Unregister(Control* c) { controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end()); }

bool Form::QueryAndUnload(int mode)
{
    if (!slot_)
        return true;  // already unloaded
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel != 0)
        return false;
    if (slot_)
        Destroy();
    return true;
}

void Form::UserCloseRequest(int mode)
{
    if (!slot_ || InputBlocked())
        return;
    // A window without a close box ignores the user's request unless told otherwise.
    if (mode == vbFormControlMenu && !closeBox_ && !userCloseAllowed_)
        return;
    QueryAndUnload(mode);
}

void Form::Destroy()
{
    for (Timer* t : timers_)
        t->Stop();
    window_->hide();
    if (slot_) {
        slot_->form_ = nullptr;
        slot_ = nullptr;
    }
    const auto it = std::find(rt::loaded.begin(), rt::loaded.end(), this);
    if (it != rt::loaded.end())
        rt::loaded.erase(it);
    // The handler that unloads a window may be one of its own: it is deleted later,
    // once no handler runs.
    rt::graveyard.emplace_back(this);
}

void Form::SetBorderStyle(BorderStyle style, bool closeBox)
{
    border_ = style;
    closeBox_ = closeBox;
    Qt::WindowFlags flags = Qt::Window;
    if (style == BorderStyle::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (closeBox)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    window_->setWindowFlags(flags);
    ApplyGeometry();
}

void Form::AllowUserClose() { userCloseAllowed_ = true; }

void Form::SetClientSize(int widthTwips, int heightTwips)
{
    width_ = widthTwips + (border_ == BorderStyle::FixedSingle ? 120 : 0);
    height_ = heightTwips + (border_ == BorderStyle::FixedSingle ? 375 : 0);
    ApplyGeometry();
}

void Form::CenterWhenShown() { centerWhenShown_ = true; }

void Form::TakeKeyboardWhenShown()
{
    takeKeyboard_ = true;
    window_->setFocusPolicy(Qt::StrongFocus);
}

void Form::SetFont(const FontSpec& font)
{
    font_ = font;
    for (Control* c : controls_)
        c->ApplyFont();
}

void Form::Place(Control& c, int left, int top, int width, int height) { PlaceIn(client_, c, left, top, width, height); }

void Form::Place(Control& c, Control& container, int left, int top, int width, int height)
{
    PlaceIn(container.widget(), c, left, top, width, height);
}

void Form::PlaceIn(QWidget* parent, Control& c, int left, int top, int width, int height)
{
    c.widget()->setParent(parent);
    c.Move(left, top, width, height);
    c.widget()->raise();  // later controls lie on top of earlier ones
    c.widget()->show();
    if (!(c.widget()->focusPolicy() & Qt::TabFocus))
        return;
    if (lastPlaced_)  // the tab order follows the placing order unless told otherwise
        QWidget::setTabOrder(lastPlaced_->widget(), c.widget());
    lastPlaced_ = &c;
}

void Form::SetTabOrder(std::initializer_list<Control*> order)
{
    Control* previous = nullptr;
    for (Control* c : order) {
        if (previous)
            QWidget::setTabOrder(previous->widget(), c->widget());
        previous = c;
    }
}

bool Unload(rt::FormSlot& slot)
{
    Form* f = slot.Loaded();
    return f ? f->QueryAndUnload(vbFormCode) : true;
}

bool Unload(Form& form) { return form.QueryAndUnload(vbFormCode); }
