#pragma once
// Everything that blocks, is non-deterministic or ends the process goes through one
// interface, so tests can swap in a fake and play a whole game in milliseconds.
#include "runtime/Random.h"

#include <QString>

// The kinds of message box the game shows. Each is decoded into buttons and an icon in
// exactly one place per set of services.
enum class MessageKind {
    Plain,          // OK, no icon
    Stop,           // OK, stop icon: the game ends after it
    Warning,        // OK, exclamation icon
    Information,    // OK, information icon
    YesNoQuestion,  // Yes and No, question icon; No is the default button
};

enum class Answer { Ok, Yes, No };

// Thrown by a test's EndProgram(); the window layer's event wrappers catch it.
struct ProgramEnded {};

// The random numbers are the source's reseed() and fraction().
class Services : public RandomSource {
public:
    virtual ~Services() = default;
    virtual Answer showMessage(const QString& title, const QString& text, MessageKind kind) = 0;
    virtual QString askText(const QString& title, const QString& prompt) = 0;  // empty when cancelled
    virtual float clockSeconds() = 0;  // seconds since local midnight
    virtual void pause(int ms) = 0;    // blocks; what was set before is on screen meanwhile
    virtual void processEvents() = 0;
    [[noreturn]] virtual void endProgram() = 0;
    // One game at a time per folder: true when another game holds it, else this one does.
    virtual bool anotherInstanceRunning(const QString& folder) = 0;
    virtual QString programFolder() = 0;
    virtual QString userDataFolder() = 0;  // for the player's own files: $XDG_DATA_HOME, ~/.local/share
    virtual int screenWidthTwips() = 0;
    virtual int screenHeightTwips() = 0;
};

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

// The installed services, in the game's own words.
Answer ShowMessage(const QString& title, const QString& text, MessageKind kind = MessageKind::Plain);
QString AskText(const QString& title, const QString& prompt);
float ClockSeconds();
void Pause(int ms);
void ProcessEvents();
RandomSource& GameRandom();  // for the rules
[[noreturn]] void EndProgram();
bool AnotherInstanceRunning(const QString& folder);
QString ProgramFolder();
QString UserDataFolder();
int ScreenWidthTwips();
int ScreenHeightTwips();
