#pragma once

#include <QByteArray>
#include <QtGlobal>

// The start of every tool that draws but shows nothing: it needs no display,
// so it draws offscreen unless the caller chose a platform. Call it before
// the application object is made.
inline void drawOffscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
