// Finding the game folder and suggesting a save folder on fake home folders:
// a native Steam, its link under ~/.steam, a Flatpak Steam, several libraries
// listed in libraryfolders.vdf, the game's Proton prefix, Windows layouts.
#include "GameLocations.h"

#include "QStringPrinting.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>

namespace {

const QString NativeSteam = QStringLiteral(".local/share/Steam");
const QString SteamLink = QStringLiteral(".steam/steam");
const QString FlatpakSteam = QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam");
const QString WindowsSteam = QStringLiteral("Program Files (x86)/Steam");
const QString SecondLibrary = QStringLiteral("mnt/games/SteamLibrary");
const QString GameInLibrary = QStringLiteral("steamapps/common/Grim Dawn");
const QString PrefixUser = QStringLiteral("steamapps/compatdata/219990/pfx/drive_c/users/steamuser/");
const QString ProtonSave = PrefixUser + QStringLiteral("Documents/My Games/Grim Dawn/save");
const QString OlderProtonSave = PrefixUser + QStringLiteral("My Documents/My Games/Grim Dawn/save");
const QString CloudSave = QStringLiteral("userdata/40212345/219990/remote/save");

// A home folder built by a test; paths are relative to it.
class TFakeHome {
public:
  TFakeHome() { EXPECT_TRUE(FFolder.isValid()); }

  QString Path(const QString& relative = QString()) const {
    return relative.isEmpty() ? FFolder.path() : FFolder.filePath(relative);
  }
  // The path as the search reports it (links resolved).
  QString Canonical(const QString& relative) const { return QFileInfo(Path(relative)).canonicalFilePath(); }

  void Folder(const QString& relative) const { ASSERT_TRUE(QDir().mkpath(Path(relative))); }
  // A game folder: the base game's database is what makes one.
  void Game(const QString& relative) const {
    Folder(relative + QStringLiteral("/database"));
    WriteFileBytesAtomic(Path(relative + QStringLiteral("/database/database.arz")), "ARZ");
  }
  void Link(const QString& relative, const QString& targetRelative) const {
    Folder(QFileInfo(relative).path());
    ASSERT_TRUE(QFile::link(Path(targetRelative), Path(relative)));
  }
  // The Steam root's libraryfolders.vdf listing the given absolute paths.
  void LibraryList(const QString& rootRelative, const QStringList& libraries) const {
    QByteArray text = "\"libraryfolders\"\n{\n";
    for (qsizetype i = 0; i < libraries.size(); ++i) {
      QByteArray path = libraries[i].toUtf8();
      path.replace("\\", "\\\\");
      text += "\t\"" + QByteArray::number(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" + path + "\"\n\t}\n";
    }
    Folder(rootRelative + QStringLiteral("/steamapps"));
    WriteFileBytesAtomic(Path(rootRelative + QStringLiteral("/steamapps/libraryfolders.vdf")), text + "}\n");
  }

  TGameLocations Linux() const { return TGameLocations(UsualGameSearchPlaces(TGamePlatform::Linux, Path())); }
  // Windows with its Steam inside the fake home.
  TGameLocations Windows() const {
    TGameSearchPlaces places = UsualGameSearchPlaces(TGamePlatform::Windows, Path());
    places.SteamRoots = {Path(WindowsSteam)};
    return TGameLocations(places);
  }

private:
  QTemporaryDir FFolder;
};

QString In(const QString& folder, const QString& relative) { return folder + QLatin1Char('/') + relative; }

struct TLayoutCase {
  const char* Name;
  std::function<void(const TFakeHome&)> Build;
  // The answer relative to the home folder; empty for none.
  QString Expected;
  bool Windows = false;
};

void PrintTo(const TLayoutCase& c, std::ostream* out) { *out << c.Name; }

std::string CaseName(const ::testing::TestParamInfo<TLayoutCase>& test) { return test.param.Name; }

// ---------------------------------------------------------------- the game folder

class FindGameFolder : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(FindGameFolder, InTheSteamLibraries) {
  const TFakeHome home;
  GetParam().Build(home);
  const TGameLocations locations = GetParam().Windows ? home.Windows() : home.Linux();
  const QString expected = GetParam().Expected.isEmpty() ? QString() : home.Canonical(GetParam().Expected);
  EXPECT_EQ(locations.FindGameFolder(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FindGameFolder,
    ::testing::Values(
        TLayoutCase{"NoSteam", [](const TFakeHome& h) { h.Folder("Documents"); }, {}},
        TLayoutCase{"NativeSteam", [](const TFakeHome& h) { h.Game(In(NativeSteam, GameInLibrary)); },
                    In(NativeSteam, GameInLibrary)},
        TLayoutCase{"SteamOnlyThroughItsLink",
                    [](const TFakeHome& h) {
                      h.Game(In("steam-install", GameInLibrary));
                      h.Link(SteamLink, "steam-install");
                    },
                    In("steam-install", GameInLibrary)},
        TLayoutCase{"FlatpakSteam", [](const TFakeHome& h) { h.Game(In(FlatpakSteam, GameInLibrary)); },
                    In(FlatpakSteam, GameInLibrary)},
        TLayoutCase{"SecondLibraryOfTwoListed",
                    [](const TFakeHome& h) {
                      h.Folder(In(NativeSteam, "steamapps/common/Other Game"));
                      h.Game(In(SecondLibrary, GameInLibrary));
                      h.LibraryList(NativeSteam, {h.Path(NativeSteam), h.Path(SecondLibrary)});
                    },
                    In(SecondLibrary, GameInLibrary)},
        TLayoutCase{"LibraryOfTheFlatpakSteam",
                    [](const TFakeHome& h) {
                      h.Folder(NativeSteam);
                      h.Game(In(SecondLibrary, GameInLibrary));
                      h.LibraryList(FlatpakSteam, {h.Path(FlatpakSteam), h.Path(SecondLibrary)});
                    },
                    In(SecondLibrary, GameInLibrary)},
        TLayoutCase{"FolderLeftByAnUninstallIsPassedOver",
                    [](const TFakeHome& h) {
                      h.Folder(In(NativeSteam, GameInLibrary + "/settings"));
                      h.Game(In(SecondLibrary, GameInLibrary));
                      h.LibraryList(NativeSteam, {h.Path(SecondLibrary)});
                    },
                    In(SecondLibrary, GameInLibrary)},
        TLayoutCase{"ListedLibraryThatIsGone",
                    [](const TFakeHome& h) {
                      h.Folder(NativeSteam);
                      h.LibraryList(NativeSteam, {h.Path("unplugged/SteamLibrary")});
                    },
                    {}},
        TLayoutCase{"WindowsLibraryListedWithBackslashes",
                    [](const TFakeHome& h) {
                      h.Folder(WindowsSteam);
                      h.Game(In(SecondLibrary, GameInLibrary));
                      h.LibraryList(WindowsSteam, {QString(h.Path(SecondLibrary)).replace('/', '\\')});
                    },
                    In(SecondLibrary, GameInLibrary), true},
        TLayoutCase{"WindowsSteamItself", [](const TFakeHome& h) { h.Game(In(WindowsSteam, GameInLibrary)); },
                    In(WindowsSteam, GameInLibrary), true}),
    CaseName);

TEST(GameLocations, AGameBesideTheSaveFolderInItsProtonPrefixComesFirst) {
  const TFakeHome home;
  home.Game(In(NativeSteam, GameInLibrary));
  home.Game(In(SecondLibrary, GameInLibrary));  // in a library Steam does not list
  home.Folder(In(SecondLibrary, ProtonSave));
  const TGameLocations locations = home.Linux();

  EXPECT_EQ(locations.FindGameFolder(home.Path(In(SecondLibrary, ProtonSave)) + "/"),
            home.Path(In(SecondLibrary, GameInLibrary)));
  EXPECT_EQ(locations.FindGameFolder(home.Path("elsewhere/save")), home.Canonical(In(NativeSteam, GameInLibrary)));
  EXPECT_EQ(locations.FindGameFolder(QStringLiteral("c:/")), home.Canonical(In(NativeSteam, GameInLibrary)));
}

TEST(GameLocations, GameFolderOfAProtonPath) {
  struct {
    const char* Path;
    const char* Expected;
  } const cases[] = {
      {"/lib/steamapps/compatdata/219990/pfx/drive_c/users/steamuser/Documents/My Games/Grim Dawn/save/",
       "/lib/steamapps/common/Grim Dawn"},
      {"/lib/steamapps/compatdata/219990/pfx", "/lib/steamapps/common/Grim Dawn"},
      {"/lib/SteamApps/compatdata/219990/pfx/drive_c", "/lib/SteamApps/common/Grim Dawn"},
      {"/a/steamapps/compatdata/219990/pfxold/x/steamapps/compatdata/219990/pfx/y", "/a/steamapps/compatdata/219990/pfxold/x/steamapps/common/Grim Dawn"},
      {"/lib/steamapps/compatdata/2199900/pfx/drive_c", ""},
      {"/lib/steamapps/compatdata/440/pfx/drive_c", ""},
      {"/home/me/save", ""},
      {"c:/", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GameFolderOfProtonPath(c.Path), c.Expected) << c.Path;
}

TEST(GameLocations, SteamRootsAndLibrariesEachOnce) {
  const TFakeHome home;
  home.Folder(NativeSteam);
  home.Link(SteamLink, NativeSteam);
  home.Folder(SecondLibrary);
  home.LibraryList(NativeSteam, {home.Path(NativeSteam), home.Path(SecondLibrary), home.Path(SteamLink)});
  const TGameLocations locations = home.Linux();

  EXPECT_EQ(locations.SteamRoots(), QStringList{home.Canonical(NativeSteam)});
  EXPECT_EQ(locations.SteamLibraries(), QStringList({home.Canonical(NativeSteam), home.Canonical(SecondLibrary)}));
}

TEST(GameLocations, UsualSteamRoots) {
  EXPECT_EQ(UsualGameSearchPlaces(TGamePlatform::Linux, "/home/me/").SteamRoots,
            QStringList({"/home/me/.local/share/Steam", "/home/me/.steam/steam",
                         "/home/me/.var/app/com.valvesoftware.Steam/.local/share/Steam"}));
  EXPECT_EQ(UsualGameSearchPlaces(TGamePlatform::Windows, "C:/Users/me").SteamRoots,
            QStringList{"C:/Program Files (x86)/Steam"});
}

// ---------------------------------------------------------------- the save folder

class SuggestedSaveFolder : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(SuggestedSaveFolder, IsTheFirstThatExists) {
  const TFakeHome home;
  GetParam().Build(home);
  const TGameLocations locations = GetParam().Windows ? home.Windows() : home.Linux();
  const QString expected = GetParam().Expected.isEmpty() ? QString() : home.Canonical(GetParam().Expected);
  EXPECT_EQ(locations.SuggestedSaveFolder(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SuggestedSaveFolder,
    ::testing::Values(
        TLayoutCase{"Nothing", [](const TFakeHome& h) { h.Folder(In(NativeSteam, "userdata/1/440/remote")); }, {}},
        TLayoutCase{"ProtonPrefixInTheSecondLibrary",
                    [](const TFakeHome& h) {
                      h.Folder(In(SecondLibrary, ProtonSave));
                      h.LibraryList(NativeSteam, {h.Path(NativeSteam), h.Path(SecondLibrary)});
                    },
                    In(SecondLibrary, ProtonSave)},
        TLayoutCase{"OlderMyDocumentsForm", [](const TFakeHome& h) { h.Folder(In(NativeSteam, OlderProtonSave)); },
                    In(NativeSteam, OlderProtonSave)},
        TLayoutCase{"DocumentsBeforeMyDocuments",
                    [](const TFakeHome& h) {
                      h.Folder(In(NativeSteam, OlderProtonSave));
                      h.Folder(In(NativeSteam, ProtonSave));
                    },
                    In(NativeSteam, ProtonSave)},
        TLayoutCase{"ProtonPrefixBeforeSteamCloud",
                    [](const TFakeHome& h) {
                      h.Folder(In(NativeSteam, CloudSave));
                      h.Folder(In(FlatpakSteam, ProtonSave));
                    },
                    In(FlatpakSteam, ProtonSave)},
        TLayoutCase{"SteamCloudOfTheGameOnly",
                    [](const TFakeHome& h) {
                      h.Folder(In(NativeSteam, "userdata/10000001/440/remote/save"));
                      h.Folder(In(NativeSteam, CloudSave));
                    },
                    In(NativeSteam, CloudSave)},
        TLayoutCase{"WindowsDocumentsBeforeSteamCloud",
                    [](const TFakeHome& h) {
                      h.Folder(In(WindowsSteam, CloudSave));
                      h.Folder("Documents/My Games/Grim Dawn/save");
                    },
                    "Documents/My Games/Grim Dawn/save", true},
        TLayoutCase{"WindowsSteamCloud", [](const TFakeHome& h) { h.Folder(In(WindowsSteam, CloudSave)); },
                    In(WindowsSteam, CloudSave), true},
        TLayoutCase{"WindowsIgnoresProtonPrefixes", [](const TFakeHome& h) { h.Folder(In(WindowsSteam, ProtonSave)); },
                    {}, true}),
    CaseName);

}  // namespace
