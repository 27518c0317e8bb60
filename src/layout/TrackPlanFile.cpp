#include "TrackPlanFile.h"

#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramTypes.h"
#include "layout/LaneColors.h"
#include "layout/LayoutRecord.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <locale.h>

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

// Reads one line of at most aLimit bytes into aLine. A line ends at LF, CR LF,
// a lone CR, or CR CR LF (a CR LF file passed through a second conversion).
// False, with aLine empty, only at the end of the stream.
bool readLine(QIODevice &aIn, int aLimit, QByteArray &aLine)
{
    aLine.clear();
    char c = 0;
    bool any = false;
    while (aIn.getChar(&c)) {
        any = true;
        if (c == '\n')
            return true;
        if (c == '\r') {
            const QByteArray ahead = aIn.peek(2);
            if (ahead.startsWith('\n'))
                aIn.skip(1);
            else if (ahead == "\r\n")
                aIn.skip(2);
            return true;
        }
        if (aLine.size() < aLimit)
            aLine.append(c);
    }
    return any;
}

// The text after a line's first ": "; empty when the line has none.
QString valueOf(const QByteArray &aLine)
{
    const int colon = aLine.indexOf(": ");
    return colon < 0 ? QString() : QString::fromLatin1(aLine.mid(colon + 2));
}

// Leading decimal integer of a value, as atoi reads it; 0 when there is none.
int scanInt(const QString &aValue)
{
    static const QRegularExpression kInt(QStringLiteral("^[ \\t\\n\\v\\f\\r]*([+-]?[0-9]+)"));
    const QRegularExpressionMatch match = kInt.match(aValue);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qlonglong value = match.captured(1).toLongLong(&ok);
    if (!ok) // more digits than any count the program writes
        return match.captured(1).startsWith(QLatin1Char('-')) ? std::numeric_limits<int>::min()
                                                              : std::numeric_limits<int>::max();
    return int(
        qBound<qlonglong>(std::numeric_limits<int>::min(), value, std::numeric_limits<int>::max()));
}

// Up to aCount reals separated by white space, as sscanf reads them: reading
// stops at the first that does not parse and what is missing stays 0. Infinite
// and not-a-number values do not parse: no position or size can use them.
void scanReals(const QString &aValue, double *aOut, int aCount)
{
    static const QRegularExpression kReal(QStringLiteral(
        "\\G[ \\t\\n\\v\\f\\r]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
    for (int i = 0; i < aCount; ++i)
        aOut[i] = 0.0;
    int position = 0;
    for (int i = 0; i < aCount; ++i) {
        const QRegularExpressionMatch match = kReal.match(aValue, position);
        if (!match.hasMatch())
            return;
        bool ok = false;
        const double value = QLocale::c().toDouble(match.captured(1), &ok);
        if (!ok || !std::isfinite(value))
            return;
        aOut[i] = value;
        position = match.capturedEnd(0);
    }
}

// The lines of one section, in order; once the stream has ended every further
// line is missing.
class LineSource
{
public:
    explicit LineSource(QIODevice &aIn) : mIn(aIn) {}

    bool line(QByteArray &aLine)
    {
        if (mEnded || !readLine(mIn, kReadLineLimit, aLine))
            mEnded = true;
        return !mEnded;
    }
    bool value(QString &aValue)
    {
        QByteArray raw;
        if (!line(raw))
            return false;
        aValue = valueOf(raw);
        return true;
    }
    bool intValue(int &aValue)
    {
        QString text;
        if (!value(text))
            return false;
        aValue = scanInt(text);
        return true;
    }
    bool reals(double *aValues, int aCount)
    {
        QString text;
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
    QIODevice &mIn;
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
    const QStringList fields =
        QString::fromLatin1(aLine).split(QLatin1Char(' '), Qt::KeepEmptyParts);
    aRecord.mLanes = fields.size() > 1 ? scanInt(fields.at(1)) : 0;
    if (fields.size() == 6) {
        for (int lane = 0; lane < 4; ++lane)
            aRecord.mLaneBrush[lane] = laneBrush(fields.at(lane + 2));
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
    aRecord.mLaneLength[0] = lengths[0];
    aRecord.mLaneLength[1] = lengths[1];
    return true;
}

// Lines 2 to 9 of the piece at position aIndex; false when the stream ended first.
bool readPieceBody(LineSource &aSource, PlacedPiece &aPiece, int aIndex,
                   const RevellTrack &aCatalog)
{
    // The DB index and item type lines are not trusted: both follow from the part number.
    if (!aSource.skip() || !aSource.skip() || !aSource.real(aPiece.mLevel) ||
        !aSource.point(aPiece.mOrigin) || !aSource.real(aPiece.mAngle))
        return false;
    aPiece.mNextPt = aPiece.mOrigin;
    aPiece.mNextAngle = aPiece.mAngle;
    QString attachments;
    if (!aSource.point(aPiece.mNextPt) || !aSource.real(aPiece.mNextAngle) ||
        !aSource.value(attachments))
        return false;
    attachments = attachments.trimmed();
    if (attachments.isEmpty())
        return true;
    const QStringList names = attachments.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    for (const QString &name : names)
        aPiece.mAttachments.append(AttachmentEntry{name, aCatalog.findIndex(name), aIndex});
    return true;
}

// The piece count line and the pieces; false when the stream ended first. A
// piece whose part-number line was read is kept even when its body is cut off.
bool readPieces(LineSource &aSource, LayoutRecord &aRecord, const RevellTrack &aCatalog,
                const QStringList &aDiagramTypeList)
{
    int count = 0;
    if (!aSource.intValue(count))
        return false;
    for (int i = 0; i < count; ++i) {
        QString value;
        if (!aSource.value(value))
            return false;
        const QString partNumber = value.trimmed();
        PlacedPiece piece(partNumber, aCatalog.findIndex(partNumber),
                          getDiagramType(partNumber, aDiagramTypeList), QPointF(), 0.0, 0.0);
        const bool whole = readPieceBody(aSource, piece, i, aCatalog);
        aRecord.mPieces.append(piece);
        if (!whole)
            return false;
    }
    return true;
}

bool isDigit(QChar aChar)
{
    return aChar >= QLatin1Char('0') && aChar <= QLatin1Char('9');
}

// A line split at ": " that is a "lanes" or "track pieces" line.
bool isKeyLine(const QStringList &aParts)
{
    return aParts.size() == 2 && (aParts.at(0) == QLatin1String("lanes") ||
                                  aParts.at(0) == QLatin1String("track pieces"));
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
                            const QStringList &aDiagramTypeList, LogFile *aDebugLog)
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
    const bool complete =
        readHeader(source, record) && readPieces(source, record, aCatalog, aDiagramTypeList);
    // Outside a rebuild the next index is the number of pieces, also when the
    // count line promised more than the file held.
    record.mNextIndex = record.mPieces.size();
    aRecord = record;
    return complete ? TrackPlanRead::Complete : TrackPlanRead::Truncated;
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
    while (readLine(aIn, kTestLineLimit, raw)) {
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
        if (!line.isEmpty() && isDigit(line.at(0)))
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

QString layoutNameProblem(const QString &aName)
{
    if (aName.isEmpty())
        return QStringLiteral("A layout needs a name.");
    if (isKeyLine(QString::fromLatin1(fieldText(aName)).split(QStringLiteral(": "))))
        return QStringLiteral("A layout name cannot be a \"lanes:\" or \"track pieces:\" line.");
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

TrackPlanRead loadTrackPlanFile(const QString &aPath, LayoutRecord &aA, LayoutRecord &aB,
                                const RevellTrack &aCatalog, const QStringList &aDiagramTypeList,
                                LogFile *aDebugLog)
{
    QFile file(aPath);
    if (!file.open(QIODevice::ReadOnly))
        return TrackPlanRead::Failed;
    LayoutRecord first = aA;
    TrackPlanRead result = readTrackPlan(&file, first, aCatalog, aDiagramTypeList, aDebugLog);
    if (result == TrackPlanRead::Failed)
        return result;
    first.mFirstPair = true;
    first.mSecondPair = false;

    LayoutRecord second = aB;
    TrackPlanRead secondResult = TrackPlanRead::Failed;
    if (first.mLanes == 4 && result == TrackPlanRead::Complete)
        secondResult = readTrackPlan(&file, second, aCatalog, aDiagramTypeList, aDebugLog);
    if (secondResult == TrackPlanRead::Failed) {
        // Nothing of the layout that was open before may survive in record B.
        second = freshRecord(aB);
        second.mName = first.mName;
        second.mLanes = first.mLanes;
        second.mBaseWidth = first.mBaseWidth;
        second.mLaneBrush = first.mLaneBrush;
        if (first.mLanes == 4)
            result = TrackPlanRead::Truncated;
    } else if (secondResult == TrackPlanRead::Truncated) {
        result = TrackPlanRead::Truncated;
    }
    second.mFirstPair = false;
    second.mSecondPair = true;

    aA = first;
    aB = second;
    return result;
}
