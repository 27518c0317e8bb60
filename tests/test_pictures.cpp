#include "catalog/RevellTrack.h"
#include "support/TestRuntime.h"
#include "tools/PictureList.h"
#include "tools/PictureRenderer.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
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

// How far apart two pictures are: the mean per-channel difference (0..255),
// the share of pixels where some channel differs by more than 64, and the
// number of pixels where none differs by more than aWithin.
struct Difference
{
    double mMean = 0.0;
    double mFarShare = 0.0;
    int mWithin = 0;
};

Difference compare(const QImage &aA, const QImage &aB, int aWithin = 0)
{
    const QImage a = aA.convertToFormat(QImage::Format_RGB32);
    const QImage b = aB.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    int far = 0;
    int within = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q));
            const int dg = std::abs(qGreen(p) - qGreen(q));
            const int db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            far += qMax(dr, qMax(dg, db)) > 64;
            within += qMax(dr, qMax(dg, db)) <= aWithin;
        }
    }
    const double pixels = double(a.width()) * a.height();
    return {sum / (3.0 * pixels), far / pixels, within};
}

// Pixels within aTolerance of aColor in every channel.
int countNear(const QImage &aImage, const QColor &aColor, int aTolerance)
{
    QImage solid(aImage.size(), QImage::Format_RGB32);
    solid.fill(aColor);
    return compare(aImage, solid, aTolerance).mWithin;
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

    void listNamesEachPictureOnceWithAKnownFormatAndPlace()
    {
        QSet<QString> seen;
        for (const PictureEntry &entry : pictureList()) {
            QVERIFY2(!seen.contains(entry.mName), qPrintable("twice: " + entry.mName));
            seen.insert(entry.mName);
            QVERIFY2(!pictureFormat(entry.mName).isEmpty(), qPrintable(entry.mName));
            QVERIFY2(!repositoryPath(entry.mName).isEmpty(), qPrintable(entry.mName));
            QVERIFY(entry.mSize.width() >= 16 && entry.mSize.height() >= 16);
            QVERIFY2(entry.mSize.width() <= 320 && entry.mSize.height() <= 320,
                     qPrintable("too large: " + entry.mName));
        }
        QVERIFY(findPicture(":/images/R3600.jpg") == nullptr);
        QCOMPARE(repositoryPath(":/images/r3600.jpg"), QString("resources/images/r3600.jpg"));
        QCOMPARE(repositoryPath("../data/track_pieces/catalog/legend.jpg"),
                 QString("data/track_pieces/catalog/legend.jpg"));
        // Names the windows build at run time, one per folder and kind, written
        // out here so a typo in the shared list cannot pass unseen; the ones
        // spelt out in the sources are checked by the scan below.
        for (const char *name :
             {":/images/r3600.jpg", ":/images/R3627R.jpg", ":/images/F7054R_L.jpg",
              ":/images/background4.png", "../data/track_pieces/catalog/r3625_Lq.jpg",
              "../data/track_pieces/catalog150/R3625_Rq.png",
              "../data/track_pieces/catalog150/F7053L_FLh.jpg",
              "../data/track_pieces/photos150/4laneThirdStraight.jpg",
              "../data/track_pieces/photos75/F8517.png"})
            QVERIFY2(findPicture(name) != nullptr, name);
    }

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

    void resourceFileListsEveryCompiledInPicture()
    {
        QFile qrc(sourcePath("resources/lanewright.qrc"));
        QVERIFY(qrc.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(qrc.readAll());
        QSet<QString> listed;
        auto matches = QRegularExpression("<file>([^<]+)</file>").globalMatch(text);
        while (matches.hasNext())
            listed.insert(":/" + matches.next().captured(1));
        QSet<QString> expected;
        for (const PictureEntry &entry : pictureList()) {
            if (isResource(entry.mName))
                expected.insert(entry.mName);
        }
        QCOMPARE(listed, expected);
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

    void noPictureLiesAroundThatNoOneNames()
    {
        for (const char *folder : {"resources/images", "data/track_pieces"}) {
            QDirIterator it(sourcePath(folder), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString relative = it.next().mid(sourcePath(QString()).size());
                const QString name = relative.startsWith("resources/images/")
                                         ? ":/images/" + relative.mid(17)
                                         : "../" + relative;
                QVERIFY2(findPicture(name) != nullptr, qPrintable("stray picture: " + relative));
            }
        }
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
        const QImage straight = draw(":/images/r3600.jpg");
        QVERIFY(!right.isNull() && !left.isNull() && !straight.isNull());
        const Difference curves = compare(right, left);
        QVERIFY(curves.mMean >= 0.5 || curves.mFarShare >= 0.001);
        const Difference kinds = compare(right, straight);
        QVERIFY(kinds.mMean >= 0.5 || kinds.mFarShare >= 0.001);
    }

    // Lanes in their default colours, attachments in theirs: the colour
    // covers a visible share of the picture more than it does in a picture
    // without that lane or attachment.
    void picturesShowLanesAndAttachmentsInTheirColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("without");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("tolerance");
        auto add = [](const char *aTag, const QString &aName, const QString &aWithout,
                      const QColor &aColor, int aTolerance) {
            QTest::newRow(aTag) << aName << aWithout << aColor << aTolerance;
        };
        const QString photos = "../data/track_pieces/photos150/";
        const QString blank = ":/images/background4.png";
        add("lane 1 red", ":/images/r3600.jpg", blank, QColor(255, 0, 0), 40);
        add("lane 2 green", ":/images/r3601R.jpg", blank, QColor(0, 160, 0), 40);
        add("lane 3 blue", photos + "4laneStraight.jpg", ":/images/r3600.jpg", Qt::blue, 40);
        add("lane 4 yellow", photos + "4lane60left.jpg", ":/images/r3610L.jpg", Qt::yellow, 40);
        add("orange fence", ":/images/R3628.jpg", ":/images/r3601R.jpg", QColor(245, 103, 47), 40);
        add("gray fence", "../data/track_pieces/catalog150/R3618.png",
            "../data/track_pieces/catalog/R3610.jpg", QColor(64, 64, 64), 40);
        add("apron", ":/images/r3614L.jpg", blank, QColor(192, 192, 192), 40);
        add("host light beside its apron", ":/images/r3614L.jpg", ":/images/r3600.jpg",
            QColor(236, 236, 236), 8);
    }
    void picturesShowLanesAndAttachmentsInTheirColours()
    {
        QFETCH(QString, name);
        QFETCH(QString, without);
        QFETCH(QColor, color);
        QFETCH(int, tolerance);
        auto share = [&](const QString &aName) {
            const QImage image(readPath(aName));
            return image.isNull() ? -1.0
                                  : countNear(image, color, tolerance) /
                                        double(image.width() * image.height());
        };
        const double with = share(name);
        const double base = share(without);
        QVERIFY(with >= 0.0 && base >= 0.0);
        QVERIFY2(with > base + 0.002,
                 qPrintable(QString("%1: %2 against %3").arg(name).arg(with).arg(base)));
    }

    void backgroundTilesRepeatWithoutASeam_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("grid");
        QTest::newRow("blue") << ":/images/background1.png" << true;
        QTest::newRow("gray") << ":/images/background3.png" << true;
        QTest::newRow("none") << ":/images/background4.png" << false;
    }
    void backgroundTilesRepeatWithoutASeam()
    {
        QFETCH(QString, name);
        QFETCH(bool, grid);
        const QImage tile = QImage(name).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!tile.isNull());
        const int w = tile.width();
        const int h = tile.height();
        // A spot between grid lines shows the paper.
        const QRgb paper = tile.pixel(w / 8, h / 8);
        if (!grid) {
            QCOMPARE(countNear(tile, QColor(paper), 0), w * h);
            return;
        }
        // A line on the left and top edges only: the next tile's edge line
        // follows the last column, so a line there too would show doubled.
        QVERIFY(tile.pixel(0, h / 8) != paper);
        QVERIFY(tile.pixel(w / 8, 0) != paper);
        QCOMPARE(tile.pixel(w - 1, h / 8), paper);
        QCOMPARE(tile.pixel(w / 8, h - 1), paper);
        QCOMPARE(tile.pixel(1, h / 8), paper);
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

        entry.mLanes12 = QStringList{"R3600"};
        entry.mAttachments = QStringList{"R3605"}; // undirected: not a catalog piece
        error.clear();
        QVERIFY(renderPicture(entry, catalog(), &error).isNull());
        QVERIFY(error.contains("R3605"));

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
