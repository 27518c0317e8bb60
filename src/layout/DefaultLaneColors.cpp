#include "DefaultLaneColors.h"

#include "layout/LaneColors.h"

#include <QFile>
#include <QSaveFile>

const char *const kDefaultLaneColorsPath = "../data/defaultLaneColors.txt";

namespace {

// The longest name the file is meant to hold; the rest of a longer word is
// read past, so it can neither spill into the next lane nor match a colour.
constexpr int kMaxNameLength = 63;

bool isSpace(char aChar)
{
    return aChar == ' ' || aChar == '\t' || aChar == '\n' || aChar == '\v' || aChar == '\f' ||
           aChar == '\r';
}

// The next whitespace-separated word into aWord; false, with aWord unchanged,
// when only white space is left.
bool readWord(QIODevice &aFile, QByteArray &aWord)
{
    char c = 0;
    do {
        if (!aFile.getChar(&c))
            return false;
    } while (isSpace(c));
    aWord.clear();
    do {
        if (aWord.size() < kMaxNameLength)
            aWord.append(c);
    } while (aFile.getChar(&c) && !isSpace(c));
    return true;
}

} // namespace

bool readDefaultLaneColors(std::array<QBrush, 4> &aBrushes, const QString &aPath)
{
    QFile file(aPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    readDefaultLaneColors(aBrushes, file);
    return true;
}

void readDefaultLaneColors(std::array<QBrush, 4> &aBrushes, QIODevice &aIn)
{
    // Kept across lanes on purpose: a short file repeats its last name.
    QByteArray word;
    for (QBrush &brush : aBrushes) {
        readWord(aIn, word);
        brush = laneBrush(QString::fromLatin1(word));
    }
}

QByteArray defaultLaneColorsText(const std::array<QBrush, 4> &aBrushes)
{
    QByteArray text;
    for (const QBrush &brush : aBrushes)
        text += laneColorName(brush).toLatin1() + '\n';
    return text;
}

bool writeDefaultLaneColors(const std::array<QBrush, 4> &aBrushes, const QString &aPath)
{
    QSaveFile file(aPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = defaultLaneColorsText(aBrushes);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
