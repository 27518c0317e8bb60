#include "TrackPlanFile.h"

#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramTypes.h"
#include "layout/LaneColors.h"
#include "layout/LayoutRecord.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QSaveFile>

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <locale.h>
#include <utility>

namespace {

// Longest line kept by the reader and by the validity test; the rest of a
// longer line is read past so that the next field is still the next line.
constexpr int kReadLineLimit = 1023;
constexpr int kTestLineLimit = 255;

// ---------------------------------------------------------------- writing

// The file's reals always use a decimal point, whatever locale the program
// was started in: the same file must open on every machine.
class CNumericLocale
{
public:
    CNumericLocale()
        : mC(newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr))),
          mPrevious(mC ? uselocale(mC) : locale_t(nullptr))
    {
    }
    ~CNumericLocale()
    {
        if (mC) {
            uselocale(mPrevious);
            freelocale(mC);
        }
    }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
    locale_t mC;
    locale_t mPrevious;
};

// Latin-1 form of a text field. A line break or NUL inside it would split or
// cut the line and shift every field after it, so those become blanks.
QByteArray fieldText(const QString &aText)
{
    QByteArray bytes = aText.toLatin1();
    for (char &c : bytes) {
        if (c == '\n' || c == '\r' || c == '\0')
            c = ' ';
    }
    return bytes;
}

class SectionText
{
public:
    void line(const char *aFormat, ...) __attribute__((format(printf, 2, 3)))
    {
        va_list args;
        va_start(args, aFormat);
        va_list copy;
        va_copy(copy, args);
        const int length = std::vsnprintf(nullptr, 0, aFormat, copy);
        va_end(copy);
        if (length > 0) {
            const int start = mText.size();
            mText.resize(start + length + 1);
            std::vsnprintf(mText.data() + start, size_t(length) + 1, aFormat, args);
            mText.chop(1);
        }
        va_end(args);
    }
    const QByteArray &text() const { return mText; }

private:
    QByteArray mText;
};

QByteArray sectionText(const LayoutRecord &aRecord)
{
    CNumericLocale cLocale;
    SectionText out;
    out.line("%s\n", fieldText(aRecord.mName).constData());
    out.line("lanes: %d %s %s %s %s\n", aRecord.mLanes,
             fieldText(laneColorName(aRecord.mLaneBrush[0])).constData(),
             fieldText(laneColorName(aRecord.mLaneBrush[1])).constData(),
             fieldText(laneColorName(aRecord.mLaneBrush[2])).constData(),
             fieldText(laneColorName(aRecord.mLaneBrush[3])).constData());
    out.line("base width, mm: %.2lf\n", aRecord.mBaseWidth);
    out.line("first: %d\n", aRecord.mFirst ? 1 : 0);
    out.line("forward: %d\n", aRecord.mForward ? 1 : 0);
    out.line("first point: %.2lf %.2lf\n", aRecord.mFirstPt.x(), aRecord.mFirstPt.y());
    out.line("fwd point: %.2lf %.2lf\n", aRecord.mForwardPt.x(), aRecord.mForwardPt.y());
    out.line("fwd angle: %.2lf\n", aRecord.mForwardAngle);
    out.line("rev point: %.2lf %.2lf\n", aRecord.mReversePt.x(), aRecord.mReversePt.y());
    out.line("rev angle: %.2lf\n", aRecord.mReverseAngle);
    out.line("track lengths: %.2lf %.2lf\n", aRecord.mLaneLength[0], aRecord.mLaneLength[1]);
    out.line("track pieces: %d\n", aRecord.mPieces.size());
    for (int i = 0; i < aRecord.mPieces.size(); ++i) {
        const PlacedPiece &piece = aRecord.mPieces.at(i);
        out.line("%d part number: %s\n", i, fieldText(piece.mPartNumber).constData());
        out.line("   DB index: %d\n", piece.mDbIndex);
        out.line("   item type: %d\n", piece.mItemType);
        out.line("   level: %.2lf\n", piece.mLevel);
        out.line("   origin: %.2lf %.2lf\n", piece.mOrigin.x(), piece.mOrigin.y());
        out.line("   angle: %.2lf\n", piece.mAngle);
        out.line("   next point: %.2lf %.2lf\n", piece.mNextPt.x(), piece.mNextPt.y());
        out.line("   next angle: %.2lf\n", piece.mNextAngle);
        out.line("   attachments: ");
        for (const AttachmentEntry &attachment : piece.mAttachments)
            out.line("%s ", fieldText(attachment.mName).constData());
        out.line("\n");
    }
    return out.text();
}

// ---------------------------------------------------------------- reading

bool isDigit(char aChar)
{
    return aChar >= '0' && aChar <= '9';
}

bool isBlank(char aChar)
{
    return aChar == ' ' || aChar == '\t' || aChar == '\n' || aChar == '\v' || aChar == '\f' ||
           aChar == '\r';
}

// The lines of a stream. A line ends at LF, CR LF, a lone CR, or CR CR LF (a
// CR LF file passed through a second conversion). A buffer's bytes are
// scanned in place and its position is handed back when the reader goes;
// any other device is read a byte at a time.
class LineReader
{
public:
    explicit LineReader(QIODevice &aIn) : mIn(aIn), mBuffer(qobject_cast<QBuffer *>(&aIn))
    {
        if (!mBuffer)
            return;
        const QByteArray &data = mBuffer->data();
        mStart = data.constData();
        mAt = mStart + qBound<qint64>(0, mBuffer->pos(), data.size());
        mEnd = mStart + data.size();
    }
    ~LineReader()
    {
        if (mBuffer)
            mBuffer->seek(mAt - mStart);
    }
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // The next line, of which at most aLimit bytes are kept. False, with
    // aLine empty, only at the end of the stream.
    bool readLine(int aLimit, QByteArray &aLine)
    {
        return mBuffer ? readBufferLine(aLimit, aLine) : readDeviceLine(aLimit, aLine);
    }
    // Up to aCount bytes of what follows, nothing consumed.
    QByteArray peek(int aCount) const
    {
        if (!mBuffer)
            return mIn.peek(aCount);
        return QByteArray::fromRawData(mAt, int(qMin<qint64>(aCount, mEnd - mAt)));
    }

private:
    bool readBufferLine(int aLimit, QByteArray &aLine)
    {
        if (mAt == mEnd) {
            aLine.clear();
            return false;
        }
        const char *end = mAt;
        while (end < mEnd && *end != '\n' && *end != '\r')
            ++end;
        aLine = QByteArray(mAt, int(qMin<qint64>(aLimit, end - mAt)));
        mAt = end;
        if (mAt < mEnd && *mAt == '\n') {
            ++mAt;
        } else if (mAt < mEnd) {
            ++mAt;
            if (mAt < mEnd && *mAt == '\n')
                ++mAt;
            else if (mEnd - mAt >= 2 && mAt[0] == '\r' && mAt[1] == '\n')
                mAt += 2;
        }
        return true;
    }
    bool readDeviceLine(int aLimit, QByteArray &aLine)
    {
        aLine.clear();
        char c = 0;
        bool any = false;
        while (mIn.getChar(&c)) {
            any = true;
            if (c == '\n')
                return true;
            if (c == '\r') {
                const QByteArray ahead = mIn.peek(2);
                if (ahead.startsWith('\n'))
                    mIn.skip(1);
                else if (ahead == "\r\n")
                    mIn.skip(2);
                return true;
            }
            if (aLine.size() < aLimit)
                aLine.append(c);
        }
        return any;
    }

    QIODevice &mIn;
    QBuffer *mBuffer;
    const char *mStart = nullptr;
    const char *mAt = nullptr;
    const char *mEnd = nullptr;
};

// A piece's first line: its index, then " part number:". Only the start of
// aText is looked at, so it may be a peek at what follows in the stream.
bool isPieceLine(const QByteArray &aText)
{
    static const QByteArray kKey(" part number:");
    int digits = 0;
    while (digits < aText.size() && isDigit(aText.at(digits)))
        ++digits;
    return digits > 0 && aText.mid(digits, kKey.size()) == kKey;
}

// Enough of a line to tell a piece line: an index of more digits than this
// belongs to no piece.
constexpr int kPieceLinePeek = 64;

// The longest part number or attachment list kept: its line, written back
// with its key, must still fit the line limit.
constexpr int kValueLimit = kReadLineLimit - 24;

// The text after a line's first ": "; empty when the line has none.
QByteArray valueOf(const QByteArray &aLine)
{
    const int colon = aLine.indexOf(": ");
    return colon < 0 ? QByteArray() : aLine.mid(colon + 2);
}

// Leading decimal integer of a value, as atoi reads it, held within int;
// 0 when there is none.
int scanInt(const QByteArray &aValue)
{
    const char *p = aValue.constData();
    const char *const end = p + aValue.size();
    while (p < end && isBlank(*p))
        ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    constexpr qint64 kBeyond = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; p < end && isDigit(*p); ++p)
        value = qMin(kBeyond, value * 10 + (*p - '0'));
    return negative ? int(-value) : int(qMin(value, kBeyond - 1));
}

// The length of the real that starts at aText, as sscanf's "%lf" takes it:
// an optional sign, digits with an optional point, an optional exponent.
// 0 when none starts there.
int realLength(const char *aText, const char *aEnd)
{
    const char *p = aText;
    if (p < aEnd && (*p == '+' || *p == '-'))
        ++p;
    const char *const whole = p;
    while (p < aEnd && isDigit(*p))
        ++p;
    bool digits = p > whole;
    if (p < aEnd && *p == '.') {
        const char *const fraction = ++p;
        while (p < aEnd && isDigit(*p))
            ++p;
        digits = digits || p > fraction;
    }
    if (!digits)
        return 0;
    if (p < aEnd && (*p == 'e' || *p == 'E')) {
        const char *e = p + 1;
        if (e < aEnd && (*e == '+' || *e == '-'))
            ++e;
        const char *const exponent = e;
        while (e < aEnd && isDigit(*e))
            ++e;
        if (e > exponent)
            p = e;
    }
    return int(p - aText);
}

// Up to aCount reals separated by white space, as sscanf reads them: reading
// stops at the first that does not parse and what is missing stays 0. Values
// beyond the range of a double do not parse: no position or size can use them.
void scanReals(const QByteArray &aValue, double *aOut, int aCount)
{
    for (int i = 0; i < aCount; ++i)
        aOut[i] = 0.0;
    const char *p = aValue.constData();
    const char *const end = p + aValue.size();
    for (int i = 0; i < aCount; ++i) {
        while (p < end && isBlank(*p))
            ++p;
        const int length = realLength(p, end);
        if (length == 0)
            return;
        // from_chars reads no plus sign and no locale: the file's point is always '.'.
        const char *const first = *p == '+' ? p + 1 : p;
        double value = 0.0;
        const std::from_chars_result result = std::from_chars(first, p + length, value);
        if (result.ec != std::errc() || !std::isfinite(value))
            return;
        aOut[i] = value;
        p += length;
    }
}

// The lines of one section, in order; once the stream has ended every further
// line is missing.
class LineSource
{
public:
    explicit LineSource(QIODevice &aIn) : mReader(aIn) {}

    bool line(QByteArray &aLine)
    {
        if (mEnded || !mReader.readLine(kReadLineLimit, aLine))
            mEnded = true;
        // A NUL would end the field's text where it becomes a QString, and
        // the writer turns it into a blank anyway: read as one, the rest of
        // the field is kept.
        if (!mEnded && aLine.contains('\0'))
            aLine.replace('\0', ' ');
        return !mEnded;
    }
    // Whether the next line is a piece's first line; nothing is consumed.
    bool pieceLineFollows() const { return !mEnded && isPieceLine(mReader.peek(kPieceLinePeek)); }
    bool value(QByteArray &aValue)
    {
        QByteArray raw;
        if (!line(raw))
            return false;
        aValue = valueOf(raw);
        return true;
    }
    bool intValue(int &aValue)
    {
        QByteArray text;
        if (!value(text))
            return false;
        aValue = scanInt(text);
        return true;
    }
    bool reals(double *aValues, int aCount)
    {
        QByteArray text;
        if (!value(text))
            return false;
        scanReals(text, aValues, aCount);
        return true;
    }
    bool real(double &aValue) { return reals(&aValue, 1); }
    bool point(QPointF &aPoint)
    {
        double xy[2];
        if (!reals(xy, 2))
            return false;
        aPoint = QPointF(xy[0], xy[1]);
        return true;
    }
    bool skip()
    {
        QByteArray raw;
        return line(raw);
    }

private:
    LineReader mReader;
    bool mEnded = false;
};

// A record as a read starts it: defaults, except what the file does not carry
// and the reader must leave alone.
LayoutRecord freshRecord(const LayoutRecord &aOld)
{
    LayoutRecord record;
    record.mPath = aOld.mPath;
    record.mLaneSwap = aOld.mLaneSwap;
    record.mFirstPair = aOld.mFirstPair;
    record.mSecondPair = aOld.mSecondPair;
    record.mChanged = aOld.mChanged;
    record.mSaved = aOld.mSaved;
    return record;
}

void readLanesLine(const QByteArray &aLine, LayoutRecord &aRecord)
{
    const QList<QByteArray> fields = aLine.split(' ');
    aRecord.mLanes = fields.size() > 1 ? scanInt(fields.at(1)) : 0;
    if (fields.size() == 6) {
        for (int lane = 0; lane < 4; ++lane)
            aRecord.mLaneBrush[lane] = laneBrush(QString::fromLatin1(fields.at(lane + 2)));
    } else {
        aRecord.mLaneBrush = {
            {QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}};
    }
}

// Lines 2 to 11 of a section; false when the stream ended first. A field
// whose line is missing keeps the fresh record's value.
bool readHeader(LineSource &aSource, LayoutRecord &aRecord)
{
    QByteArray lanes;
    if (!aSource.line(lanes))
        return false;
    readLanesLine(lanes, aRecord);
    int flag = 0;
    if (!aSource.real(aRecord.mBaseWidth) || !aSource.intValue(flag))
        return false;
    aRecord.mFirst = flag != 0;
    if (!aSource.intValue(flag))
        return false;
    aRecord.mForward = flag != 0;
    double lengths[2];
    if (!aSource.point(aRecord.mFirstPt) || !aSource.point(aRecord.mForwardPt) ||
        !aSource.real(aRecord.mForwardAngle) || !aSource.point(aRecord.mReversePt) ||
        !aSource.real(aRecord.mReverseAngle) || !aSource.reals(lengths, 2))
        return false;
    // The replay starts here; from a point finer than the file stores, a
    // layout saved and opened again would not lie where it lay.
    aRecord.mFirstPt = LayoutRecord::atFilePrecision(aRecord.mFirstPt);
    aRecord.mLaneLength[0] = lengths[0];
    aRecord.mLaneLength[1] = lengths[1];
    return true;
}

// The part numbers of one read, each looked up once and shared by every
// piece and attachment that names it: a layout uses a few kinds many times.
class PartNames
{
public:
    struct Part
    {
        QString mName;
        int mDbIndex = -1;
        int mItemType = -1;
    };

    PartNames(const RevellTrack &aCatalog, const QStringList &aDiagramTypeList)
        : mCatalog(aCatalog), mTypes(aDiagramTypeList)
    {
    }
    const Part &part(const QByteArray &aLatin1)
    {
        auto it = mParts.constFind(aLatin1);
        if (it == mParts.constEnd()) {
            const QString name = QString::fromLatin1(aLatin1);
            it = mParts.insert(aLatin1,
                               Part{name, mCatalog.findIndex(name), getDiagramType(name, mTypes)});
        }
        return *it;
    }

private:
    const RevellTrack &mCatalog;
    const QStringList &mTypes;
    QHash<QByteArray, Part> mParts;
};

enum class PieceRead
{
    Whole,
    Cut,               // the stream ended inside its lines
    TooManyAttachments // more names than any host has places
};

// Lines 2 to 9 of the piece at position aIndex.
PieceRead readPieceBody(LineSource &aSource, PlacedPiece &aPiece, int aIndex, PartNames &aNames)
{
    // The DB index and item type lines are not trusted: both follow from the part number.
    if (!aSource.skip() || !aSource.skip() || !aSource.real(aPiece.mLevel) ||
        !aSource.point(aPiece.mOrigin) || !aSource.real(aPiece.mAngle))
        return PieceRead::Cut;
    QByteArray attachments;
    if (!aSource.point(aPiece.mNextPt) || !aSource.real(aPiece.mNextAngle) ||
        !aSource.value(attachments))
        return PieceRead::Cut;
    attachments.truncate(kValueLimit);
    // An empty field between two blanks names nothing and takes no place
    // on the host.
    QList<QByteArray> names = attachments.split(' ');
    names.removeAll(QByteArray());
    if (names.size() > kMaxAttachmentsPerPiece)
        return PieceRead::TooManyAttachments;
    for (const QByteArray &bytes : names) {
        const PartNames::Part &part = aNames.part(bytes);
        aPiece.mAttachments.append(AttachmentEntry{part.mName, part.mDbIndex, aIndex});
    }
    return PieceRead::Whole;
}

// The piece count line and the pieces that follow it: every piece line there
// is, whatever the count says. Truncated when the count line is missing.
TrackPlanRead readPieces(LineSource &aSource, LayoutRecord &aRecord, const RevellTrack &aCatalog,
                         const QStringList &aDiagramTypeList, int &aClaimed, bool &aBrokenOff)
{
    if (!aSource.intValue(aClaimed))
        return TrackPlanRead::Truncated;
    if (aClaimed < 0)
        return TrackPlanRead::NotALayout;
    PartNames names(aCatalog, aDiagramTypeList);
    while (aSource.pieceLineFollows()) {
        if (aRecord.mPieces.size() == kMaxPiecesPerStrip)
            return TrackPlanRead::TooManyPieces;
        QByteArray value;
        aSource.value(value);
        const PartNames::Part &part = names.part(value.left(kValueLimit).trimmed());
        PlacedPiece piece(part.mName, part.mDbIndex, part.mItemType, QPointF(), 0.0, 0.0);
        const int index = aRecord.mPieces.size();
        switch (readPieceBody(aSource, piece, index, names)) {
        case PieceRead::Whole:
            aRecord.mPieces.append(piece);
            break;
        case PieceRead::Cut:
            aBrokenOff = true;
            return TrackPlanRead::Complete;
        case PieceRead::TooManyAttachments:
            return TrackPlanRead::TooManyAttachments;
        }
    }
    return TrackPlanRead::Complete;
}

// A line split at ": " that is a "lanes" or "track pieces" line.
bool isKeyLine(const QStringList &aParts)
{
    return aParts.size() == 2 && (aParts.at(0) == QLatin1String("lanes") ||
                                  aParts.at(0) == QLatin1String("track pieces"));
}

// The first character of aText that Latin-1 has no byte for (both halves of
// a surrogate pair), or an empty text when every one has.
QString firstBeyondLatin1(const QString &aText)
{
    for (int i = 0; i < aText.size(); ++i) {
        if (aText.at(i).unicode() <= 0xff)
            continue;
        const bool pair = aText.at(i).isHighSurrogate() && i + 1 < aText.size();
        return aText.mid(i, pair ? 2 : 1);
    }
    return QString();
}

} // namespace

bool writeTrackPlan(QIODevice *aOut, const LayoutRecord &aRecord, LogFile *aDebugLog)
{
    if (aDebugLog)
        aDebugLog->writeFlush("writeTrackPlan()\n");
    if (!aOut)
        return false;
    const QByteArray text = sectionText(aRecord);
    if (aOut->write(text) != text.size())
        return false;
    if (auto *file = qobject_cast<QFileDevice *>(aOut))
        return file->flush();
    return true;
}

TrackPlanRead readTrackPlan(QIODevice *aIn, LayoutRecord &aRecord, const RevellTrack &aCatalog,
                            const QStringList &aDiagramTypeList, LogFile *aDebugLog,
                            TrackPlanCounts *aCounts)
{
    if (aDebugLog)
        aDebugLog->writeFlush("readTrackPlan()\n");
    if (!aIn || !aIn->isReadable())
        return TrackPlanRead::Failed;
    LineSource source(*aIn);
    QByteArray name;
    if (!source.line(name))
        return TrackPlanRead::Failed;
    LayoutRecord record = freshRecord(aRecord);
    record.mName = QString::fromLatin1(name);
    int claimed = 0;
    bool brokenOff = false;
    const TrackPlanRead result =
        readHeader(source, record)
            ? readPieces(source, record, aCatalog, aDiagramTypeList, claimed, brokenOff)
            : TrackPlanRead::Truncated;
    if (result != TrackPlanRead::Complete && result != TrackPlanRead::Truncated)
        return result;
    // Outside a rebuild the next index is the number of pieces, whatever the
    // count line promised.
    record.mNextIndex = record.mPieces.size();
    if (aCounts && result == TrackPlanRead::Complete) {
        aCounts->mClaimed.append(claimed);
        aCounts->mRead.append(record.mPieces.size());
        aCounts->mBrokenOff = aCounts->mBrokenOff || brokenOff;
    }
    aRecord = std::move(record);
    return result;
}

bool isTrackPlanFile(const QString &aPath)
{
    QFile file(aPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return isTrackPlanText(file);
}

bool isTrackPlanText(QIODevice &aIn)
{
    QString name;
    QString lanes;
    QString pieces;
    QByteArray raw;
    bool firstLine = true;
    LineReader reader(aIn);
    while (reader.readLine(kTestLineLimit, raw)) {
        const QString line = QString::fromLatin1(raw);
        const QStringList parts = line.split(QStringLiteral(": "));
        const bool key = isKeyLine(parts);
        // The first line is the name line whatever it holds, as the reader takes
        // it, so a name that starts with a digit or contains ": " can be opened.
        // Only a lanes or piece-count line in its place means the name is missing.
        if (firstLine && !key) {
            firstLine = false;
            name = line;
            continue;
        }
        firstLine = false;
        if (!raw.isEmpty() && isDigit(raw.at(0)))
            break;
        if (parts.size() == 1)
            name = line;
        else if (key && parts.at(0) == QLatin1String("lanes"))
            lanes = parts.at(1);
        else if (key)
            pieces = parts.at(1);
    }
    return !name.isEmpty() && !lanes.isEmpty() && !pieces.isEmpty();
}

bool isTrackPlanText(const QByteArray &aText)
{
    QBuffer buffer;
    buffer.setData(aText);
    buffer.open(QIODevice::ReadOnly);
    return isTrackPlanText(buffer);
}

QString layoutNameProblem(const QString &aName)
{
    if (aName.isEmpty())
        return QStringLiteral("A layout needs a name.");
    const QString beyond = firstBeyondLatin1(aName);
    if (!beyond.isEmpty())
        return QStringLiteral("The layout file cannot hold the character \"%1\" in a name.")
            .arg(beyond);
    const QByteArray text = fieldText(aName);
    if (isKeyLine(QString::fromLatin1(text).split(QStringLiteral(": "))))
        return QStringLiteral("A layout name cannot be a \"lanes:\" or \"track pieces:\" line.");
    if (isPieceLine(text))
        return QStringLiteral("A layout name cannot be a piece's \"part number:\" line.");
    return QString();
}

bool saveTrackPlanFile(const QString &aPath, const LayoutRecord &aA, const LayoutRecord &aB,
                       LogFile *aDebugLog)
{
    QSaveFile file(aPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QBuffer text;
    text.open(QIODevice::ReadWrite);
    bool written = writeTrackPlan(&text, aA, aDebugLog);
    if (written && aA.mLanes == 4)
        written = writeTrackPlan(&text, aB, aDebugLog);
    text.seek(0);
    written = written && isTrackPlanText(text);
    // A full disk shows at the write or at the flush; either way the old file stays.
    written = written && file.write(text.data()) == text.size() && file.flush();
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

TrackPlanRead readTrackPlanBytes(const QString &aPath, QByteArray &aText)
{
    aText.clear();
    QFile file(aPath);
    if (!file.open(QIODevice::ReadOnly))
        return TrackPlanRead::Failed;
    // In steps, so that a small file takes little memory and a device that
    // never ends is cut off one byte past the most a layout file holds.
    constexpr qint64 kStep = 1024 * 1024;
    for (;;) {
        const QByteArray chunk = file.read(qMin(kStep, kMaxTrackPlanBytes + 1 - aText.size()));
        if (chunk.isEmpty())
            break;
        aText += chunk;
        if (aText.size() > kMaxTrackPlanBytes) {
            aText.clear();
            return TrackPlanRead::TooLarge;
        }
    }
    // A disk that fails halfway must not pass for a file that ends there.
    if (file.error() != QFileDevice::NoError) {
        aText.clear();
        return TrackPlanRead::Failed;
    }
    return TrackPlanRead::Complete;
}

QString TrackPlanCounts::joined(const QList<int> &aCounts)
{
    QStringList texts;
    for (int count : aCounts)
        texts << QString::number(count);
    return texts.join(QStringLiteral(" + "));
}

QString trackPlanLimitText(TrackPlanRead aRead)
{
    switch (aRead) {
    case TrackPlanRead::TooLarge:
        return QStringLiteral("larger than %1 MB, too large for a layout file")
            .arg(kMaxTrackPlanBytes / (1024 * 1024));
    case TrackPlanRead::TooManyPieces:
        return QStringLiteral("more than %1 pieces in one lane pair").arg(kMaxPiecesPerStrip);
    case TrackPlanRead::TooManyAttachments:
        return QStringLiteral("a piece with more than %1 attachments").arg(kMaxAttachmentsPerPiece);
    case TrackPlanRead::Complete:
    case TrackPlanRead::Truncated:
    case TrackPlanRead::NotALayout:
    case TrackPlanRead::Failed:
        break;
    }
    return QString();
}

TrackPlanRead loadTrackPlanText(const QByteArray &aText, LayoutRecord &aA, LayoutRecord &aB,
                                const RevellTrack &aCatalog, const QStringList &aDiagramTypeList,
                                LogFile *aDebugLog, TrackPlanCounts *aCounts)
{
    if (aText.size() > kMaxTrackPlanBytes)
        return TrackPlanRead::TooLarge;
    QBuffer buffer;
    buffer.setData(aText);
    buffer.open(QIODevice::ReadOnly);
    TrackPlanCounts counts;
    LayoutRecord first = aA;
    TrackPlanRead result =
        readTrackPlan(&buffer, first, aCatalog, aDiagramTypeList, aDebugLog, &counts);
    if (result == TrackPlanRead::Truncated)
        return TrackPlanRead::NotALayout;
    if (result != TrackPlanRead::Complete)
        return result;
    first.mFirstPair = true;
    first.mSecondPair = false;

    LayoutRecord second = freshRecord(aB);
    if (first.mLanes == 4) {
        result = readTrackPlan(&buffer, second, aCatalog, aDiagramTypeList, aDebugLog, &counts);
        // Without its second section a four-lane layout is half a layout.
        if (result == TrackPlanRead::Truncated || result == TrackPlanRead::Failed)
            return TrackPlanRead::NotALayout;
        if (result != TrackPlanRead::Complete)
            return result;
    } else {
        second.mName = first.mName;
        second.mLanes = first.mLanes;
        second.mBaseWidth = first.mBaseWidth;
        second.mLaneBrush = first.mLaneBrush;
    }
    second.mFirstPair = false;
    second.mSecondPair = true;
    counts.mTrailing = !aText.mid(int(buffer.pos())).trimmed().isEmpty();
    // A name Save would refuse would make a layout that opens but cannot be saved.
    if (!layoutNameProblem(first.mName).isEmpty() ||
        (first.mLanes == 4 && !layoutNameProblem(second.mName).isEmpty()))
        return TrackPlanRead::NotALayout;

    aA = std::move(first);
    aB = std::move(second);
    if (aCounts)
        *aCounts = counts;
    return TrackPlanRead::Complete;
}

TrackPlanRead loadTrackPlanFile(const QString &aPath, LayoutRecord &aA, LayoutRecord &aB,
                                const RevellTrack &aCatalog, const QStringList &aDiagramTypeList,
                                LogFile *aDebugLog, TrackPlanCounts *aCounts)
{
    QByteArray text;
    const TrackPlanRead result = readTrackPlanBytes(aPath, text);
    if (result != TrackPlanRead::Complete)
        return result;
    return loadTrackPlanText(text, aA, aB, aCatalog, aDiagramTypeList, aDebugLog, aCounts);
}
