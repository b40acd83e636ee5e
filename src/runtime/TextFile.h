#pragma once
// Text files: written in the Japanese code page (CP932) with CR LF line ends; read as
// UTF-8 when the whole file is valid UTF-8 (one leading byte-order mark dropped),
// otherwise as CP932.
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

QString DecodeCp932(const std::string& bytes);  // a byte that is no character becomes U+FFFD
std::string EncodeCp932(const QString& text);   // a character without a code becomes "?"

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

// Reads a file line by line in constant memory, however large the file or long its
// lines. CR LF, LF and CR all end a line; CR and LF are never part of a longer character
// in either encoding, so lines are found in the bytes before anything is decoded.
class TextFileReader {
public:
    TextFileReader();
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    bool open(const QString& path);  // false when the file cannot be opened
    // Hands the next line's bytes, without its end, to `take` in one or more pieces (none
    // for an empty line). False at the end of the file or when reading fails.
    bool readLine(const std::function<void(const char* bytes, std::size_t count)>& take);
    bool failed() const { return failed_; }  // reading stopped on an error

    // Whether the whole file is UTF-8. Known as soon as an invalid byte has been read;
    // otherwise the rest of the file is checked, byte by byte, without moving on a line.
    bool isUtf8();
    // A line's bytes as text in the file's encoding; the first line loses a byte-order
    // mark when the file is UTF-8.
    QString decode(const std::string& lineBytes, bool firstLine);

private:
    bool fill();
    void check(const char* bytes, std::size_t count);

    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0, end_ = 0;  // unread bytes in the buffer
    bool atEnd_ = false;
    bool failed_ = false;
    bool pendingCr_ = false;  // a CR ended the last line: a LF right after it belongs to it
    long long readBytes_ = 0;
    // The UTF-8 check of every byte read or looked ahead at so far.
    long long checkedBytes_ = 0;
    bool invalid_ = false;
    std::string unfinished_;  // the start of a sequence cut off by the end of a piece
};
