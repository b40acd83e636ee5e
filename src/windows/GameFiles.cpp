#include "windows/GameFiles.h"

#include "rules/GameState.h"
#include "runtime/Files.h"
#include "runtime/Services.h"
#include "windows/Windows.h"

namespace {

// Fatal: the main window lets itself be closed while the game is aborting.
[[noreturn]] void Abort(const QString& title, const QString& text)
{
    ShowMessage(title, text, MessageKind::Stop);
    G.aborting = true;
    mainWindow.close();
    EndProgram();
}

void ReportRecordWrite(RecordStatus status)
{
    if (status == RecordStatus::Missing)
        Abort(".INI Don't Exist", "INIファイルが無くなっています\r\n実行を中断します");
    G.aborting = false;
    if (status == RecordStatus::WriteFailed)  // the old file is still intact; the game goes on with what it knows
        ShowMessage("INI File ERROR", "INIファイルに書き込めませんでした", MessageKind::Warning);
}

}  // namespace

void CheckQuizFile()
{
    if (!IsOrdinaryFile(G.quizPath))
        Abort(".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します");
    G.aborting = false;
}

void LoadRecords()
{
    Records records{G.surrenderCount, G.quitCount, G.bestTimeNormal, G.bestTimeAnother};
    const RecordStatus status = ReadRecords(G.recordPath, records);
    if (status == RecordStatus::Missing)
        Abort(".INI Don't Exist", "INIファイルが無くなっています\r\n実行を中断します");
    G.aborting = false;
    G.surrenderCount = records.surrenders;
    G.quitCount = records.quits;
    G.bestTimeNormal = records.bestNormal;
    G.bestTimeAnother = records.bestAnother;
    if (status == RecordStatus::Broken) {
        ShowMessage("INI File ERROR", "INIファイルが壊れている可能性があります。削除するか修正してください", MessageKind::Stop);
        EndProgram();
    }
}

void SaveRecord(RecordKey key, std::int32_t value) { ReportRecordWrite(WriteRecord(G.recordPath, key, value)); }

void SaveRecord(RecordKey key, float value) { ReportRecordWrite(WriteRecord(G.recordPath, key, value)); }
