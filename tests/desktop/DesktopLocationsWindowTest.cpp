// The main window run on the desktop's folders, which do not exist before the
// first start.
#include "MainWindowFixture.h"
#include "TemporaryHome.h"
#include "UFileLocations.h"

#include <QFileInfo>

TEST(DesktopLocationsWindow, FirstStartCreatesTheSettingsAndNotesFolders) {
  const TTemporaryHome home;
  QTemporaryDir saves;
  QDir().mkpath(saves.filePath(QStringLiteral("main")));
  const QString configFolder = home.FilePath(QStringLiteral(".config/quillmark"));
  const QString dataFolder = home.FilePath(QStringLiteral(".local/share/quillmark"));
  const TFileLocations locations = DesktopFileLocations(configFolder, dataFolder);

  TFatalReports fatal;
  TDialogAnswers dialogs;
  dialogs.Folders.push_back(saves.path());
  {
    TFMain window(locations);
    home.UseAsHomeOf(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.FormShown(); }));
    EXPECT_EQ(window.IniFile(), configFolder + QStringLiteral("/quillmark.ini"));
    EXPECT_EQ(window.CollectionsFile(), dataFolder + QStringLiteral("/Notes/Collections.ini"));
    window.close();
  }
  EXPECT_EQ(fatal.Messages(), QStringList());

  const TIniFile settings(configFolder + QStringLiteral("/quillmark.ini"));
  EXPECT_EQ(settings.ReadString(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"), QString()),
            saves.path() + QLatin1Char('/'));
  EXPECT_NE(settings.ReadInteger(QStringLiteral("FORM"), QStringLiteral("Width"), -1), -1);
  EXPECT_TRUE(QFileInfo::exists(dataFolder + QStringLiteral("/Notes/Collections.ini")));
}
