#include "rules/Records.h"

#include "runtime/Files.h"
#include "runtime/Numbers.h"
#include "runtime/Profile.h"
#include "runtime/TextFile.h"

#include <QFile>

namespace {

// One key as the profile reader gives it: empty when missing or blank.
QString ReadKey(const QString& path, RecordKey key)
{
    char buffer[256] = {};
    const int n = GetPrivateProfileStringA(key.section, key.key, "", buffer, static_cast<int>(sizeof buffer),
                                           QFile::encodeName(path).constData());
    return QString::fromLocal8Bit(buffer, n);
}

RecordStatus WriteText(const QString& path, RecordKey key, const QString& value)
{
    if (!IsOrdinaryFile(path))
        return RecordStatus::Missing;
    const bool written = WritePrivateProfileStringA(key.section, key.key, value.toLatin1().constData(),
                                                    QFile::encodeName(path).constData());
    return written ? RecordStatus::Ok : RecordStatus::WriteFailed;
}

}  // namespace

RecordKey BestTimeRecord(Course course) { return course == Course::Another ? kBestAnotherRecord : kBestNormalRecord; }

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

bool CreateRecordFile(const QString& path)
{
    TextFileWriter file(path);
    for (const QString& line : DefaultRecordLines())
        file.writeLine(line);
    return file.close();
}

RecordStatus ReadRecords(const QString& path, Records& records)
{
    if (!IsOrdinaryFile(path))
        return RecordStatus::Missing;
    bool broken = false;
    auto readCount = [&](RecordKey key, std::int32_t& into) {
        const auto v = ParseInt32(ReadKey(path, key));
        if (v)
            into = *v;
        broken = broken || !v;
    };
    auto readTime = [&](RecordKey key, float& into) {
        const auto v = ParseSingle(ReadKey(path, key));
        if (v)
            into = *v;
        broken = broken || !v;
    };
    readCount(kSurrenderRecord, records.surrenders);
    readCount(kQuitRecord, records.quits);
    readTime(kBestNormalRecord, records.bestNormal);
    readTime(kBestAnotherRecord, records.bestAnother);
    return broken ? RecordStatus::Broken : RecordStatus::Ok;
}

RecordStatus WriteRecord(const QString& path, RecordKey key, std::int32_t value) { return WriteText(path, key, NumberText(value)); }

RecordStatus WriteRecord(const QString& path, RecordKey key, float value) { return WriteText(path, key, NumberText(value)); }
