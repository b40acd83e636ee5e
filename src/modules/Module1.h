#pragma once
// Start-up, the record file and pauses.
#include <QString>
#include <QStringList>
#include <cstdint>

void Main();
void CheckQuizFile();
void ReadRecords();
void WriteRecord(const QString& section, const QString& key, std::int32_t value);
void WriteRecord(const QString& section, const QString& key, float value);
void Pause(std::int32_t ms);

// The record file as start-up creates it.
QStringList DefaultRecordLines();
