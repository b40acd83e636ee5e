#include "runtime/QtServices.h"

#include "runtime/Controls.h"
#include "runtime/Files.h"
#include "runtime/Form.h"
#include "runtime/Icon.h"
#include "runtime/QtBits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <QFile>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QStyleFactory>
#include <QTime>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace rt {
namespace {

volatile std::sig_atomic_t endPending = 0;

void EndNowIfPending()
{
    if (endPending)
        ::_exit(0);
}

// SIGTERM and SIGHUP end the game at once, like a kill from the task manager. A record
// file being replaced at that moment is finished first, so it is never left half done.
void OnEndSignal(int)
{
    if (ReplacingNow())
        endPending = 1;
    else
        ::_exit(0);
}

bool AllShownWindowsExposed()
{
    for (Form* f : LoadedForms()) {
        const QWindow* w = f->window()->windowHandle();
        if (f->Visible() && w && !w->isExposed())
            return false;
    }
    return true;
}

QString Lines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

}  // namespace

QtServices::QtServices() { SetEndRequestHandler(&EndNowIfPending); }

int QtServices::MsgBox(const QString& prompt, int style, const QString& title)
{
    QMessageBox box(FrontWindow());
    box.setWindowTitle(title);
    box.setText(Lines(prompt));
    box.setTextFormat(Qt::PlainText);
    switch (style & 0x70) {
    case 16: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case 64: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice {
        QPushButton* button;
        int result;
    };
    std::vector<Choice> choices;
    auto add = [&](const char* text, QMessageBox::ButtonRole role, int result) {
        choices.push_back({box.addButton(QString::fromUtf8(text), role), result});
    };
    switch (style & 0x7) {
    case 1:
        add("OK", QMessageBox::AcceptRole, vbOK);
        add("キャンセル", QMessageBox::RejectRole, 2);
        break;
    case 4:
        add("はい(&Y)", QMessageBox::YesRole, vbYes);
        add("いいえ(&N)", QMessageBox::NoRole, vbNo);
        break;
    default:
        add("OK", QMessageBox::AcceptRole, vbOK);
        break;
    }
    const size_t defaultIndex = ((style & 0x300) == 256 && choices.size() > 1) ? 1 : 0;
    box.setDefaultButton(choices[defaultIndex].button);
    box.setEscapeButton(choices.back().button);
    box.exec();
    for (const auto& c : choices)
        if (box.clickedButton() == c.button)
            return c.result;
    return choices.back().result;
}

QString QtServices::InputBox(const QString& prompt, const QString& title)
{
    QInputDialog dialog(FrontWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(Lines(prompt));
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

float QtServices::Clock() { return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f; }

void QtServices::Sleep(int ms)
{
    // What was set before the pause is on screen while it lasts. A window shown just now
    // must first be on screen (the window system answers that by events, but no input
    // is handled here), then everything is painted at once.
    QElapsedTimer clock;
    clock.start();
    while (!AllShownWindowsExposed() && clock.elapsed() < std::min(ms, 300))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    RepaintVisibleForms();
    QGuiApplication::sync();
    const qint64 left = ms - clock.elapsed();
    if (left > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(left));
}

void QtServices::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtServices::Randomize() { random_.Randomize(Clock()); }

float QtServices::Rnd() { return random_.Next(); }

void QtServices::End()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

bool QtServices::PrevInstance()
{
    // One game per program folder: the folder is locked while the game runs, and the
    // lock goes with the process however it ends.
    static int lockFd = -1;
    if (lockFd >= 0)
        return false;
    const QByteArray folder = QFile::encodeName(AppPath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return true;
    }
    lockFd = fd;
    return false;
}

QString QtServices::AppPath() { return QCoreApplication::applicationDirPath(); }

int QtServices::ScreenWidth()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(TwipsFromPx(s->size().width())) : 0;
}

int QtServices::ScreenHeight()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(TwipsFromPx(s->size().height())) : 0;
}

void PreferX11()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void SetUpApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(ToQFont(FontSpec{}));
    QApplication::setWindowIcon(GameIcon());
    QApplication::setQuitOnLastWindowClosed(false);  // hidden windows keep the game alive

    struct sigaction sa {};
    sa.sa_handler = OnEndSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);

#if QT_CONFIG(sessionmanager)
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager& manager) {
        // A log-off asks every window; none of ours refuses it.
        bool refused = false;
        for (Form* f : LoadedForms()) {
            int cancel = 0;
            Dispatch([&] { f->Form_QueryUnload(cancel, vbAppWindows); });
            refused = refused || cancel != 0;
        }
        if (refused)
            manager.cancel();
        else
            ::End();
    });
#endif
}

int RunEventLoop()
{
    SetEventLoopRunning(true);
    return QApplication::exec();
}

}  // namespace rt
