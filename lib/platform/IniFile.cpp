#include "IniFile.h"

#include "Convert.h"
#include "Errors.h"
#include "TextFile.h"

#include <QFileInfo>
#include <optional>

namespace {

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The section name of a header line, if the line is one.
std::optional<QString> SectionName(const QString& line) {
  const QString trimmed = line.trimmed();
  if (!trimmed.startsWith(QLatin1Char('['))) return std::nullopt;
  const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
  if (close < 0) return std::nullopt;
  return trimmed.mid(1, close - 1).trimmed();
}

bool IsComment(const QString& line) { return line.trimmed().startsWith(QLatin1Char(';')); }

// The key of a key line; empty for blank and comment lines.
QString KeyName(const QString& line) {
  if (IsComment(line)) return {};
  const qsizetype at = line.indexOf(QLatin1Char('='));
  return (at < 0 ? line : line.left(at)).trimmed();
}

QString KeyValue(const QString& line) {
  const qsizetype at = line.indexOf(QLatin1Char('='));
  return at < 0 ? QString() : line.mid(at + 1).trimmed();
}

// Lines [first, last) of the first section of that name: first is the line
// after its header. Returns false when there is no such section.
bool FindSection(const QStringList& lines, const QString& section, int& first, int& last) {
  for (int i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    first = i + 1;
    last = first;
    while (last < lines.size() && !SectionName(lines[last])) ++last;
    return true;
  }
  return false;
}

int FindKey(const QStringList& lines, int first, int last, const QString& key) {
  for (int i = first; i < last; ++i) {
    const QString name = KeyName(lines[i]);
    if (!name.isEmpty() && SameName(name, key)) return i;
  }
  return -1;
}

}  // namespace

QStringList TIniFile::LoadLines() const {
  if (!QFileInfo::exists(FFileName)) return {};
  try {
    return ReadTextFileLines(FFileName);
  } catch (const EFileError&) {
    return {};  // reading never fails: an unreadable file reads as empty
  }
}

QStringList TIniFile::LoadLinesForUpdate() const {
  // A file that exists but cannot be read must not be replaced by the few
  // lines of one write: the error goes to the caller instead.
  if (!QFileInfo::exists(FFileName)) return {};
  return ReadTextFileLines(FFileName);
}

void TIniFile::SaveLines(const QStringList& lines) { WriteTextFileLines(FFileName, lines); }

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
  const QStringList lines = LoadLines();
  int first = 0;
  int last = 0;
  if (!FindSection(lines, section, first, last)) return defaultValue;
  const int at = FindKey(lines, first, last, key);
  return at < 0 ? defaultValue : KeyValue(lines[at]);
}

std::int32_t TIniFile::ReadInteger(const QString& section, const QString& key, std::int32_t defaultValue) const {
  return StrToIntDef(ReadString(section, key, QString()), defaultValue);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  QStringList lines = LoadLinesForUpdate();
  const QString entry = key + QLatin1Char('=') + value;
  int first = 0;
  int last = 0;
  if (!FindSection(lines, section, first, last)) {
    lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
    lines.append(entry);
  } else if (const int at = FindKey(lines, first, last, key); at >= 0) {
    lines[at] = entry;
  } else {
    // After the section's last non-blank line, so trailing blank lines stay
    // between it and the next section.
    int insertAt = last;
    while (insertAt > first && lines[insertAt - 1].trimmed().isEmpty()) --insertAt;
    lines.insert(insertAt, entry);
  }
  SaveLines(lines);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, std::int32_t value) {
  WriteString(section, key, QString::number(value));
}

QStringList TIniFile::ReadSections() const {
  QStringList sections;
  for (const QString& line : LoadLines()) {
    const auto name = SectionName(line);
    if (!name) continue;
    bool seen = false;
    for (const QString& s : sections) seen = seen || SameName(s, *name);
    if (!seen) sections.append(*name);
  }
  return sections;
}

QStringList TIniFile::ReadSection(const QString& section) const {
  const QStringList lines = LoadLines();
  QStringList keys;
  int first = 0;
  int last = 0;
  if (!FindSection(lines, section, first, last)) return keys;
  for (int i = first; i < last; ++i) {
    const QString name = KeyName(lines[i]);
    if (!name.isEmpty()) keys.append(name);
  }
  return keys;
}

bool TIniFile::SectionExists(const QString& section) const {
  int first = 0;
  int last = 0;
  return FindSection(LoadLines(), section, first, last);
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
  const QStringList lines = LoadLines();
  int first = 0;
  int last = 0;
  return FindSection(lines, section, first, last) && FindKey(lines, first, last, key) >= 0;
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
  QStringList lines = LoadLinesForUpdate();
  int first = 0;
  int last = 0;
  if (!FindSection(lines, section, first, last)) return;
  const int at = FindKey(lines, first, last, key);
  if (at < 0) return;
  lines.removeAt(at);
  SaveLines(lines);
}

void TIniFile::EraseSection(const QString& section) {
  QStringList lines = LoadLinesForUpdate();
  int first = 0;
  int last = 0;
  if (!FindSection(lines, section, first, last)) return;
  lines.erase(lines.begin() + (first - 1), lines.begin() + last);
  SaveLines(lines);
}
