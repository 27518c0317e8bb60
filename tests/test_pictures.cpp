#include "catalog/RevellTrack.h"
#include "support/TestRuntime.h"
#include "tools/PictureList.h"
#include "tools/PictureRenderer.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

namespace {

QString sourcePath(const QString &aRelative)
{
    return QStringLiteral(LANEWRIGHT_SOURCE_DIR "/") + aRelative;
}

bool isResource(const QString &aName)
{
    return aName.startsWith(QLatin1String(":/images/"));
}

// Compiled-in pictures are read as the program reads them; files under data/
// from the repository, which is what the program is shipped with.
QString readPath(const QString &aName)
{
    return isResource(aName) ? aName : sourcePath(repositoryPath(aName));
}

QString fileName(const QString &aName)
{
    return aName.mid(aName.lastIndexOf('/') + 1);
}

// Whether two pictures show the same drawing: a mean per-channel difference
// (0..255) below 0.5 and fewer than one pixel in a thousand where some channel
// differs by more than 64. The figures go into aWhy.
bool sameDrawing(const QImage &aA, const QImage &aB, QString *aWhy)
{
    const QImage a = aA.convertToFormat(QImage::Format_RGB32);
    const QImage b = aB.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    int far = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d[] = {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))};
            sum += d[0] + d[1] + d[2];
            far += std::max({d[0], d[1], d[2]}) > 64;
        }
    }
    const double pixels = double(a.width()) * a.height();
    *aWhy = QString("mean %1, far %2").arg(sum / (3.0 * pixels)).arg(far / pixels);
    return sum / (3.0 * pixels) < 0.5 && far / pixels < 0.001;
}

// Every file name ending in .jpg or .png that the program's sources and forms
// spell out; the generator's own list is left out, so the two are checked
// against each other.
QStringList namesInProgramSources()
{
    // Any case of the extension, so "R3600.JPG" is caught rather than skipped.
    const auto anyCase = QRegularExpression::CaseInsensitiveOption;
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*\\.(?:jpg|png))\""),
                                     anyCase);
    const QRegularExpression formText(QStringLiteral(">([^<>]*\\.(?:jpg|png))<"), anyCase);
    QStringList names;
    QDirIterator it(sourcePath("src"), {"*.cpp", "*.h", "*.ui"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String("/src/tools/")))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        const QRegularExpression &pattern = path.endsWith(".ui") ? formText : literal;
        auto matches = pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QString name = matches.next().captured(1);
            if (!fileName(name).startsWith('.'))
                names << name;
        }
    }
    return names;
}

} // namespace

// The pictures the program shows: each one it names is there, readable and
// of the kind its name says, and each still matches what the generator draws
// from the current catalog and piece outlines.
class PicturesTest : public QObject
{
    Q_OBJECT

    // The catalog writes its log relative to the working directory.
    TestRuntime mRuntime{TestRuntime::WithoutLogs};
    RevellTrack mCatalog;

private slots:
    void initTestCase() { Q_INIT_RESOURCE(lanewright); }

    void everyPictureNamedInTheProgramIsListed()
    {
        QStringList bareNames;
        for (const PictureEntry &entry : pictureList())
            bareNames << fileName(entry.mName);
        QStringList unknown;
        for (const QString &name : namesInProgramSources()) {
            const bool known = (isResource(name) || name.startsWith("../data/"))
                                   ? findPicture(name) != nullptr
                                   : bareNames.contains(fileName(name));
            if (!known)
                unknown << name;
        }
        QVERIFY2(unknown.isEmpty(),
                 qPrintable("the program names pictures no one draws: " + unknown.join(", ")));
    }

    // Each picture is a readable image of the kind its name says, and
    // redrawing it from the current catalog and piece items gives the committed
    // picture back; when an outline or a lane line changes, this fails until
    // scripts/make-pictures has been run and its output committed.
    void everyPictureIsReadableAndMatchesARedraw_data()
    {
        QTest::addColumn<QString>("name");
        for (const PictureEntry &entry : pictureList())
            QTest::newRow(qPrintable(entry.mName)) << entry.mName;
    }
    void everyPictureIsReadableAndMatchesARedraw()
    {
        QFETCH(QString, name);
        const PictureEntry *entry = findPicture(name);
        QVERIFY(entry != nullptr);
        const QString path = readPath(name);
        QImageReader reader(path);
        // The kind is read from the bytes, whatever the name says.
        QCOMPARE(reader.format(), QByteArray(pictureFormat(name) == "jpg" ? "jpeg" : "png"));
        const QImage committed = reader.read();
        QVERIFY2(!committed.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(committed.size(), entry->mSize);

        // The legend's lettering depends on the fonts of the machine.
        if (entry->mKind == PictureKind::Legend)
            return;
        QString error;
        const QImage redrawn = renderPicture(*entry, mCatalog, &error);
        QVERIFY2(!redrawn.isNull(), qPrintable(error));
        // Through the same encoder, so JPEG's losses are the same on both sides.
        const QImage drawn = QImage::fromData(encodePicture(*entry, redrawn));
        QCOMPARE(drawn.size(), committed.size());
        QString why;
        QVERIFY2(sameDrawing(drawn, committed, &why),
                 qPrintable(name + " is stale (" + why + "); run scripts/make-pictures"));
    }

    // The comparison above must be able to tell pieces apart at all, and a
    // piece the catalog lacks must stop the drawing, not leave a gap.
    void redrawsDifferWithThePieceAndUnknownPiecesAreReported()
    {
        QString error;
        const QImage right = renderPicture(*findPicture(":/images/r3601R.jpg"), mCatalog, &error);
        const QImage left = renderPicture(*findPicture(":/images/r3601L.jpg"), mCatalog, &error);
        QVERIFY(!right.isNull() && !left.isNull());
        QVERIFY(!sameDrawing(right, left, &error));

        PictureEntry entry;
        entry.mName = ":/images/none.jpg";
        entry.mSize = QSize(40, 40);
        entry.mLanes12 = QStringList{"R3600", "R3699"};
        QVERIFY(renderPicture(entry, mCatalog, &error).isNull());
        QVERIFY(error.contains("R3699"));
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
