#pragma once
// Text files: written in the Japanese code page (CP932) with CR LF line ends; read as
// UTF-8 when the whole file is valid UTF-8, otherwise as CP932.
#include <QString>
#include <QStringList>
#include <string>

QString DecodeCp932(const std::string& bytes);  // a byte that is no character becomes U+FFFD
std::string EncodeCp932(const QString& text);   // a character without a code becomes "?"
bool ValidCp932(const QString& text);            // every character has a code

// A file that is valid UTF-8 (with or without a byte-order mark) is UTF-8, any other CP932.
QString DecodeTextFile(const std::string& bytes);

// Creates (or overwrites) a file line by line. Nothing reaches the disk before close(),
// which writes the whole file in one step and tells whether it worked.
class TextFileWriter {
public:
    explicit TextFileWriter(QString path);
    void writeLine(const QString& line);
    bool close();

private:
    QString path_;
    std::string bytes_;
};

// Reads a file line by line; CR LF, LF and CR all end a line.
class TextFileReader {
public:
    bool open(const QString& path);  // false when the file cannot be opened or read
    bool atEnd() const;
    QString readLine();              // the next line without its end
    void close();

private:
    QStringList lines_;
    int next_ = 0;
};
