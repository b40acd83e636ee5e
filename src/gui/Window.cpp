#include "gui/Window.h"

#include "gui/Dispatch.h"
#include "gui/Frame.h"
#include "runtime/Services.h"

#include <QActionEvent>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

std::optional<QMargins> Window::learntFrame_;

// The menus belong inside the window, in the desktop's colours; the client area below
// them moves when the titles come and go.
class Window::WindowMenuBar : public QMenuBar {
public:
    explicit WindowMenuBar(Window* window) : QMenuBar(window), window_(window)
    {
        setNativeMenuBar(false);
        setPalette(QApplication::palette());
        setAutoFillBackground(true);
    }

protected:
    void actionEvent(QActionEvent* e) override
    {
        QMenuBar::actionEvent(e);
        window_->applyGeometry();
    }

private:
    Window* window_;
};

Window* WindowInFront()
{
    if (auto* active = dynamic_cast<Window*>(QApplication::activeWindow()); active && active->isLoaded() && active->isVisible())
        return active;
    const QWindowList shown = QGuiApplication::topLevelWindows();
    const std::vector<Window*> loaded = LoadedWindows();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        for (Window* w : loaded)
            if (w->windowHandle() == *it && w->isVisible())
                return w;
    return nullptr;
}

std::vector<Window*> LoadedWindows()
{
    std::vector<Window*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* window = dynamic_cast<Window*>(w);
        if (window && window->isLoaded())
            windows.push_back(window);
    }
    return windows;
}

void EndWhenNoWindowIsLoaded()
{
    if (QThread::currentThread()->loopLevel() > 0 && LoadedWindows().empty())
        Dispatch(EndProgram);
}

// ---- the slots

WindowSlotBase::~WindowSlotBase()
{
    if (!window_)
        return;
    window_->slot_ = nullptr;
    delete window_;
}

Window& WindowSlotBase::loadWith(const std::function<Window*()>& make)
{
    Window* w = make();
    w->slot_ = this;
    window_ = w;
    w->onLoad();
    return *w;
}

bool WindowSlotBase::close() { return window_ ? window_->close() : true; }

// ---- Window

Window::Window(const QString& objectName) : QWidget(nullptr), client_(new QWidget(this))
{
    setObjectName(objectName);
    setAutoFillBackground(true);
    client_->setAutoFillBackground(true);
    QWidget::setFont(ToQFont(FontSpec{}));
    setBorder(Border::Single, true);
    setBackColor(backColor_);
    applyGeometry();
}

Window::~Window()
{
    if (slot_)  // dropped without a close (tests and tools)
        slot_->window_ = nullptr;
}

void Window::setBackColor(const QColor& c)
{
    backColor_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    client_->setPalette(p);
}

bool Window::takesInput() const { return client_->isEnabled(); }

void Window::setTakesInput(bool on) { client_->setEnabled(on); }

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

void Window::centerOnScreen(int widthTwips, int heightTwips)
{
    width_ = widthTwips;
    height_ = heightTwips;
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
    setFixedSize(w, h);

    QMargins frame;
    if (border_ == Border::Single) {
        if (isVisible() && frameGeometry() != geometry()) {
            const QRect f = frameGeometry(), g = geometry();
            learntFrame_ = QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
        }
        const int side = Px(nominalFrameW) / 2;
        frame = learntFrame_.value_or(QMargins(side, Px(nominalFrameH) - side, side, side));
    }
    const double frameX = left_ / kTwipsPerPixel + (Px(nominalFrameW) - frame.left() - frame.right()) / 2.0;
    const double frameY = top_ / kTwipsPerPixel + (Px(nominalFrameH) - frame.top() - frame.bottom()) / 2.0;
    const QRect clientRect(static_cast<int>(std::lround(frameX)) + frame.left(), static_cast<int>(std::lround(frameY)) + frame.top(), w, h);
    if (geometry() != clientRect)
        setGeometry(clientRect);
}

void Window::setVisible(bool visible)
{
    if (!visible) {
        QWidget::setVisible(false);
        return;
    }
    if (!isVisible()) {
        applyGeometry();
        QWidget::setVisible(true);
        // The real frame is known once the window manager has framed the window and it is
        // on screen: then it is placed again with it. (Installed again, a filter stays one.)
        windowHandle()->installEventFilter(this);
        // Like a classic window, the first control in the tab order takes the focus.
        if (!focusWidget()) {
            QWidget* w = nextInFocusChain();
            while (w && w != this && !(w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)))
                w = w->nextInFocusChain();
            if (w && w != this)
                w->setFocus(Qt::TabFocusReason);
        }
    }
    raise();
    activateWindow();
    if (takeKeyboard_ && !focusWidget())
        setFocus(Qt::ActiveWindowFocusReason);
}

bool Window::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == windowHandle() && e->type() == QEvent::Expose && windowHandle()->isExposed())
        applyGeometry();
    return QWidget::eventFilter(watched, e);
}

QMenuBar* Window::menuBar()
{
    if (!menuBar_)
        menuBar_ = new WindowMenuBar(this);
    return menuBar_;
}

void Window::closeEvent(QCloseEvent* e)
{
    bool accepted = false;
    if (e->spontaneous())
        Dispatch([&] { accepted = playerMayClose(); });
    else
        accepted = !isLoaded() || mayClose(CloseReason::Program);
    e->setAccepted(accepted);
    if (accepted)
        unload();
}

bool Window::playerMayClose()
{
    // A window without a close box ignores the player's request unless told otherwise.
    if (!isLoaded() || !takesInput() || (!closeBox_ && !playerCloseAllowed_))
        return false;
    return mayClose(CloseReason::Player);
}

void Window::unload()
{
    for (QTimer* t : findChildren<QTimer*>())
        t->stop();
    for (QDialog* box : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        box->reject();  // a box goes with the window it stands in front of, as if escaped
    if (slot_) {
        slot_->window_ = nullptr;
        slot_ = nullptr;
    }
    hide();
    DeleteWhenBackInTheEventLoop(this);  // the handler that closes a window may be one of its own
    QMetaObject::invokeMethod(qApp, &EndWhenNoWindowIsLoaded, Qt::QueuedConnection);
}

void Window::mousePressEvent(QMouseEvent* e)
{
    // On the window itself: a press on a control stays with it, a disabled one included.
    if (!takesInput() || childAt(e->position().toPoint()) != client_)
        return;
    Dispatch([this, e] { mousePressed(e->button(), e->modifiers()); });
}

void Window::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void Window::keyReleaseEvent(QKeyEvent* e)
{
    if (e->isAutoRepeat() || !takesInput())
        return;  // a held key sends many releases; only the real one counts
    Dispatch([this, e] { keyReleased(static_cast<Qt::Key>(e->key()), e->modifiers()); });
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
    setWindowFlags(flags);
    applyGeometry();
}

void Window::allowPlayerClose() { playerCloseAllowed_ = true; }

void Window::setClientSize(int widthTwips, int heightTwips)
{
    width_ = widthTwips + (border_ == Border::Single ? kNominalFrameWidth : 0);
    height_ = heightTwips + (border_ == Border::Single ? kNominalFrameHeight : 0);
    applyGeometry();
}

void Window::takeKeyboardWhenShown()
{
    takeKeyboard_ = true;
    setFocusPolicy(Qt::StrongFocus);
}

void Window::place(QWidget* control, int left, int top, int width, int height) { placeIn(client_, control, left, top, width, height); }

void Window::place(QWidget* control, Frame* frame, int left, int top, int width, int height)
{
    placeIn(frame, control, left, top, width, height);
}

void Window::placeIn(QWidget* parent, QWidget* control, int left, int top, int width, int height)
{
    control->setParent(parent);
    control->setGeometry(Px(left), Px(top), Px(width), Px(height));
    control->raise();  // later controls lie on top of earlier ones
    control->show();
    if (!(control->focusPolicy() & Qt::TabFocus))
        return;
    if (lastPlaced_)  // the tab order follows the placing order unless told otherwise
        QWidget::setTabOrder(lastPlaced_, control);
    lastPlaced_ = control;
}

void Window::setTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* c : order) {
        if (previous)
            QWidget::setTabOrder(previous, c);
        previous = c;
    }
}
