#include "windows/StartUp.h"

#include "rules/GameState.h"
#include "rules/Records.h"
#include "runtime/Files.h"
#include "runtime/Services.h"
#include "windows/GameFiles.h"
#include "windows/Windows.h"

namespace {
QString InFolder(const QString& folder, const QString& name)
{
    // the folder ends with a separator only at the root of the file system
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
}  // namespace

void StartGame()
{
    G.versionText = "0.21";
    if (AnotherInstanceRunning()) {
        ShowMessage("二重起動ERROR", "『ぬるぴか』の二重起動は出来ません", MessageKind::Stop);
        EndProgram();
    }
    G.recordPath = InFolder(ProgramFolder(), "NP2.INI");
    G.quizPath = InFolder(ProgramFolder(), "NP2.DAT");
    CheckQuizFile();
    if (!IsOrdinaryFile(G.recordPath) && !CreateRecordFile(G.recordPath)) {
        ShowMessage("INI File ERROR", "INIファイルを作成できませんでした\r\n実行を中断します", MessageKind::Stop);
        EndProgram();
    }
    LoadRecords();
    titleWindow->show();
    titleWindow->startHandOver();
}
