#include "windows/StartUp.h"

#include "rules/FileLayout.h"
#include "rules/GameState.h"
#include "rules/Records.h"
#include "runtime/Files.h"
#include "runtime/Services.h"
#include "windows/GameFiles.h"

void StartGame(GameWindows& windows)
{
    const FileLayout files = LocateFiles(ProgramFolder(), UserDataFolder());
    if (!files.folderToMake.isEmpty())
        MakePrivateFolder(files.folderToMake);  // when it fails, the records cannot be made: reported below
    if (AnotherInstanceRunning(files.lockFolder)) {
        ShowMessage("二重起動ERROR", "『ぬるぴか』の二重起動は出来ません", MessageKind::Stop);
        EndProgram();
    }
    G.recordPath = files.recordPath;
    G.quizPath = files.quizPath;
    if (CheckQuizFile() == FileReport::EndGame)
        EndProgram();
    if (!IsOrdinaryFile(G.recordPath) && !CreateRecordFile(G.recordPath)) {
        ShowMessage("INI File ERROR", "INIファイルを作成できませんでした\r\n実行を中断します", MessageKind::Stop);
        EndProgram();
    }
    if (LoadRecords() == FileReport::EndGame)
        EndProgram();
    TitleWindow& title = windows.title.load();
    QObject::connect(&title, &TitleWindow::handOver, &title, [&windows] { windows.main.load().show(); });
    title.show();
    title.startHandOver();
}
