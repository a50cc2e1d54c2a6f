#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// A sectioned initialisation file in the profile style:
//
//   [Section]
//   Key=Value
//
// Section and key names are compared without regard to case. A missing file,
// section or key gives the caller's default; a number that does not read
// gives the default. Every call works on the file as it stands on disk. A
// write keeps every other line of the file as it was and replaces the file
// atomically; a failed write raises EFileError and leaves the file unchanged.
// Lines beginning with ";" are comments. A write to a file that exists but
// cannot be read raises EFileError rather than replacing it.
class TIniFile {
public:
  explicit TIniFile(QString fileName) : FFileName(std::move(fileName)) {}

  const QString& FileName() const { return FFileName; }

  QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
  std::int32_t ReadInteger(const QString& section, const QString& key, std::int32_t defaultValue) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, std::int32_t value);

  // Section names in file order.
  QStringList ReadSections() const;
  // Key names of a section in file order.
  QStringList ReadSection(const QString& section) const;
  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;

  // Removes a key; a missing key or file is no error.
  void DeleteKey(const QString& section, const QString& key);
  // Removes a section with all its keys.
  void EraseSection(const QString& section);

private:
  QStringList LoadLines() const;
  QStringList LoadLinesForUpdate() const;
  void SaveLines(const QStringList& lines);

  QString FFileName;
};
