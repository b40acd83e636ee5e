#pragma once
// Where the game keeps its two files, found from where the program is.
//  - Portable: a quiz file NP2.DAT beside the program. Both files live there.
//  - Installed: no NP2.DAT beside the program, one in ../share/games/nurupika2/ from it.
//    The records go to the player's own folder (userData/nurupika2/NP2.INI), and a quiz
//    file the player put there is used instead of the installed one. Nothing is written
//    into the installation.
//  - Neither: the portable paths, so that the missing quiz file is reported beside the
//    program.
#include <QString>

struct FileLayout {
    QString recordPath;
    QString quizPath;
    QString lockFolder;    // one game at a time per this folder
    QString folderToMake;  // the player's folder, made when missing; empty when portable
};

FileLayout LocateFiles(const QString& programFolder, const QString& userDataFolder);
