#pragma once

// What the main window's screenshot programs share: the window on the
// bundled demo save folder at 1410 x 800, a character selected, its picture.

#include "UFileLocations.h"
#include "UMain.h"

#include <QString>
#include <QStringList>

// Writes the settings file (and its folder) so that the window opens the
// demo save folder at 1410 x 800.
void WriteDemoWindowSettings(const TFileLocations& ALocations);
// Writes a text file of the lines into the Notes folder, which it creates.
void WriteNote(const TFileLocations& ALocations, const QString& AFileName, const QStringList& ALines);
// The note the pictures show for the selected character.
QStringList SampleCharacterNote();

// Shows the window and waits, 10 seconds at the most, until its start-up has run.
bool ShowAndWaitForStartUp(TFMain& AWindow);
// Shows the window, selects the character in the list sorted by name, saves
// a picture of the window and closes it. False, with a message for a missing
// character, when any of that fails.
bool SavePictureWithCharacterSelected(TFMain& AWindow, const QString& ACharacter, const QString& AFileName);
