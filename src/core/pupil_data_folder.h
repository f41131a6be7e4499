#pragma once
#include <QString>

// The pupil's own data folder on this computer: $XDG_DATA_HOME/matematyka6
// (~/.local/share/matematyka6), on Windows %APPDATA%\matematyka6, the roaming
// profile, so that on a school network the results follow the pupil. The
// program uses it when no other data folder is given; the report reads it then.
QString PupilDataFolder();
