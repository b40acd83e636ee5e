#include "runtime/TextFile.h"

#include "runtime/Files.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv; an input sequence the source cannot hold is replaced and skipped.
std::string Convert(const char* to, const char* from, const std::string& in, const std::string& replacement,
                    size_t unitSize)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))  // NOLINT(performance-no-int-to-ptr): iconv's own error value
        return std::string();
    std::string out;
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buf[4096];
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, sizeof buf - dstLeft);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: replace one unit and go on
            out += replacement;
            const size_t skip = std::min(unitSize, srcLeft);
            src += skip;
            srcLeft -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    char* dst = buf;
    size_t dstLeft = sizeof buf;
    iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    out.append(buf, sizeof buf - dstLeft);
    iconv_close(cd);
    return out;
}

bool ValidUtf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            n = 1; cp = c & 0x1F; min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2; cp = c & 0x0F; min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3; cp = c & 0x07; min = 0x10000;
        } else {
            return false;
        }
        for (size_t k = 1; k <= n; ++k) {
            if (i + k >= s.size())
                return false;
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

}  // namespace

QString DecodeCp932(const std::string& bytes)
{
    const std::string utf16 = Convert("UTF-16LE", "CP932", bytes, std::string("\xFD\xFF", 2), 1);
    return QString(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size() / 2));
}

std::string EncodeCp932(const QString& text)
{
    const std::string utf16(reinterpret_cast<const char*>(text.utf16()), static_cast<size_t>(text.size()) * 2);
    return Convert("CP932", "UTF-16LE", utf16, "?", 2);
}

bool ValidCp932(const QString& text) { return DecodeCp932(EncodeCp932(text)) == text; }

QString DecodeTextFile(const std::string& bytes)
{
    if (ValidUtf8(bytes)) {
        // The decoder drops one byte-order mark at the start; a second one is text.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    return DecodeCp932(bytes);
}


TextFileWriter::TextFileWriter(QString path) : path_(std::move(path)) {}

void TextFileWriter::writeLine(const QString& line)
{
    bytes_ += EncodeCp932(line);
    bytes_ += "\r\n";
}

bool TextFileWriter::close() { return ReplaceFile(QFile::encodeName(path_).toStdString(), bytes_); }

bool TextFileReader::open(const QString& path)
{
    std::string bytes;
    lines_.clear();
    next_ = 0;
    if (!ReadWholeFile(QFile::encodeName(path).toStdString(), bytes))
        return false;
    const QString text = DecodeTextFile(bytes);
    int start = 0;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines_.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines_.append(text.mid(start));
    return true;
}

bool TextFileReader::atEnd() const { return next_ >= lines_.size(); }

QString TextFileReader::readLine() { return atEnd() ? QString() : lines_.at(next_++); }

void TextFileReader::close()
{
    lines_.clear();
    next_ = 0;
}
