#include "runtime/gui/Window.h"

#include "runtime/Services.h"
#include "runtime/gui/Harness.h"
#include "runtime/gui/Icon.h"
#include "runtime/gui/detail/QtBits.h"
#include "runtime/gui/detail/Registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMargins>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>

namespace detail {
namespace {

std::vector<Window*> loaded;                      // in the order they were loaded
std::vector<std::unique_ptr<Window>> graveyard;   // closed, deleted once no handler runs
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
        return std::any_of(loaded.begin(), loaded.end(),
                           [w](const Window* f) { return !f->isEnabled() && w->window() == f->widget(); });
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
        EndProgram();  // the last window went: the program ends
}

}  // namespace

// The client area: a press on the window itself, not on one of its controls.
class ClientWidget : public QWidget {
public:
    ClientWidget(Window* owner, QWidget* parent) : QWidget(parent), owner_(owner) { setAutoFillBackground(true); }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        const MouseButton button = MouseButtonFrom(e->button());
        const Modifiers keys = ModifiersFrom(e->modifiers());
        Window* owner = owner_;
        Dispatch([=] { owner->mousePressed(button, keys); });
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }

private:
    Window* owner_;
};

class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window* owner) : QWidget(nullptr), owner_(owner)
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setAutoFillBackground(true);
    }
    void detach() { owner_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        // The window goes only through close(); a close from outside is a request.
        e->ignore();
        if (Window* owner = owner_)
            Dispatch([owner] { owner->playerAsksToClose(); });
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (e->isAutoRepeat() || !owner_)
            return;  // a held key sends many releases; only the real one counts
        const Key key = KeyFrom(e->key());
        const Modifiers keys = ModifiersFrom(e->modifiers());
        Window* owner = owner_;
        Dispatch([=] { owner->keyReleased(key, keys); });
    }
    void showEvent(QShowEvent* e) override
    {
        QWidget::showEvent(e);
        // The real frame is known only once the window manager has framed the window;
        // centre again with it.
        QPointer<WindowWidget> self(this);
        QTimer::singleShot(150, this, [self] {
            if (self && self->owner_)
                self->owner_->applyGeometry();
        });
    }

private:
    Window* owner_;
};

void Dispatch(const std::function<void()>& handler)
{
    ++dispatchDepth;
    try {
        handler();
    } catch (const ProgramEnded&) {
        // a test's EndProgram(): the game stops here
    }
    --dispatchDepth;
    try {
        PurgeWhenIdle();
    } catch (const ProgramEnded&) {
    }
}

std::vector<Window*> LoadedWindows() { return loaded; }

QWidget* FrontWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
        if ((*it)->isVisible())
            return (*it)->widget();
    return nullptr;
}

bool AllShownWindowsExposed()
{
    return std::all_of(loaded.begin(), loaded.end(), [](const Window* w) {
        const QWindow* handle = w->widget()->windowHandle();
        return !w->isVisible() || !handle || handle->isExposed();
    });
}

void RepaintVisibleWindows()
{
    for (Window* w : loaded)
        w->repaintNow();
}

bool AnyWindowRefusesSessionEnd()
{
    bool refused = false;
    for (Window* w : LoadedWindows())
        Dispatch([&] { refused = !w->mayClose(CloseReason::SessionEnd) || refused; });
    return refused;
}

void SetEventLoopRunning(bool running) { loopRunning = running; }

}  // namespace detail

// ---- the slots

Window& WindowSlotBase::loadWith(const std::function<Window*()>& make)
{
    Window* w = make();
    w->slot_ = this;
    window_ = w;
    detail::loaded.push_back(w);
    w->onLoad();
    return *w;
}

bool WindowSlotBase::close() { return window_ ? window_->close() : true; }

// ---- what tests and tools may do besides playing

void RunAsHandler(const std::function<void()>& handler) { detail::Dispatch(handler); }

void ResetWindows()
{
    while (!detail::loaded.empty())
        detail::loaded.back()->destroy();
    detail::graveyard.clear();
    detail::dispatchDepth = 0;
}

int RunningTimerCount()
{
    int n = 0;
    for (Window* w : detail::loaded)
        for (Timer* t : w->timers_)
            n += t->isRunning() ? 1 : 0;
    return n;
}

// ---- Window

Window::Window(const QString& objectName)
{
    detail::InstallInputBlocker();
    window_ = new detail::WindowWidget(this);
    window_->setObjectName(objectName);
    client_ = new detail::ClientWidget(this, window_);
    window_->setFont(detail::ToQFont(font_));
    setBorder(Border::Single, true);
    setBackColor(backColor_);
    applyGeometry();
}

Window::~Window()
{
    if (window_)
        window_->detach();
    // The controls are members of the window classes and are gone by now; the rest goes here.
    delete window_;
}

QString Window::caption() const { return window_->windowTitle(); }
void Window::setCaption(const QString& caption) { window_->setWindowTitle(caption); }
void Window::setBackColor(Color c)
{
    backColor_ = c;
    QPalette p = window_->palette();
    p.setColor(QPalette::Window, detail::ToQColor(c));
    window_->setPalette(p);
    client_->setPalette(p);
}
void Window::setEnabled(bool on) { enabled_ = on; }
bool Window::isVisible() const { return window_->isVisible(); }

void Window::setLeft(double twips)
{
    left_ = static_cast<int>(std::nearbyint(twips));
    applyGeometry();
}
void Window::setTop(double twips)
{
    top_ = static_cast<int>(std::nearbyint(twips));
    applyGeometry();
}

void Window::centerOnScreen(int heightTwips, int widthTwips)
{
    height_ = heightTwips;
    width_ = widthTwips;
    applyGeometry();
    // real-number halving: an odd difference gives a half twip
    setTop((ScreenHeightTwips() - height_) / 2.0);
    setLeft((ScreenWidthTwips() - width_) / 2.0);
}

namespace {
// The frame of a classic window round its client area, in twips.
constexpr int kNominalFrameWidth = 120;
constexpr int kNominalFrameHeight = 375;
}  // namespace

int Window::clientWidth() const { return width_ - (border_ == Border::Single ? kNominalFrameWidth : 0); }
int Window::clientHeight() const
{
    return height_ - (border_ == Border::Single ? kNominalFrameHeight : 0) - static_cast<int>(detail::TwipsFromPx(menuBarHeight()));
}

int Window::menuBarHeight() const
{
    if (!menuBar_)
        return 0;
    const auto actions = menuBar_->actions();
    const bool any = std::any_of(actions.begin(), actions.end(), [](QAction* a) { return a->isVisible(); });
    return any ? menuBar_->sizeHint().height() : 0;
}

void Window::applyGeometry()
{
    using detail::Px;
    // The outer size is that of a classic window: the client area is what is left inside
    // a nominal frame (and the menu bar). The real frame goes round the client area, and
    // the window is centred with it where the nominal one would have been.
    const int nominalFrameW = border_ == Border::Single ? kNominalFrameWidth : 0;
    const int nominalFrameH = border_ == Border::Single ? kNominalFrameHeight : 0;
    const int w = std::max(1, Px(width_ - nominalFrameW));
    const int h = std::max(1, Px(height_ - nominalFrameH));
    const int menuH = menuBarHeight();
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
    if (border_ == Border::Single) {
        if (window_->isVisible() && window_->frameGeometry() != window_->geometry()) {
            const QRect f = window_->frameGeometry(), g = window_->geometry();
            knownFrame = QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
            frameKnown = true;
        }
        const int side = Px(nominalFrameW) / 2;
        frame = frameKnown ? knownFrame : QMargins(side, Px(nominalFrameH) - side, side, side);
    }
    const double frameX = left_ / detail::kTwipsPerPixel + (Px(nominalFrameW) - frame.left() - frame.right()) / 2.0;
    const double frameY = top_ / detail::kTwipsPerPixel + (Px(nominalFrameH) - frame.top() - frame.bottom()) / 2.0;
    const QRect clientRect(static_cast<int>(std::lround(frameX)) + frame.left(), static_cast<int>(std::lround(frameY)) + frame.top(), w, h);
    if (window_->geometry() != clientRect)
        window_->setGeometry(clientRect);
}

void Window::show()
{
    if (!window_->isVisible()) {
        if (centerWhenShown_ && !centered_) {
            centered_ = true;
            setLeft((ScreenWidthTwips() - width_) / 2.0);
            setTop((ScreenHeightTwips() - height_) / 2.0);
        }
        if (border_ == Border::Single)
            detail::UseGameIcon();
        applyGeometry();
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

void Window::hide() { window_->hide(); }

void Window::repaintNow()
{
    if (window_->isVisible())
        window_->repaint();
}

bool Window::close() { return closeFor(CloseReason::Program); }

QWidget* Window::widget() const { return window_; }
QWidget* Window::clientArea() const { return client_; }

QWidget* Window::hostArea() const { return client_; }

QMenuBar* Window::hostMenuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(window_);
        menuBar_->setNativeMenuBar(false);  // the menus belong inside the window
        menuBar_->setPalette(QApplication::palette());  // in the desktop's colours, not the window's
        menuBar_->setAutoFillBackground(true);
    }
    return menuBar_;
}

void Window::menusChanged() { applyGeometry(); }

void Window::adopt(Timer* t) { timers_.push_back(t); }

bool Window::closeFor(CloseReason reason)
{
    if (!slot_)
        return true;  // already closed
    if (!mayClose(reason))
        return false;
    if (slot_)
        destroy();
    return true;
}

void Window::playerAsksToClose()
{
    if (!slot_ || !enabled_)
        return;
    // A window without a close box ignores the player's request unless told otherwise.
    if (!closeBox_ && !playerCloseAllowed_)
        return;
    closeFor(CloseReason::Player);
}

void Window::destroy()
{
    for (Timer* t : timers_)
        t->stop();
    window_->hide();
    if (slot_) {
        slot_->window_ = nullptr;
        slot_ = nullptr;
    }
    const auto it = std::find(detail::loaded.begin(), detail::loaded.end(), this);
    if (it != detail::loaded.end())
        detail::loaded.erase(it);
    // The handler that closes a window may be one of its own: it is deleted later, once
    // no handler runs.
    detail::graveyard.emplace_back(this);
}

void Window::setBorder(Border border, bool closeBox)
{
    border_ = border;
    closeBox_ = closeBox;
    Qt::WindowFlags flags = Qt::Window;
    if (border == Border::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (closeBox)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    window_->setWindowFlags(flags);
    applyGeometry();
}

void Window::allowPlayerClose() { playerCloseAllowed_ = true; }

void Window::setClientSize(int widthTwips, int heightTwips)
{
    width_ = widthTwips + (border_ == Border::Single ? kNominalFrameWidth : 0);
    height_ = heightTwips + (border_ == Border::Single ? kNominalFrameHeight : 0);
    applyGeometry();
}

void Window::centerWhenShown() { centerWhenShown_ = true; }

void Window::takeKeyboardWhenShown()
{
    takeKeyboard_ = true;
    window_->setFocusPolicy(Qt::StrongFocus);
}

void Window::setDefaultFont(const FontSpec& font)
{
    font_ = font;
    window_->setFont(detail::ToQFont(font));  // handed on to every control without a font of its own
}

void Window::place(Control& c, int left, int top, int width, int height) { placeIn(client_, c, left, top, width, height); }

void Window::place(Control& c, Frame& frame, int left, int top, int width, int height)
{
    placeIn(frame.widget(), c, left, top, width, height);
}

void Window::placeIn(QWidget* parent, Control& c, int left, int top, int width, int height)
{
    c.widget()->setParent(parent);
    c.setGeometry(left, top, width, height);
    c.widget()->raise();  // later controls lie on top of earlier ones
    c.widget()->show();
    if (!(c.widget()->focusPolicy() & Qt::TabFocus))
        return;
    if (lastPlaced_)  // the tab order follows the placing order unless told otherwise
        QWidget::setTabOrder(lastPlaced_->widget(), c.widget());
    lastPlaced_ = &c;
}

void Window::setTabOrder(std::initializer_list<Control*> order)
{
    Control* previous = nullptr;
    for (Control* c : order) {
        if (previous)
            QWidget::setTabOrder(previous->widget(), c->widget());
        previous = c;
    }
}
