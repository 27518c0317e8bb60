#pragma once

#include <QBrush>
#include <QString>
#include <QStringList>

// The eight lane colour names, in the order the lane colour chooser offers them:
// "red", "green", "blue", "yellow", "cyan", "magenta", "black", "white".
const QStringList &laneColorNames();

// Name of the list entry whose solid brush equals aBrush; "unknown" for any
// other brush (another colour, a pattern, a gradient, no brush).
QString laneColorName(const QBrush &aBrush);

// Solid brush of the colour named exactly aName (case-sensitive); a solid black
// brush for any other name, so a damaged colours file still gives visible lanes.
QBrush laneBrush(const QString &aName);
