#pragma once
// Everything that blocks, is non-deterministic or ends the process goes through one
// interface, so tests can swap in a fake and play a whole game in milliseconds.
#include <QString>

namespace rt {

// What MsgBox returns.
constexpr int vbOK = 1;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Thrown by a test's End(); the runtime's event wrappers catch it.
struct ProgramEnded {};

class Services {
public:
    virtual ~Services() = default;
    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    virtual QString InputBox(const QString& prompt, const QString& title) = 0;
    virtual float Clock() = 0;  // seconds since local midnight
    virtual void Sleep(int ms) = 0;
    virtual void DoEvents() = 0;
    virtual void Randomize() = 0;
    virtual float Rnd() = 0;
    [[noreturn]] virtual void End() = 0;
    virtual bool PrevInstance() = 0;
    virtual QString AppPath() = 0;
    virtual int ScreenWidth() = 0;   // twips
    virtual int ScreenHeight() = 0;  // twips
};

Services& Current();

// Installs a set of services for its lifetime and puts the previous one back.
class ServicesGuard {
public:
    explicit ServicesGuard(Services& s);
    ~ServicesGuard();
    ServicesGuard(const ServicesGuard&) = delete;
    ServicesGuard& operator=(const ServicesGuard&) = delete;

private:
    Services* previous_;
};

}  // namespace rt

// The game's own words for the services.
int MsgBox(const QString& prompt, int style = 0, const QString& title = QString());
QString InputBox(const QString& prompt, const QString& title);
float Clock();
void Sleep(int ms);
void DoEvents();
void Randomize();
float Rnd();
[[noreturn]] void End();
bool PrevInstance();
QString AppPath();
