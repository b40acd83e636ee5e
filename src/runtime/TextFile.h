#pragma once
// Text in the Japanese code page (CP932), and text files read as UTF-8 when the whole
// file is valid UTF-8 (one leading byte-order mark dropped), otherwise as CP932.
#include <QByteArray>
#include <QFile>
#include <QString>

QString DecodeCp932(QByteArrayView bytes);    // a byte that is no character becomes U+FFFD
QByteArray EncodeCp932(const QString& text);  // a character without a code becomes "?"

// Reads a file line by line, holding no more than a line, however large the file. CR LF,
// LF and CR all end a line; CR and LF are never part of a longer character in either
// encoding, so lines are found in the bytes before anything is decoded.
class TextFileReader {
public:
    // False when there is no ordinary file to read. Reads the whole file once to learn
    // its encoding.
    bool open(const QString& path);
    // The next line's bytes without its end; in a UTF-8 file the first line loses its
    // byte-order mark. False at the end of the file or when reading fails.
    bool readLine(QByteArray& line);
    bool failed() const { return failed_; }  // reading stopped on an error
    QString decode(QByteArrayView line) const;  // in the file's encoding

private:
    bool readPiece();

    QFile file_;
    QByteArray piece_;   // the piece of the file read last
    qsizetype next_ = 0;  // where in it the next line starts
    bool utf8_ = false;
    bool failed_ = false;
    bool afterCr_ = false;  // a CR ended the last line: a LF right after it belongs to it
};
