#include "runtime/TextFile.h"

#include "runtime/Files.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

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

TextFileWriter::TextFileWriter(QString path) : path_(std::move(path)) {}

void TextFileWriter::writeLine(const QString& line)
{
    bytes_ += EncodeCp932(line);
    bytes_ += "\r\n";
}

bool TextFileWriter::close() { return ReplaceFile(path_, bytes_); }

namespace {
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

bool ReadSome(int fd, char* into, std::size_t size, std::size_t& got, off_t at = -1)
{
    for (;;) {
        const ssize_t n = at < 0 ? ::read(fd, into, size) : ::pread(fd, into, size, at);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return true;
        }
        if (errno != EINTR)
            return false;
    }
}
}  // namespace

TextFileReader::TextFileReader() : buffer_(new char[kBufferSize]) {}

TextFileReader::~TextFileReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool TextFileReader::open(const QString& path)
{
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

bool TextFileReader::fill()
{
    begin_ = end_ = 0;
    if (atEnd_ || failed_ || fd_ < 0)
        return false;
    std::size_t got = 0;
    if (!ReadSome(fd_, buffer_.get(), kBufferSize, got)) {
        failed_ = true;
        return false;
    }
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    end_ = got;
    // checked already when isUtf8() looked ahead
    const long long from = std::max(readBytes_, checkedBytes_);
    readBytes_ += static_cast<long long>(got);
    if (!invalid_ && readBytes_ > from)
        check(buffer_.get() + (from - (readBytes_ - static_cast<long long>(got))), static_cast<std::size_t>(readBytes_ - from));
    return true;
}

bool TextFileReader::readLine(const std::function<void(const char*, std::size_t)>& take)
{
    if (begin_ == end_ && !fill())
        return false;
    if (pendingCr_) {
        pendingCr_ = false;
        if (buffer_[begin_] == '\n' && ++begin_ == end_ && !fill())
            return false;
    }
    for (;;) {
        const char* start = buffer_.get() + begin_;
        const std::size_t left = end_ - begin_;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', left));
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', lf ? static_cast<std::size_t>(lf - start) : left));
        const char* stop = cr ? cr : lf;
        if (stop) {
            if (stop > start)
                take(start, static_cast<std::size_t>(stop - start));
            begin_ += static_cast<std::size_t>(stop - start) + 1;
            pendingCr_ = stop == cr;
            return true;
        }
        take(start, left);
        if (!fill())
            return !failed_;  // the last line has no end
    }
}

namespace {
// How many bytes the UTF-8 sequence that starts with this byte has (1 for anything that
// cannot start one: the check then finds it wrong).
std::size_t SequenceLength(unsigned char c)
{
    return c >= 0xF0 && c <= 0xF7 ? 4 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xC0 && c <= 0xDF ? 2 : 1;
}

// Whole sequences only: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(const char* bytes, std::size_t count)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const auto* const end = p + count;
    auto continuation = [](unsigned char c) { return (c & 0xC0) == 0x80; };
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {  // then plain ASCII, eight bytes at a time
            ++p;
            for (std::uint64_t word = 0; end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ULL) == 0);)
                p += 8;
            continue;
        }
        const std::ptrdiff_t left = end - p;
        if (c >= 0xC2 && c <= 0xDF && left >= 2 && continuation(p[1])) {
            p += 2;
        } else if (c >= 0xE0 && c <= 0xEF && left >= 3 && continuation(p[1]) && continuation(p[2]) && !(c == 0xE0 && p[1] < 0xA0) &&
                   !(c == 0xED && p[1] > 0x9F)) {
            p += 3;
        } else if (c >= 0xF0 && c <= 0xF4 && left >= 4 && continuation(p[1]) && continuation(p[2]) && continuation(p[3]) &&
                   !(c == 0xF0 && p[1] < 0x90) && !(c == 0xF4 && p[1] > 0x8F)) {
            p += 4;
        } else {
            return false;
        }
    }
    return true;
}
}  // namespace

void TextFileReader::check(const char* bytes, std::size_t count)
{
    checkedBytes_ += static_cast<long long>(count);
    // A sequence cut by the end of the last piece is finished with the start of this one.
    if (!unfinished_.empty()) {
        const std::size_t missing = SequenceLength(static_cast<unsigned char>(unfinished_[0])) - unfinished_.size();
        const std::size_t taken = std::min(missing, count);
        unfinished_.append(bytes, taken);
        bytes += taken;
        count -= taken;
        if (taken < missing)
            return;
        invalid_ = !IsUtf8(unfinished_.data(), unfinished_.size());
        unfinished_.clear();
    }
    // A sequence cut by the end of this piece waits for the next one.
    std::size_t whole = count;
    for (std::size_t back = 1; back <= 3 && back <= count; ++back) {
        const auto c = static_cast<unsigned char>(bytes[count - back]);
        if ((c & 0xC0) == 0x80)
            continue;  // a continuation byte: look further back for its start
        if (SequenceLength(c) > back) {
            whole = count - back;
            unfinished_.assign(bytes + whole, back);
        }
        break;
    }
    invalid_ = invalid_ || !IsUtf8(bytes, whole);
}

bool TextFileReader::isUtf8()
{
    // The rest of the file, from where reading has got to, is checked without disturbing
    // it, in larger pieces: a long file is checked to its end at once.
    constexpr std::size_t kAheadSize = 16 * kBufferSize;
    std::unique_ptr<char[]> ahead;
    while (!invalid_ && !atEnd_ && !failed_ && fd_ >= 0) {
        if (!ahead)
            ahead.reset(new char[kAheadSize]);
        std::size_t got = 0;
        if (!ReadSome(fd_, ahead.get(), kAheadSize, got, static_cast<off_t>(checkedBytes_))) {
            failed_ = true;
            break;
        }
        if (got == 0)
            break;
        check(ahead.get(), got);
    }
    return !invalid_ && unfinished_.empty();
}

QString TextFileReader::decode(const std::string& lineBytes, bool firstLine)
{
    if (!isUtf8())
        return DecodeCp932(lineBytes);
    // Only the file's very first bytes can be a mark to drop; anywhere else it is text.
    const auto flags = firstLine ? QStringConverter::Flag::Stateless
                                 : QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    QStringDecoder utf8(QStringDecoder::Utf8, flags);
    return utf8.decode(QByteArrayView(lineBytes.data(), static_cast<qsizetype>(lineBytes.size())));
}
