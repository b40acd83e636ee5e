// The quiz-file reader and the quiz draw on arbitrary files.
// Input: the first byte picks the target (1 to 99), the rest is the file's bytes.
// The expected line is worked out here on the bytes themselves: in UTF-8 and in CP932
// alike, CR, LF, '#' and ',' are never part of a longer character.
#include "FuzzSupport.h"

#include "rules/Quiz.h"
#include "runtime/TextFile.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// UTF-8 as it stands: a byte-order mark is a character here like any other.
QString Utf8(const std::string& bytes, bool* valid = nullptr)
{
    // stateless: a sequence cut off at the end is an error, not something to wait for
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (valid)
        *valid = !decoder.hasError();
    return text;
}

std::vector<std::string> ByteLines(const std::string& b)
{
    std::vector<std::string> out;
    std::string line;
    for (size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '\r' || b[i] == '\n') {
            out.push_back(line);
            line.clear();
            if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n')
                ++i;
        } else {
            line += b[i];
        }
    }
    if (!line.empty())
        out.push_back(line);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int target = data[0] % 99 + 1;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    bool utf8 = false;
    Utf8(bytes, &utf8);
    const bool bom = utf8 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    std::vector<std::string> quiz;
    for (const std::string& line : ByteLines(bom ? bytes.substr(3) : bytes))
        if (!line.empty() && line[0] != '#' && line.find(',') != std::string::npos)
            quiz.push_back(line);

    const std::string path = fuzz::ScratchFolder() + "/NP2.DAT";
    fuzz::WriteBytes(path, bytes);
    const QuizDraw draw = DrawQuizLine(QString::fromStdString(path), target);
    FUZZ_CHECK(draw.reads >= 1 && draw.reads <= 2);
    if (quiz.empty()) {
        FUZZ_CHECK(!draw.ok);
        return 0;
    }
    FUZZ_CHECK(draw.ok);
    FUZZ_CHECK(IsQuizLine(draw.line));
    if (target <= static_cast<int>(quiz.size()))
        FUZZ_CHECK(draw.reads == 1);
    const std::string& expected = quiz[static_cast<size_t>((target - 1) % static_cast<int>(quiz.size()))];
    const QString expectedText = utf8 ? Utf8(expected) : DecodeCp932(QByteArrayView(expected.data(), static_cast<qsizetype>(expected.size())));
    FUZZ_CHECK(draw.line == expectedText);
    return 0;
}
