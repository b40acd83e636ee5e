#include "windows/GameFiles.h"

#include "rules/GameState.h"
#include "runtime/Files.h"
#include "runtime/Services.h"

#include <utility>

namespace {

FileReport Gone(const QString& title, const QString& text)
{
    ShowMessage(title, text, MessageKind::Stop);
    return FileReport::EndGame;
}

FileReport RecordFileGone() { return Gone(".INI Don't Exist", "INIファイルが無くなっています\r\n実行を中断します"); }

FileReport ReportRecordWrite(RecordStatus status)
{
    if (status == RecordStatus::Missing)
        return RecordFileGone();
    // The old file is still intact and the game goes on with what it knows; once told, the
    // player hears no more of the same failure this run.
    if (status == RecordStatus::WriteFailed && !std::exchange(G.recordWriteFailureTold, true))
        ShowMessage("INI File ERROR", "INIファイルに書き込めませんでした", MessageKind::Warning);
    return FileReport::GoOn;
}

}  // namespace

FileReport CheckQuizFile()
{
    if (!IsOrdinaryFile(G.quizPath))
        return Gone(".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します");
    return FileReport::GoOn;
}

FileReport LoadRecords()
{
    Records records{G.surrenderCount, G.quitCount, G.bestTimeNormal, G.bestTimeAnother};
    const RecordStatus status = ReadRecords(G.recordPath, records);
    if (status == RecordStatus::Missing)
        return RecordFileGone();
    G.surrenderCount = records.surrenders;
    G.quitCount = records.quits;
    G.bestTimeNormal = records.bestNormal;
    G.bestTimeAnother = records.bestAnother;
    if (status != RecordStatus::Broken)
        return FileReport::GoOn;
    ShowMessage("INI File ERROR", "INIファイルが壊れている可能性があります。削除するか修正してください", MessageKind::Stop);
    return FileReport::EndGame;
}

FileReport SaveRecord(RecordKey key, std::int32_t value) { return ReportRecordWrite(WriteRecord(G.recordPath, key, value)); }

FileReport SaveRecord(RecordKey key, float value) { return ReportRecordWrite(WriteRecord(G.recordPath, key, value)); }
