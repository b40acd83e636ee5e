#pragma once
// A test with a folder of its own, real files in it, and fake services installed.
#include "FakeServices.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:  // for the rows of parameterised tests too
    QString path(const QString& name) const { return dir_->path() + "/" + name; }
    void writeFile(const QString& name, const std::string& bytes) const;
    std::string readFile(const QString& name) const;  // "<missing>" when there is none
    void writeQuiz(const QString& lines);              // CP932, CR LF
    QStringList entries(const QString& folder = "") const;  // every name in it, hidden ones too, in order

    FakeServices fake;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ServicesGuard> guard_;
};

// The record file as the game creates it, byte for byte, with other values if asked.
std::string RecordFile(int surrenders = 0, int quits = 0, const char* bestNormal = "9999", const char* bestAnother = "9999");
// The same with one line rewritten.
std::string WithLine(std::string file, const std::string& from, const std::string& to);
