#include "GameTest.h"

#include "modules/Module1.h"
#include "runtime/Form.h"
#include "runtime/TextFile.h"

#include <QFile>
#include <QFileInfo>

void GameTest::SetUp()
{
    rt::ResetForms();
    G = GameState{};
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    fake.appPath = dir_->path();
    guard_ = std::make_unique<rt::ServicesGuard>(fake);
}

void GameTest::TearDown()
{
    rt::ResetForms();
    guard_.reset();
    G = GameState{};
}

void GameTest::WriteFile(const QString& name, const std::string& bytes) const
{
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string GameTest::ReadFile(const QString& name) const
{
    QFile f(Path(name));
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

bool GameTest::Exists(const QString& name) const { return QFileInfo::exists(Path(name)); }

void GameTest::WriteQuiz(const QString& utf8Lines)
{
    std::string bytes;
    for (const QString& line : utf8Lines.split('\n'))
        bytes += rt::EncodeCp932(line) + "\r\n";
    WriteFile("NP2.DAT", bytes);
}

bool GameTest::Ends(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const rt::ProgramEnded&) {
        return true;
    }
    return false;
}

void GameTest::StartToMainWindow()
{
    if (!Exists("NP2.DAT"))
        WriteQuiz("# quiz\n日本の首都は？,東京");
    Main();
    Form0->Timer1_Timer();
}

void GameTest::StartRun()
{
    StartToMainWindow();
    Form1->Command5_Click();
}

std::string RecordFile(int surrenders, int quits, const char* bestNormal, const char* bestAnother)
{
    return ";\r\n; NP2.INI                        nurupika 2 records (c) NP2 team\r\n;\r\n"
           "[Kousan]\r\nKaisu = " + std::to_string(surrenders) + "\r\n\r\n"
           "[Tyutai]\r\nKaisu = " + std::to_string(quits) + "\r\n\r\n"
           "[N_Time]\r\n1st = " + bestNormal + "\r\n\r\n"
           "[A_Time]\r\n1st = " + bestAnother + "\r\n";
}

std::string DefaultRecordFile() { return RecordFile(0, 0, "9999", "9999"); }
