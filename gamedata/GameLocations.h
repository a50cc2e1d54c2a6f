#pragma once

#include <QString>
#include <QStringList>

// Where the game and its saves are likely to be on the player's computer:
// the Steam installations, their libraries, a Proton prefix of the game.
// Works on the folders it is given only, so tests build fake home folders.

enum class TGamePlatform { Linux, Windows };

// The folders the search starts from.
struct TGameSearchPlaces {
  TGamePlatform Platform = TGamePlatform::Linux;
  QString Home;             // the user's home folder
  QStringList SteamRoots;   // Steam installations, in the order they are tried
};

// The usual places for a platform and home folder: on Linux the Steam of the
// home folder ("~/.local/share/Steam", "~/.steam/steam") and the Flatpak
// Steam ("~/.var/app/com.valvesoftware.Steam/.local/share/Steam"); on
// Windows "C:/Program Files (x86)/Steam".
TGameSearchPlaces UsualGameSearchPlaces(TGamePlatform platform, const QString& home);
// The usual places of this computer and user.
TGameSearchPlaces SystemGameSearchPlaces();

// The game's Steam app id, the folder it installs into and its save folder
// below a Windows (or Proton) user folder.
inline constexpr char GameSteamAppId[] = "219990";
inline constexpr char GameSteamFolderName[] = "Grim Dawn";

// "<library>/steamapps/common/Grim Dawn" for a path inside the game's Proton
// prefix "<library>/steamapps/compatdata/219990/pfx"; empty for any other
// path. Text only: nothing is looked up.
QString GameFolderOfProtonPath(const QString& path);

// Whether the folder holds the base game's database.
bool IsGameFolder(const QString& folder);

class TGameLocations {
public:
  explicit TGameLocations(TGameSearchPlaces places);

  // The Steam roots that exist, each once (a link counts as its target).
  QStringList SteamRoots() const;
  // Every Steam library that exists, each once: each root followed by the
  // folders its "steamapps/libraryfolders.vdf" lists.
  QStringList SteamLibraries() const;

  // The game folder: the one beside a save folder inside the game's Proton
  // prefix, else the first library's "steamapps/common/Grim Dawn" that holds
  // the game. Empty when there is none.
  QString FindGameFolder(const QString& saveFolder = QString()) const;

  // Where the saves may be, in order of preference. On Linux the Proton
  // prefix's "drive_c/users/steamuser/Documents/My Games/Grim Dawn/save" (and
  // the older "My Documents") in every library, then each root's Steam Cloud
  // folders "userdata/<account>/219990/remote/save"; on Windows
  // "Documents/My Games/Grim Dawn/save" in the home folder, then the Steam
  // Cloud folders. Only existing folders are listed.
  QStringList SaveFolders() const;
  // The first of SaveFolders(); empty when there is none.
  QString SuggestedSaveFolder() const;

private:
  QString FromListed(const QString& path) const;
  QStringList CloudSaveFolders() const;

  TGameSearchPlaces FPlaces;
};
