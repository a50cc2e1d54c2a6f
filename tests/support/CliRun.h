#pragma once

// quillmark-cli's commands run in the test process, with what they print.

#include "CliCommands.h"
#include "FinishedWorkers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <gtest/gtest.h>

// What one command printed and the status it ended with.
struct TCliRun {
  int status = -1;
  QString out;
  QString err;
};

// Runs the command; the character workers it started are freed before it returns.
inline TCliRun RunCli(const QStringList& AArgs) {
  TCliRun run;
  QTextStream out(&run.out);
  QTextStream err(&run.err);
  run.status = RunQuillmarkCli(AArgs, out, err);
  FreeFinishedWorkers();
  return run;
}

// The output's lines, empty ones left out.
inline QStringList Lines(const QString& AText) { return AText.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

// One line of JSON output as an object; a line that does not parse fails the test.
inline QJsonObject Json(const QString& ALine) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(ALine.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << ALine.toStdString();
  return document.object();
}
