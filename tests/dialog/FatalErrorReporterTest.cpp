#include "DialogProbe.h"
#include "QZ_FatalErrorReporter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QThread>
#include <gtest/gtest.h>
#include <mutex>

namespace {

// What happened, in order, on which thread.
class TJournal {
public:
  void Note(const QString& what) {
    std::lock_guard<std::mutex> guard(FLock);
    FEntries << what;
    FThreads.push_back(QThread::currentThread());
  }
  QStringList Entries() const {
    std::lock_guard<std::mutex> guard(FLock);
    return FEntries;
  }
  QThread* ThreadOf(int index) const {
    std::lock_guard<std::mutex> guard(FLock);
    return FThreads.at(static_cast<std::size_t>(index));
  }

private:
  mutable std::mutex FLock;
  QStringList FEntries;
  std::vector<QThread*> FThreads;
};

// Installs the window program's handler with a recorded exit for one test.
class FatalErrorReporter : public ::testing::Test {
protected:
  void SetUp() override {
    FPrevious = InstallWindowFatalErrorHandler([this](int code) { Journal.Note(QStringLiteral("exit %1").arg(code)); });
  }
  void TearDown() override { SetFatalErrorHandler(std::move(FPrevious)); }

  TJournal Journal;

private:
  FatalErrorHandler FPrevious;
};

// A message box probe that also notes the box in the journal.
struct TJournalledBoxes {
  explicit TJournalledBoxes(TJournal& journal)
      : Handler([&journal, this](QDialog& dialog) {
          Shown.push_back(Describe(dynamic_cast<QMessageBox&>(dialog)));
          journal.Note(QStringLiteral("box: ") + Shown.back().Text);
          return 0;
        }) {}
  std::vector<TShownBox> Shown;
  ScopedDialogHandler Handler;
};

TEST_F(FatalErrorReporter, ReportOnTheApplicationThreadShowsTheErrorThenEndsOnce) {
  TJournalledBoxes boxes(Journal);
  const int beepsBefore = DialogSeam::BeepCount();
  ReportFatalError(QStringLiteral("Unable to process INI file"));
  Journal.Note(QStringLiteral("caller resumes"));
  ReportFatalError(QStringLiteral("a later report"));
  Journal.Note(QStringLiteral("later caller resumes"));

  EXPECT_EQ(Journal.Entries(), (QStringList{QStringLiteral("box: Unable to process INI file"), QStringLiteral("exit 1"),
                                            QStringLiteral("caller resumes"), QStringLiteral("later caller resumes")}));
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Shown[0].Title, QStringLiteral("Error"));
  EXPECT_EQ(boxes.Shown[0].Owner, nullptr);
  EXPECT_EQ(DialogSeam::BeepCount() - beepsBefore, 1);
}

TEST_F(FatalErrorReporter, ReportFromAWorkerIsShownAndEndedOnTheApplicationThread) {
  TJournalledBoxes boxes(Journal);
  RunOnWorkerThread([this] {
    ReportFatalError(QStringLiteral("Unable to process CHAR file"));
    Journal.Note(QStringLiteral("worker resumes"));
  });
  RunOnWorkerThread([this] {
    ReportFatalError(QStringLiteral("second worker"));
    Journal.Note(QStringLiteral("second worker resumes"));
  });

  ASSERT_EQ(Journal.Entries(),
            (QStringList{QStringLiteral("box: Unable to process CHAR file"), QStringLiteral("exit 1"),
                         QStringLiteral("worker resumes"), QStringLiteral("second worker resumes")}));
  EXPECT_EQ(Journal.ThreadOf(0), qApp->thread());
  EXPECT_EQ(Journal.ThreadOf(1), qApp->thread());
  EXPECT_NE(Journal.ThreadOf(2), qApp->thread());
}

// A main window whose close handler must not run when the program ends.
class TCountingWindow : public QWidget {
public:
  int Closes = 0;

protected:
  void closeEvent(QCloseEvent* event) override {
    ++Closes;
    QWidget::closeEvent(event);
  }
};

TEST(FatalErrorReporterExit, AReportBeforeTheEventLoopRunsEndsItAtOnceWithoutClosingWindows) {
  const FatalErrorHandler previous = InstallWindowFatalErrorHandler();
  TCountingWindow window;
  window.show();
  {
    ScopedDialogHandler answer([](QDialog&) { return 0; });
    ReportFatalError(QStringLiteral("Unable to process INI file"));
  }
  EXPECT_EQ(QApplication::exec(), 1);
  EXPECT_EQ(window.Closes, 0);
  SetFatalErrorHandler(previous);
}

}  // namespace
