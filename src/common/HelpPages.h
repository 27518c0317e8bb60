#pragma once

#include <QString>
#include <QUrl>

// Where the help viewers find their pages. The pages are files beside the
// program's data, not compiled in, so that they can be read and corrected
// without a build.
namespace HelpPages {

// The folder of the help pages for a program started in aCurrentDir, ending
// in "/": "<parent>/data/html/" when aCurrentDir ends in "/bin" (the program
// runs in bin/ beside data/; the comparison is case-sensitive), otherwise
// "<aCurrentDir>/data/html/". Only the final "/bin" is taken off, so a
// folder such as "/home/binder/bin" keeps the rest of its name.
QString htmlDirectory(const QString &aCurrentDir);

// The local file URL of page aPage (e.g. "help.html") in aHtmlDirectory.
QUrl pageUrl(const QString &aHtmlDirectory, const QString &aPage);

} // namespace HelpPages
