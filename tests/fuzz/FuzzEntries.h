#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <vector>

// The fuzz targets' entry points, one per reader of outside files. The
// libFuzzer programs call them with generated inputs, the corpus test with
// the committed corpus, so both check the same promises.
struct FuzzOutcome
{
    bool mAccepted = false; // the reader took the input as a file of its kind
    QString mFault;         // the promise the input broke; empty when none
};

// What Open makes of a layout text without the window (the test, the read,
// the replay, the lane lengths), with the first piece dragged to aDrag when
// one is given, and what Save then writes; empty when Open refuses the text.
QByteArray openAndSave(const QByteArray &aText, QPointF aDrag = QPointF());

struct FuzzTarget
{
    QString mName; // also the corpus folder under tests/fuzz/corpus
    FuzzOutcome (*mEntry)(const QByteArray &aInput);
};
// A layout file: one that Open accepts saves into one that Open accepts, and
// a second open and save writes the same text. The default lane colours: each
// lane gets one of the eight colours, and what is written back reads back the
// same. The inventory file: every count taken is one the program allows, and
// what is written back reads back the same.
const std::vector<FuzzTarget> &fuzzTargets();
