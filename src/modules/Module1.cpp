#include "modules/Module1.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "runtime/Files.h"
#include "runtime/Numbers.h"
#include "runtime/Profile.h"
#include "runtime/Services.h"
#include "runtime/TextFile.h"

#include <QFile>

namespace {

QString InFolder(const QString& folder, const QString& name)
{
    // the folder ends with a separator only at the root of the file system
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

[[noreturn]] void RecordFileGone()
{
    MsgBox("INIファイルが無くなっています\r\n実行を中断します", 16, ".INI Don't Exist");
    G.Aborting = true;
    Unload(Form1);
    End();
}

bool RecordFileThere() { return !Dir(G.IniPath).isEmpty(); }

// One key as the profile reader gives it: empty when missing or blank.
QString ReadKey(const char* section, const char* key)
{
    char buffer[256] = {};
    const int n = GetPrivateProfileStringA(section, key, "", buffer, static_cast<int>(sizeof buffer),
                                           QFile::encodeName(G.IniPath).constData());
    return QString::fromLocal8Bit(buffer, n);
}

void WriteText(const QString& section, const QString& key, const QString& value)
{
    if (!RecordFileThere())
        RecordFileGone();
    G.Aborting = false;
    const bool written = WritePrivateProfileStringA(section.toLatin1().constData(), key.toLatin1().constData(),
                                                    value.toLatin1().constData(),
                                                    QFile::encodeName(G.IniPath).constData());
    if (!written)  // the old file is still intact; the game goes on with what it knows
        MsgBox("INIファイルに書き込めませんでした", 48, "INI File ERROR");
}

}  // namespace

QStringList DefaultRecordLines()
{
    return {
        ";",
        "; NP2.INI" + QString(24, QLatin1Char(' ')) + "nurupika 2 records (c) NP2 team",
        ";",
        "[Kousan]",
        "Kaisu = 0",
        "",
        "[Tyutai]",
        "Kaisu = 0",
        "",
        "[N_Time]",
        "1st = 9999",
        "",
        "[A_Time]",
        "1st = 9999",
    };
}

void Main()
{
    G.VersionText = "0.21";
    if (PrevInstance()) {
        MsgBox("『ぬるぴか』の二重起動は出来ません", 16, "二重起動ERROR");
        End();
    }
    G.IniPath = InFolder(AppPath(), "NP2.INI");
    G.DatPath = InFolder(AppPath(), "NP2.DAT");
    CheckQuizFile();
    if (!RecordFileThere()) {
        TextFileWriter file(G.IniPath);
        for (const QString& line : DefaultRecordLines())
            file.PrintLine(line);
        if (!file.Close()) {
            MsgBox("INIファイルを作成できませんでした\r\n実行を中断します", 16, "INI File ERROR");
            End();
        }
    }
    ReadRecords();
    Form0->Show();
    Form0->Timer1.SetEnabled(true);
    Form0->Timer1.SetInterval(2000);
}

void CheckQuizFile()
{
    if (Dir(G.DatPath).isEmpty()) {
        MsgBox("DATファイルが無くなっています\r\n実行を中断します", 16, ".DAT Don't Exist");
        G.Aborting = true;
        Unload(Form1);
        End();
    }
    G.Aborting = false;
}

void ReadRecords()
{
    if (!RecordFileThere())
        RecordFileGone();
    G.Aborting = false;
    // Every key is read before the verdict, so one message covers any number of bad keys.
    bool broken = false;
    auto readCount = [&](const char* section, std::int32_t& into) {
        const auto v = ToLong(ReadKey(section, "Kaisu"));
        if (v)
            into = *v;
        else
            broken = true;
    };
    auto readTime = [&](const char* section, float& into) {
        const auto v = ToSingle(ReadKey(section, "1st"));
        if (v)
            into = *v;
        else
            broken = true;
    };
    readCount("Kousan", G.SurrenderCount);
    readCount("Tyutai", G.QuitCount);
    readTime("N_Time", G.BestTimeNormal);
    readTime("A_Time", G.BestTimeAnother);
    if (broken) {
        MsgBox("INIファイルが壊れている可能性があります。削除するか修正してください", 16, "INI File ERROR");
        End();
    }
}

void WriteRecord(const QString& section, const QString& key, std::int32_t value) { WriteText(section, key, CStr(value)); }

void WriteRecord(const QString& section, const QString& key, float value) { WriteText(section, key, CStr(value)); }

void Pause(std::int32_t ms) { Sleep(ms); }
