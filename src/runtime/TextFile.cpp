#include "runtime/TextFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <utility>

namespace {
constexpr char kCp932[] = "windows-31j";
constexpr qint64 kPieceSize = qint64{64} * 1024;

bool IsLeadByte(uchar b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// How many bytes at the end are the start of a UTF-8 character that goes on in the next piece.
qsizetype CutCharacter(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<uchar>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;  // a continuation byte: the character starts further back
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}
}  // namespace

// Qt's converter for the code page agrees with the code page's own table except for three
// control codes, which it swaps round, and for what has no character: it gives U+001A
// for a byte that starts none (sometimes with the next byte), and FC FC for a character
// without a code. Where that can happen, the text is converted a character at a time.
QString DecodeCp932(QByteArrayView bytes)
{
    QStringDecoder whole(kCp932, QStringConverter::Flag::Stateless);
    QString text = whole.decode(bytes);
    if (!whole.hasError() && !bytes.contains('\x1a') && !bytes.contains('\x1c') && !bytes.contains('\x7f'))
        return text;
    text.clear();
    for (qsizetype at = 0; at < bytes.size();) {
        const auto byte = static_cast<uchar>(bytes[at]);
        const qsizetype size = byte < 0x80 ? 1 : IsLeadByte(byte) && at + 1 < bytes.size() ? 2 : 1;
        QStringDecoder one(kCp932, QStringConverter::Flag::Stateless);
        const QString character = byte < 0x80 ? QString(QChar(byte)) : QString(one.decode(bytes.sliced(at, size)));
        const bool known = !one.hasError() && character.size() == 1;
        text += known ? character : QString(QChar::ReplacementCharacter);
        at += known ? size : 1;
    }
    return text;
}

QByteArray EncodeCp932(const QString& text)
{
    QByteArray bytes;
    for (const char32_t c : text.toUcs4()) {  // a lone surrogate becomes U+FFFD, which has no code
        QStringEncoder one(kCp932, QStringConverter::Flag::Stateless);
        const QByteArray code = c < 0x80 ? QByteArray(1, static_cast<char>(c)) : QByteArray(one.encode(QString::fromUcs4(&c, 1)));
        bytes += one.hasError() ? QByteArray("?") : code;
    }
    return bytes;
}

bool TextFileReader::open(const QString& path)
{
    file_.setFileName(path);
    if (!QFileInfo(path).isFile() || !file_.open(QIODevice::ReadOnly))
        return false;
    // UTF-8 only when the whole file is, checked piece by piece up to the first byte that
    // is not; a character cut by a piece's end is checked with the next piece.
    QByteArray cut;
    for (utf8_ = true; utf8_ && readPiece();) {
        const QByteArray bytes = cut.isEmpty() ? piece_ : cut + piece_;
        const qsizetype cutSize = CutCharacter(bytes);
        utf8_ = QByteArrayView(bytes).chopped(cutSize).isValidUtf8();
        cut = bytes.right(cutSize);
    }
    utf8_ = utf8_ && cut.isEmpty();  // nor may the file's end cut one
    piece_.clear();
    if (failed_ || !file_.seek(0))
        return false;
    if (utf8_ && file_.peek(3) == "\xEF\xBB\xBF")
        file_.skip(3);  // the mark is no part of the first line
    return true;
}

bool TextFileReader::readPiece()
{
    piece_ = file_.read(kPieceSize);
    next_ = 0;
    failed_ = file_.error() != QFileDevice::NoError;
    return !piece_.isEmpty();
}

bool TextFileReader::readLine(QByteArray& line)
{
    line.clear();
    for (;;) {
        if (next_ == piece_.size() && !readPiece())
            return !line.isEmpty() && !failed_;  // the last line may have no end
        if (std::exchange(afterCr_, false) && piece_[next_] == '\n') {
            ++next_;
            continue;
        }
        const char* from = piece_.cbegin() + next_;
        const char* end = std::find_if(from, piece_.cend(), [](char c) { return c == '\r' || c == '\n'; });
        line.append(from, end - from);
        next_ = end - piece_.cbegin();
        if (end != piece_.cend()) {
            afterCr_ = *end == '\r';
            ++next_;
            return true;
        }
    }
}

QString TextFileReader::decode(QByteArrayView line) const
{
    if (!utf8_)
        return DecodeCp932(line);
    // a mark anywhere but at the file's start is text
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(line);
}
