#pragma once
// The record file: four numbers kept between runs in an INI-style file, read and written
// only through the profile-string functions.
#include "rules/Course.h"

#include <QString>
#include <QStringList>

#include <cstdint>

struct RecordKey {
    const char* section;
    const char* key;
};
constexpr RecordKey kSurrenderRecord{"Kousan", "Kaisu"};
constexpr RecordKey kQuitRecord{"Tyutai", "Kaisu"};
constexpr RecordKey kBestNormalRecord{"N_Time", "1st"};
constexpr RecordKey kBestAnotherRecord{"A_Time", "1st"};

// The best-time record of a course.
RecordKey BestTimeRecord(Course course);

struct Records {
    std::int32_t surrenders = 0;
    std::int32_t quits = 0;
    float bestNormal = 0;  // 9999: no record yet
    float bestAnother = 0;
};

enum class RecordStatus { Ok, Missing, Broken, WriteFailed };

// The file as the game creates it when it is missing.
QStringList DefaultRecordLines();
bool CreateRecordFile(const QString& path);

// Reads all four values. A key that is missing, empty or no number makes the file Broken
// and leaves its value as it was; the other keys are still read.
RecordStatus ReadRecords(const QString& path, Records& records);

// Writes one value in the standard number form. A file that has gone is Missing and is
// not created again.
RecordStatus WriteRecord(const QString& path, RecordKey key, std::int32_t value);
RecordStatus WriteRecord(const QString& path, RecordKey key, float value);
