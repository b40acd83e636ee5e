// The game on real Qt timers and a real X display, with every message box answered by
// its default button at once and the player's steps taken from standard input:
//   run   "いいえ" on the opening question, then "問題１": the card before the nine panels
//   quit  ends the program
// It reports on standard output: "BOX title" for each message box, and "STATE name"
// once the window of that name is on screen and the game waits for the next event.
#include "gui/Dispatch.h"
#include "app/QtServices.h"
#include "windows/StartUp.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class AnsweringServices : public QtServices {
public:
    Answer showMessage(const QString& title, const QString&, MessageKind kind) override
    {
        std::printf("BOX %s\n", title.toUtf8().constData());
        std::fflush(stdout);
        return kind == MessageKind::YesNoQuestion ? Answer::No : Answer::Ok;
    }
    QString askText(const QString&, const QString&) override { return QString(); }
};

// "STATE name" once a shown window's handler has returned to the event loop.
class ShowReporter : public QObject {
public:
    ShowReporter() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow() && (w->objectName().endsWith(QLatin1String("Window")) || w->objectName().endsWith(QLatin1String("Card")))) {
                const QByteArray name = w->objectName().toUtf8();
                QMetaObject::invokeMethod(
                    qApp,
                    [name] {
                        std::printf("STATE %s\n", name.constData());
                        std::fflush(stdout);
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }
};

GameWindows windows;

void Command(const std::string& line)
{
    if (line == "run") {
        Dispatch([] {
            windows.main->onNoClicked();
            windows.main->onProblemClicked();
        });
    } else if (line == "quit") {
        std::fflush(stdout);
        std::_Exit(0);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    AnsweringServices services;
    ServicesGuard guard(services);
    ShowReporter reporter;

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&pending] {
        char buf[256];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0)
            std::_Exit(0);  // whoever drove us has gone
        pending.append(buf, static_cast<size_t>(n));
        for (size_t eol; (eol = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, eol);
            pending.erase(0, eol + 1);
            Command(line);
        }
    });

    StartGame(windows);
    return RunEventLoop();
}
