#include "FolderTest.h"

#include "runtime/TextFile.h"

#include <QDir>
#include <QFile>

void FolderTest::SetUp()
{
    fake = FakeServices{};
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    fake.folder = dir_->path();
    fake.userData = dir_->path() + "/home/.local/share";
    guard_ = std::make_unique<ServicesGuard>(fake);
}

void FolderTest::TearDown() { guard_.reset(); }

void FolderTest::writeFile(const QString& name, const std::string& bytes) const
{
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string FolderTest::readFile(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
}

QStringList FolderTest::entries(const QString& folder) const
{
    return QDir(path(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void FolderTest::writeQuiz(const QString& lines)
{
    std::string bytes;
    for (const QString& line : lines.split('\n'))
        bytes += (EncodeCp932(line) + "\r\n").toStdString();
    writeFile("NP2.DAT", bytes);
}

std::string RecordFile(int surrenders, int quits, const char* bestNormal, const char* bestAnother)
{
    return ";\r\n; NP2.INI                        nurupika 2 records (c) NP2 team\r\n;\r\n"
           "[Kousan]\r\nKaisu = " + std::to_string(surrenders) + "\r\n\r\n"
           "[Tyutai]\r\nKaisu = " + std::to_string(quits) + "\r\n\r\n"
           "[N_Time]\r\n1st = " + bestNormal + "\r\n\r\n"
           "[A_Time]\r\n1st = " + bestAnother + "\r\n";
}

std::string WithLine(std::string file, const std::string& from, const std::string& to)
{
    const auto at = file.find(from);
    if (at != std::string::npos)
        file.replace(at, from.size(), to);
    return file;
}
