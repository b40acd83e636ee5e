#include "app/QtServices.h"

#include "app/GameIcon.h"
#include "gui/Dispatch.h"
#include "gui/Window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleFactory>
#include <QTime>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// SIGTERM and SIGHUP end the game at once, like a kill from the task manager. A record
// file is replaced in one step, so it is never left half done.
void OnEndSignal(int) { ::_exit(0); }

// Until the application has a display, what Qt says is held back: the first display tried
// may fail and the second work. Qt gives up on a display with a fatal message, which would
// abort the game.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

[[noreturn]] void NoDisplay()
{
    std::fputs("nurupika2: no display: neither an X server (DISPLAY) nor a Wayland compositor (WAYLAND_DISPLAY) answers\n", stderr);
    std::_Exit(1);
}

void WhileLookingForADisplay(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        NoDisplay();
    heldMessages.push_back({type, context.category && *context.category ? context.category : "default", text});
}

QString Lines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

bool AllShownWindowsExposed()
{
    const std::vector<Window*> loaded = LoadedWindows();
    return std::all_of(loaded.begin(), loaded.end(), [](const Window* w) {
        const QWindow* handle = w->windowHandle();
        return !w->isVisible() || !handle || handle->isExposed();
    });
}

}  // namespace

Answer QtServices::showMessage(const QString& title, const QString& text, MessageKind kind)
{
    // On the stack and owned by the window in front: that window is not deleted while a box
    // is open, and when it closes the box goes with it, answered as if escaped.
    QMessageBox box(WindowInFront());
    box.setWindowTitle(title);
    box.setText(Lines(text));
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
    case MessageKind::Plain: box.setIcon(QMessageBox::NoIcon); break;
    case MessageKind::Stop: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::YesNoQuestion: box.setIcon(QMessageBox::Question); break;
    }
    if (kind != MessageKind::YesNoQuestion) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

QString QtServices::askText(const QString& title, const QString& prompt)
{
    QInputDialog dialog(WindowInFront());  // as the message box
    dialog.setWindowTitle(title);
    dialog.setLabelText(Lines(prompt));
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

float QtServices::clockSeconds() { return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f; }

void QtServices::pause(int ms)
{
    // What was set before the pause is on screen while it lasts. A window shown just now
    // must first be on screen (the window system answers that by events, but no input
    // is handled here), then everything is painted at once.
    QElapsedTimer clock;
    clock.start();
    while (!AllShownWindowsExposed() && clock.elapsed() < std::min(ms, 300))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    for (Window* w : LoadedWindows())
        w->repaint();
    QGuiApplication::sync();
    const qint64 left = ms - clock.elapsed();
    if (left > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(left));
}

void QtServices::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtServices::reseed() { random_.reseed(clockSeconds()); }

float QtServices::fraction() { return random_.next(); }

void QtServices::endProgram()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

bool QtServices::anotherInstanceRunning(const QString& folder)
{
    // The folder is locked while the game runs, and the lock goes with the process
    // however it ends.
    if (lockFd_ >= 0)
        return false;
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return true;
    }
    lockFd_ = fd;
    return false;
}

QString QtServices::programFolder() { return QCoreApplication::applicationDirPath(); }

QString QtServices::userDataFolder()
{
    // Qt would take a relative XDG_DATA_HOME from wherever the game was started
    if (QDir::isRelativePath(qEnvironmentVariable("XDG_DATA_HOME", QStringLiteral("/"))))
        return QDir::homePath() + QStringLiteral("/.local/share");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

int QtServices::screenWidthTwips()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(TwipsFromPx(s->size().width())) : 0;
}

int QtServices::screenHeightTwips()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(TwipsFromPx(s->size().height())) : 0;
}

void ChooseDisplay()
{
    qInstallMessageHandler(WhileLookingForADisplay);
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    QByteArrayList displays;  // tried in this order
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        displays << "xcb";
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        displays << "wayland";
    if (displays.isEmpty())
        NoDisplay();
    qputenv("QT_QPA_PLATFORM", displays.join(';'));
}

void SetUpApplication()
{
    qInstallMessageHandler(nullptr);
    for (const HeldMessage& m : std::exchange(heldMessages, {}))
        if (!m.category.startsWith("qt.qpa."))  // not the displays tried in vain
            qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
    if (QApplication::style()->name() != QLatin1String("fusion"))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(ToQFont(FontSpec{}));
    QApplication::setQuitOnLastWindowClosed(false);  // hidden windows keep the game alive
    UseGameIconFromFirstFrame();

    struct sigaction sa {};
    sa.sa_handler = OnEndSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);

#if QT_CONFIG(sessionmanager)
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager& manager) {
        // A log-off asks every window; none of ours refuses it.
        bool refused = false;
        for (Window* w : LoadedWindows())
            Dispatch([&] { refused = !w->mayClose(CloseReason::SessionEnd) || refused; });
        if (refused)
            manager.cancel();
        else
            EndProgram();
    });
#endif
}

int RunEventLoop() { return QApplication::exec(); }
