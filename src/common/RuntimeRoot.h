#pragma once

#include <QString>

// Where the program runs. Built in the repository it runs in bin/ beside
// data/, logs/, trackplans/ and PDF/ and needs nothing more. Installed, the
// tree under the prefix is read-only and shared by every user, so each user
// gets a runtime root of their own: its bin/ is the working directory, its
// data/ links to the shipped help pages and piece pictures and keeps the
// user's inventory and lane colours, and logs/, trackplans/ and PDF/ are the
// user's. The program's relative paths then work unchanged.
namespace RuntimeRoot {

// The shipped data of an installed program: the folder aShareFromBin names
// relative to the folder of the executable, aAppDir, when it holds data/;
// empty otherwise, as for a program built in the repository.
QString installedShare(const QString &aAppDir, const QString &aShareFromBin);

// Makes aRoot the runtime root for the shipped data in aShare and returns its
// working directory, aRoot/bin; empty, with aError set, when a folder or link
// could not be made. Safe to run at every start: data/html and
// data/track_pieces are links to aShare's, made again when they point
// elsewhere (a new install) and left alone when the user has put a real
// folder there; the sample layouts of aShare/trackplans are copied only when
// trackplans/ is made, so layouts the user deleted stay deleted.
QString prepareUserRoot(const QString &aShare, const QString &aRoot, QString *aError);

} // namespace RuntimeRoot
