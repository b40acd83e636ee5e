#include "rules/FileLayout.h"

#include "runtime/Files.h"

#include <QDir>

namespace {
QString InFolder(const QString& folder, const QString& name)
{
    // the folder ends with a separator only at the root of the file system
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
}  // namespace

FileLayout LocateFiles(const QString& programFolder, const QString& userDataFolder)
{
    const QString besideProgram = InFolder(programFolder, "NP2.DAT");
    const QString installed = QDir::cleanPath(InFolder(programFolder, "../share/games/nurupika2/NP2.DAT"));
    if (IsOrdinaryFile(besideProgram) || !IsOrdinaryFile(installed))
        return {InFolder(programFolder, "NP2.INI"), besideProgram, programFolder, QString()};
    const QString own = InFolder(userDataFolder, "nurupika2");
    const QString ownQuiz = InFolder(own, "NP2.DAT");
    return {InFolder(own, "NP2.INI"), IsOrdinaryFile(ownQuiz) ? ownQuiz : installed, own, own};
}
