#pragma once
// Text files in the Japanese code page (CP932) with CR LF line ends.
#include <QString>
#include <QStringList>
#include <string>

namespace rt {

QString DecodeCp932(const std::string& bytes);  // a byte that is no character becomes U+FFFD
std::string EncodeCp932(const QString& text);   // a character without a code becomes "?"
bool ValidCp932(const QString& text);            // every character has a code

// A file that is valid UTF-8 (with or without a byte-order mark) is UTF-8, any other CP932.
QString DecodeTextFile(const std::string& bytes);

}  // namespace rt

// Creates (or overwrites) a file line by line. Nothing reaches the disk before Close,
// which writes the whole file in one step and tells whether it worked.
class TextFileWriter {
public:
    explicit TextFileWriter(QString path);
    void PrintLine(const QString& line);
    bool Close();

private:
    QString path_;
    std::string bytes_;
};

// Reads a file line by line; CR LF, LF and CR all end a line.
class TextFileReader {
public:
    bool Open(const QString& path);  // false when the file cannot be opened or read
    bool Eof() const;
    QString LineInput();              // the next line without its end
    void Close();

private:
    QStringList lines_;
    int next_ = 0;
    bool open_ = false;
};
