// The desktop's colour-scheme preference read from a settings portal: a
// stand-in portal on a private message bus answers as the real one does.
#include "UDesktopColorScheme.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// The portal's Settings interface: Read answers a variant holding a variant,
// or the portal's error for a setting it does not have.
class TStandInPortal : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
  explicit TStandInPortal(QMap<QString, QVariant> ASettings) : FSettings(std::move(ASettings)) {}

public slots:
  QDBusVariant Read(const QString& ANamespace, const QString& AKey) {
    const auto found = FSettings.constFind(ANamespace + QLatin1Char('/') + AKey);
    if (found == FSettings.constEnd()) {
      sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("Requested setting not found"));
      return {};
    }
    return QDBusVariant(QVariant::fromValue(QDBusVariant(*found)));
  }

private:
  QMap<QString, QVariant> FSettings;
};

// A private message bus for the test's lifetime.
class TPrivateBus {
public:
  TPrivateBus() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) return;
    FDaemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (!FDaemon.waitForStarted() || !FDaemon.waitForReadyRead(5000)) return;
    Address = QString::fromUtf8(FDaemon.readLine()).trimmed();
  }
  ~TPrivateBus() {
    FDaemon.kill();
    FDaemon.waitForFinished();
  }
  TPrivateBus(const TPrivateBus&) = delete;
  TPrivateBus& operator=(const TPrivateBus&) = delete;

  QString Address;

private:
  QProcess FDaemon;
};

// The stand-in portal served from a thread of its own, as the real one is
// another process: the call under test blocks the main thread.
class TPortalServer {
public:
  TPortalServer(const QString& AAddress, QMap<QString, QVariant> ASettings, const QString& AConnectionName)
      : FConnectionName(AConnectionName) {
    FThread.start();
    FPortal = new TStandInPortal(std::move(ASettings));
    FPortal->moveToThread(&FThread);
    QDBusConnection connection = QDBusConnection::connectToBus(AAddress, FConnectionName);
    Registered = connection.isConnected() && connection.registerService(kPortalService) &&
                 connection.registerObject(kPortalPath, FPortal, QDBusConnection::ExportAllSlots);
  }
  ~TPortalServer() {
    QDBusConnection::disconnectFromBus(FConnectionName);
    QMetaObject::invokeMethod(FPortal, &QObject::deleteLater);
    FThread.quit();
    FThread.wait();
  }
  TPortalServer(const TPortalServer&) = delete;
  TPortalServer& operator=(const TPortalServer&) = delete;

  bool Registered = false;

private:
  QString FConnectionName;
  QThread FThread;
  TStandInPortal* FPortal = nullptr;
};

const QString kColorScheme = QStringLiteral("org.freedesktop.appearance/color-scheme");
const QString kGtkTheme = QStringLiteral("org.gnome.desktop.interface/gtk-theme");

}  // namespace

TEST(PortalColorScheme, ThePortalsAnswerDecides) {
  const TPrivateBus bus;
  if (bus.Address.isEmpty()) GTEST_SKIP() << "dbus-daemon not installed (scripts/setup.sh installs it)";
  struct TCase {
    const char* What;
    QMap<QString, QVariant> Settings;
    TColorScheme Expected;
  };
  const TCase cases[] = {
      {"prefers dark", {{kColorScheme, 1u}, {kGtkTheme, QStringLiteral("Adwaita")}}, TColorScheme::Dark},
      {"prefers light", {{kColorScheme, 2u}, {kGtkTheme, QStringLiteral("Adwaita-dark")}}, TColorScheme::Light},
      {"no preference, dark GTK theme", {{kColorScheme, 0u}, {kGtkTheme, QStringLiteral("Adwaita-dark")}},
       TColorScheme::Dark},
      {"no colour-scheme setting, dark GTK theme", {{kGtkTheme, QStringLiteral("Adwaita-dark")}}, TColorScheme::Dark},
      {"no preference, light GTK theme", {{kColorScheme, 0u}, {kGtkTheme, QStringLiteral("Adwaita")}},
       TColorScheme::Unknown},
      {"no settings at all", {}, TColorScheme::Unknown},
  };
  int number = 0;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    const QString suffix = QString::number(++number);
    const TPortalServer portal(bus.Address, c.Settings, QStringLiteral("portal-") + suffix);
    ASSERT_TRUE(portal.Registered);
    const QDBusConnection client = QDBusConnection::connectToBus(bus.Address, QStringLiteral("client-") + suffix);
    EXPECT_TRUE(DesktopColorScheme(client) == c.Expected);
    QDBusConnection::disconnectFromBus(QStringLiteral("client-") + suffix);
  }
}

TEST(PortalColorScheme, ABusWithoutAPortalAnswersAtOnce) {
  const TPrivateBus bus;
  if (bus.Address.isEmpty()) GTEST_SKIP() << "dbus-daemon not installed (scripts/setup.sh installs it)";
  const QDBusConnection client = QDBusConnection::connectToBus(bus.Address, QStringLiteral("lonely-client"));
  ASSERT_TRUE(client.isConnected());
  QElapsedTimer timer;
  timer.start();
  EXPECT_TRUE(DesktopColorScheme(client) == TColorScheme::Unknown);
  EXPECT_LT(timer.elapsed(), 500);
  QDBusConnection::disconnectFromBus(QStringLiteral("lonely-client"));
  EXPECT_TRUE(DesktopColorScheme(QDBusConnection(QStringLiteral("never-connected"))) == TColorScheme::Unknown);
}

#include "PortalColorSchemeTest.moc"
