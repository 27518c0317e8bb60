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

#include <cstdlib>
#include <memory>

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

// How far apart two pictures are: the mean per-channel difference (0..255)
// and the share of pixels where some channel differs by more than 64.
struct Difference
{
    double mMean = 0.0;
    double mFarShare = 0.0;
};

Difference compare(const QImage &aA, const QImage &aB)
{
    const QImage a = aA.convertToFormat(QImage::Format_RGB32);
    const QImage b = aB.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    int far = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q));
            const int dg = std::abs(qGreen(p) - qGreen(q));
            const int db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            far += qMax(dr, qMax(dg, db)) > 64;
        }
    }
    const double pixels = double(a.width()) * a.height();
    return {sum / (3.0 * pixels), far / pixels};
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
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        // The catalog writes its log relative to the working directory.
        mRuntime = std::make_unique<TestRuntime>(TestRuntime::WithoutLogs);
        QVERIFY(mRuntime->isValid());
    }
    void cleanupTestCase() { mRuntime.reset(); }

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
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("missing: " + path));
        const bool jpeg = pictureFormat(name) == QLatin1String("jpg");
        const QByteArray magic = jpeg ? QByteArray("\xFF\xD8", 2) : QByteArray("\x89PNG", 4);
        QVERIFY2(file.read(4).startsWith(magic), qPrintable("wrong kind: " + path));
        file.close();
        QImageReader reader(path);
        const QImage committed = reader.read();
        QVERIFY2(!committed.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(committed.size(), entry->mSize);

        // The legend's lettering depends on the fonts of the machine.
        if (entry->mKind == PictureKind::Legend)
            return;
        QString error;
        const QImage redrawn = renderPicture(*entry, catalog(), &error);
        QVERIFY2(!redrawn.isNull(), qPrintable(error));
        // Through the same encoder, so JPEG's losses are the same on both sides.
        const QImage drawn = QImage::fromData(encodePicture(*entry, redrawn));
        QCOMPARE(drawn.size(), committed.size());
        const Difference d = compare(drawn, committed);
        QVERIFY2(d.mMean < 0.5 && d.mFarShare < 0.001,
                 qPrintable(QString("%1 is stale (mean %2, far %3); run scripts/make-pictures")
                                .arg(name)
                                .arg(d.mMean)
                                .arg(d.mFarShare)));
    }

    void redrawnPictureDiffersWhenThePieceDiffers()
    {
        // The comparison above must be able to tell pieces apart at all.
        auto draw = [this](const char *aName) {
            QString error;
            return renderPicture(*findPicture(aName), catalog(), &error);
        };
        const QImage right = draw(":/images/r3601R.jpg");
        const QImage left = draw(":/images/r3601L.jpg");
        QVERIFY(!right.isNull() && !left.isNull());
        const Difference curves = compare(right, left);
        QVERIFY(curves.mMean >= 0.5 || curves.mFarShare >= 0.001);
    }

    void unknownPiecesAreReportedNotDrawn()
    {
        PictureEntry entry;
        entry.mName = ":/images/none.jpg";
        entry.mSize = QSize(40, 40);
        entry.mLanes12 = QStringList{"R3600", "R3699"};
        QString error;
        QVERIFY(renderPicture(entry, catalog(), &error).isNull());
        QVERIFY(error.contains("R3699"));

        entry.mLanes12.clear();
        entry.mAttachments.clear();
        error.clear();
        QVERIFY(renderPicture(entry, catalog(), &error).isNull());
        QVERIFY(!error.isEmpty());
    }

private:
    std::unique_ptr<TestRuntime> mRuntime;

    const RevellTrack &catalog()
    {
        static const RevellTrack track;
        return track;
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
