#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QDir>
#include <QtTest>

// The prompt seam and the private runtime tree that every other test relies on.
class PrompterTest : public QObject
{
    Q_OBJECT
private slots:
    void recordingPrompterAnswersInOrderThenDefaultsToNoAndCancel()
    {
        RecordingPrompter rec;
        rec.mAnswers << true << false;
        rec.mFileNames << QStringLiteral("a.txt");
        QCOMPARE(prompter().question("T", "Q1"), true);
        QCOMPARE(prompter().question("T", "Q2"), false);
        QCOMPARE(prompter().question("T", "Q3"), false);
        QCOMPARE(prompter().openFileName("Open", "../trackplans", "*.txt"), QString("a.txt"));
        QVERIFY(prompter().saveFileName("Save", "../trackplans", "*.txt").isEmpty());
        QCOMPARE(rec.mLog.first(), QString("question|T|Q1"));
    }

    void uninstalledPrompterFallsBackToSilentNo()
    {
        {
            RecordingPrompter rec;
        }
        QCOMPARE(prompter().question("Layout Exists", "Clear?"), false);
        QVERIFY(prompter().openFileName("x", "y", "z").isEmpty());
    }

    void runtimeTreeIsPrivateAndRestoresDirectory()
    {
        const QString before = QDir::currentPath();
        QString root;
        {
            TestRuntime rt;
            QVERIFY(rt.isValid());
            root = rt.root();
            QCOMPARE(QDir::currentPath(), QDir(rt.path("bin")).canonicalPath());
            QVERIFY(QDir("../logs").exists());
        }
        QCOMPARE(QDir::currentPath(), before);
        QVERIFY(!QDir(root).exists());
    }
};

QTEST_MAIN(PrompterTest)
#include "test_prompter.moc"
