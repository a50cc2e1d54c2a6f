#include "UCollections.h"
#include "UEditCollector.h"
#include "ULinks.h"

#include "WindowTestSupport.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct WindowCase {
  const char* Name;
  std::function<std::unique_ptr<QDialog>(QObject* owner, QWidget* parent, const QString& folder)> Create;
  QString Caption;
  QSize ClientSize;
};

std::unique_ptr<QDialog> MakeCollections(QObject* owner, QWidget* parent, const QString& folder) {
  auto window = std::make_unique<TFCollections>(owner, parent);
  window->SetCollectionsFile(folder + QStringLiteral("/Collections.ini"));
  return window;
}

std::unique_ptr<QDialog> MakeEditCollector(QObject* owner, QWidget* parent, const QString& folder) {
  auto window = std::make_unique<TFEditCollector>(owner, parent);
  window->SetCollectionsFile(folder + QStringLiteral("/Collections.ini"));
  window->SetCharacter(QStringLiteral("Rosa"));
  return window;
}

std::unique_ptr<QDialog> MakeLinks(QObject* owner, QWidget* parent, const QString& folder) {
  auto window = std::make_unique<TFLinks>(owner, parent);
  window->SetLinkFile(folder + QStringLiteral("/WebLinks.ini"));
  return window;
}

const WindowCase WindowCases[] = {
    {"Collections", MakeCollections, QStringLiteral("Specialised Collectors"), QSize(301, 562)},
    {"EditCollector", MakeEditCollector, QStringLiteral("Rosa Collections"), QSize(215, 505)},
    {"Links", MakeLinks, QStringLiteral("Webpage Links"), QSize(303, 580)},
};

class DialogedFormTest : public ::testing::TestWithParam<WindowCase> {
protected:
  QTemporaryDir FDir;
};

TEST_P(DialogedFormTest, IsAFixedCentredDialogAboveItsParent) {
  QWidget mainWindow;
  mainWindow.setGeometry(10, 10, 200, 150);
  mainWindow.show();
  const std::unique_ptr<QDialog> window = GetParam().Create(nullptr, &mainWindow, FDir.path());

  RunWindow(*window, [&] {
    EXPECT_EQ(window->windowTitle(), GetParam().Caption);
    EXPECT_EQ(window->size(), GetParam().ClientSize);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(window->windowHandle()->transientParent(), mainWindow.windowHandle());
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    EXPECT_LE((window->frameGeometry().center() - screenCentre).manhattanLength(), 2);
  });
}

TEST_P(DialogedFormTest, IsFreedWithItsOwner) {
  QWidget mainWindow;
  auto owner = std::make_unique<QObject>();
  QPointer<QDialog> window = GetParam().Create(owner.get(), &mainWindow, FDir.path()).release();
  ASSERT_FALSE(window.isNull());
  owner.reset();
  EXPECT_TRUE(window.isNull());
}

INSTANTIATE_TEST_SUITE_P(Windows, DialogedFormTest, ::testing::ValuesIn(WindowCases),
                         [](const ::testing::TestParamInfo<WindowCase>& param) { return param.param.Name; });

}  // namespace
