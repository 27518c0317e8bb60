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
    const uchar *p = a.constBits(), *q = b.constBits();
    const double pixels = double(a.width()) * a.height();
    double sum = 0.0;
    int far = 0;
    for (int i = 0; i < pixels * 4; i += 4) {
        int most = 0;
        for (int c = 0; c < 3; ++c) {
            sum += std::abs(p[i + c] - q[i + c]);
            most = std::max(most, std::abs(p[i + c] - q[i + c]));
        }
        far += most > 64;
    }
    *aWhy = QString("mean %1, far %2").arg(sum / (3.0 * pixels)).arg(far / pixels);
    return sum / (3.0 * pixels) < 0.5 && far / pixels < 0.001;
}

// Every file name ending in .jpg or .png that the program's sources spell
// out (it has no forms); the generator's own list is left out, so the two
// are checked against each other.
QStringList namesInProgramSources()
{
    // Any case of the extension, so "R3600.JPG" is caught rather than skipped.
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*\\.(?:jpg|png))\""),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    QDirIterator it(sourcePath("src"), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (path.contains(QLatin1String("/src/tools/")) || !file.open(QIODevice::ReadOnly))
            continue;
        auto matches = literal.globalMatch(QString::fromUtf8(file.readAll()));
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
            const bool known = (name.startsWith(":/images/") || name.startsWith("../data/"))
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
        // Compiled-in pictures are read as the program reads them; files under
        // data/ from the repository, which is what the program is shipped with.
        QImageReader reader(name.startsWith(":/") ? name : sourcePath(repositoryPath(name)));
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

    // A piece the catalog lacks must stop the drawing, not leave a gap.
    void unknownPiecesAreReported()
    {
        QString error;
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
