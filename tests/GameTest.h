#pragma once
// The fixture of every game test: a fresh game state, no windows, fake services and a
// program folder of its own.
#include "FakeServices.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module1.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& name) const { return dir_->path() + "/" + name; }
    void WriteFile(const QString& name, const std::string& bytes) const;
    std::string ReadFile(const QString& name) const;
    bool Exists(const QString& name) const;
    void WriteQuiz(const QString& utf8Lines);  // CP932, CR LF

    // Runs a handler that must end the program; false when it returned instead.
    static bool Ends(const std::function<void()>& handler);

    // Start-up with a fresh folder, then the title window's timer.
    void StartToMainWindow();
    // ... and "いいえ".
    void StartRun();

    FakeServices fake;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<rt::ServicesGuard> guard_;
};

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// The default record file, byte for byte.
std::string DefaultRecordFile();
std::string RecordFile(int surrenders, int quits, const char* bestNormal, const char* bestAnother);
