#include "rules/Records.h"

#include "runtime/Files.h"
#include "runtime/Numbers.h"
#include "runtime/Profile.h"
#include "runtime/TextFile.h"

namespace {

RecordStatus WriteText(const QString& path, RecordKey key, const QString& value)
{
    if (!IsOrdinaryFile(path))
        return RecordStatus::Missing;
    const bool written = WriteProfileString(path, key.section, key.key, value.toLatin1());
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
    QByteArray bytes;
    for (const QString& line : DefaultRecordLines())
        bytes += EncodeCp932(line) + "\r\n";
    return WriteWholeFile(path, bytes);
}

RecordStatus ReadRecords(const QString& path, Records& records)
{
    if (!IsOrdinaryFile(path))
        return RecordStatus::Missing;
    QByteArray file;
    ReadWholeFile(path, file);  // a file that cannot be read has no keys: it is broken
    // One key as the file gives it: empty when missing or blank.
    auto value = [&file](RecordKey key) { return QString::fromLatin1(FindProfileString(file, key.section, key.key, "")); };
    bool broken = false;
    auto readCount = [&](RecordKey key, std::int32_t& into) {
        const auto v = ParseInt32(value(key));
        if (v)
            into = *v;
        broken = broken || !v;
    };
    auto readTime = [&](RecordKey key, float& into) {
        const auto v = ParseSingle(value(key));
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
