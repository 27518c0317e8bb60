#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text of one layout file section as a hand or a damaged disk may leave
// it: the piece count line says aCount, whatever pieces follow.
inline QByteArray layoutSection(const QString &aName, int aLanes, const QString &aCount,
                                const QStringList &aParts,
                                const QString &aFirstPoint = "1000.00 1000.00",
                                const QString &aAttachments = QString())
{
    QString text = aName + QStringLiteral("\nlanes: %1 red green blue yellow\n"
                                          "base width, mm: 178.00\nfirst: 0\nforward: 1\n"
                                          "first point: %2\nfwd point: 0.00 0.00\nfwd angle: 0.00\n"
                                          "rev point: 2500.00 178.00\nrev angle: 180.00\n"
                                          "track lengths: 0.00 0.00\ntrack pieces: %3\n")
                               .arg(aLanes)
                               .arg(aFirstPoint, aCount);
    for (int i = 0; i < aParts.size(); ++i)
        text += QStringLiteral("%1 part number: %2\n   DB index: 0\n   item type: 0\n"
                               "   level: 0.25\n   origin: 0.00 0.00\n   angle: 0.00\n"
                               "   next point: 0.00 0.00\n   next angle: 0.00\n"
                               "   attachments: %3\n")
                    .arg(i)
                    .arg(aParts.at(i), i == 0 ? aAttachments : QString());
    return text.toLatin1();
}
