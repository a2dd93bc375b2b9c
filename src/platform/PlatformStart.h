#pragma once

#include <QString>

// Qt chooses and connects to the display itself (an X server on any socket, a Wayland
// compositor); when it reaches none it aborts with a long trace. Around the construction of
// the application object this turns that into one plain line and exit status 2.
namespace platformStart {

// Before QApplication: Qt's messages are held back; a fatal one ends the program with the line.
void guard();
// Once QApplication exists: the held messages go out as they came, and Qt's own handling returns.
void release();

// The one line said when no display could be reached, from the environment Qt was given and
// the platforms it reported trying.
QString noDisplayLine(const QString& qtPlatform, const QString& display, const QString& waylandDisplay,
                      const QStringList& triedPlatforms);

} // namespace platformStart
