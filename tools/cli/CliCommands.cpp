#include "CliCommands.h"

#include "Errors.h"
#include "FatalError.h"
#include "JsonLine.h"
#include "TextFile.h"
#include "UCharInfoThread.h"
#include "UCharacter.h"
#include "UCharacterGatherer.h"
#include "UCharacterRows.h"
#include "UEquipment.h"
#include "UItemLookup.h"
#include "UModels.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <exception>
#include <mutex>
#include <optional>
#include <vector>

namespace {

const char* const Usage =
    "usage: quillmark-cli inspect [--item-names FILE] FILE...\n"
    "       quillmark-cli list SAVE_DIR [--format table|csv|json] [--item-names FILE]\n";

// While a command runs, an unopenable save is reported on standard error and
// the load error then reaches the command, which carries on. Reports may come
// from several character workers at once.
class TScopedCliFatalHandler {
public:
  explicit TScopedCliFatalHandler(QTextStream& AErr)
      : FOld(SetFatalErrorHandler([this, &AErr](const QString& message) {
          std::lock_guard<std::mutex> guard(FLock);
          AErr << message << '\n';
          AErr.flush();
        })) {}
  ~TScopedCliFatalHandler() { SetFatalErrorHandler(std::move(FOld)); }
  TScopedCliFatalHandler(const TScopedCliFatalHandler&) = delete;
  TScopedCliFatalHandler& operator=(const TScopedCliFatalHandler&) = delete;

private:
  std::mutex FLock;
  FatalErrorHandler FOld;
};

// The value of the option AName at args[i], given as "NAME VALUE" (i then
// moves to the value) or "NAME=VALUE"; nothing when args[i] is another word.
// A missing value reads as empty.
std::optional<QString> OptionValue(const QStringList& args, qsizetype& i, const QString& AName) {
  const QString& arg = args[i];
  if (arg == AName) return i + 1 < args.size() ? args[++i] : QString();
  if (arg.startsWith(AName + QLatin1Char('='))) return arg.mid(AName.size() + 1);
  return std::nullopt;
}

const QString FormatOption = QStringLiteral("--format");
const QString ItemNamesOption = QStringLiteral("--item-names");

// The item name table with the lines of AFile merged in (none when AFile is
// empty); nothing, after a message, when the file cannot be read.
std::optional<TItemNames> LoadItemNames(const QString& AFile, QTextStream& err) {
  if (AFile.isEmpty()) return TItemNames();
  try {
    return TItemNames(ReadTextFileLines(AFile));
  } catch (const EError& error) {
    err << "quillmark-cli: " << AFile << ": " << error.Message() << '\n';
    return std::nullopt;
  }
}

struct TLoadResult {
  std::optional<TCharacter> Character;
  QString Error;
};

TLoadResult LoadCharacter(const QString& file) {
  TLoadResult result;
  try {
    result.Character.emplace(file);
  } catch (const EError& error) {
    result.Error = error.Message();
  } catch (const std::exception& error) {
    result.Error = QString::fromLocal8Bit(error.what());
  }
  return result;
}

TJsonLine RowJson(const TCharacterRow& row) {
  TJsonLine line;
  line.Add("name", row.Name)
      .Add("title", row.Title)
      .Add("level", row.Level)
      .Add("sex", row.Sex)
      .Add("class1", row.Class1)
      .Add("class2", row.Class2)
      .Add("iron", row.Iron)
      .Add("devotions", row.Devotions)
      .Add("difficulty", row.Difficulty)
      .Add("hardcore", row.Hardcore);
  return line;
}

// With a lookup, each slot also carries its "text" as the worker names it.
QString InspectJson(const QString& file, const TCharacter& character, const TItemLookup* lookup) {
  TJsonLine equipment;
  const TCharacterEquipment& items = character.Equipment();
  for (int slot = 0; slot < EquipmentSlotCount; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    TJsonLine item;
    item.Add("base", items.Slot(slot)).Add("prefix", items.Prefix[i]).Add("suffix", items.Suffix[i]);
    if (lookup) item.Add("text", lookup->SlotText(items, slot));
    equipment.AddObject(EquipmentSlotNames[i].data(), item);
  }
  const TFormatVersions& versions = character.Versions();
  TJsonLine line;
  line.Add("file", file)
      .Merge(RowJson(MakeCharacterRow(character)))
      .Add("headerVersion", versions.Header)
      .Add("fileVersion", versions.File)
      .Add("infoVersion", versions.Info)
      .Add("inventoryVersion", versions.Inventory)
      .AddObject("equipment", equipment);
  return line.Text();
}

int Inspect(const QStringList& args, QTextStream& out, QTextStream& err) {
  QStringList files;
  QString itemNamesFile;
  bool named = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (const std::optional<QString> value = OptionValue(args, i, ItemNamesOption)) {
      if (value->isEmpty()) {
        err << Usage;
        return 2;
      }
      itemNamesFile = *value;
      named = true;
    } else {
      files.append(args[i]);
    }
  }
  if (files.isEmpty()) {
    err << Usage;
    return 2;
  }
  std::optional<TItemLookup> lookup;
  if (named) {
    const std::optional<TItemNames> items = LoadItemNames(itemNamesFile, err);
    if (!items) return 1;
    lookup.emplace(items->RecordPaths(), items->DisplayNames());
  }
  int status = 0;
  for (const QString& file : files) {
    const TLoadResult result = LoadCharacter(file);
    if (result.Character) {
      out << InspectJson(file, *result.Character, lookup ? &*lookup : nullptr) << '\n';
    } else {
      out << TJsonLine().Add("file", file).Add("error", result.Error).Text() << '\n';
      status = 1;
    }
  }
  return status;
}

const QStringList ColumnTitles = {QStringLiteral("Name"),    QStringLiteral("Title"),
                                  QStringLiteral("Level"),   QStringLiteral("Sex"),
                                  QStringLiteral("Class 1"), QStringLiteral("Class 2"),
                                  QStringLiteral("Iron"),    QStringLiteral("Devotions"),
                                  QStringLiteral("Difficulty"), QStringLiteral("Hardcore")};
// Columns holding numbers are aligned to the right.
constexpr std::array<bool, 10> NumericColumn = {false, false, true, false, false,
                                                false, true,  true, false, false};

QStringList RowFields(const TCharacterRow& row) {
  return {row.Name,   row.Title,  QString::number(row.Level),     row.Sex,
          row.Class1, row.Class2, QString::number(row.Iron), QString::number(row.Devotions),
          row.Difficulty, row.Hardcore};
}

void WriteTable(const std::vector<TCharacterRow>& rows, QTextStream& out) {
  std::vector<QStringList> lines{ColumnTitles};
  for (const TCharacterRow& row : rows) lines.push_back(RowFields(row));
  std::vector<qsizetype> widths(ColumnTitles.size(), 0);
  for (const QStringList& fields : lines) {
    for (qsizetype c = 0; c < fields.size(); ++c) widths[c] = std::max(widths[c], fields[c].size());
  }
  for (const QStringList& fields : lines) {
    QString text;
    for (qsizetype c = 0; c < fields.size(); ++c) {
      if (c > 0) text += QLatin1String("  ");
      const int width = static_cast<int>(widths[c]);
      text += NumericColumn[static_cast<std::size_t>(c)] ? fields[c].rightJustified(width)
                                                          : fields[c].leftJustified(width);
    }
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    out << text << '\n';
  }
}

QString CsvField(const QString& field) {
  if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
      !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))) {
    return field;
  }
  QString quoted = field;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void WriteCsv(const std::vector<TCharacterRow>& rows, QTextStream& out) {
  auto writeLine = [&out](const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) quoted.append(CsvField(field));
    out << quoted.join(QLatin1Char(',')) << "\r\n";
  };
  writeLine(ColumnTitles);
  for (const TCharacterRow& row : rows) writeLine(RowFields(row));
}

// A list row read back from its row string; a number that does not read
// counts as 0.
TCharacterRow RowFromString(const QString& rowString) {
  const QStringList fields = rowString.split(CharacterRowDelimiter);
  TCharacterRow row;
  row.Name = fields.value(0);
  row.Title = fields.value(1);
  row.Level = fields.value(2).toUInt();
  row.Sex = fields.value(3);
  row.Class1 = fields.value(4);
  row.Class2 = fields.value(5);
  row.Iron = fields.value(6).toUInt();
  row.Devotions = fields.value(7).toUInt();
  row.Difficulty = fields.value(8);
  row.Hardcore = fields.value(9);
  return row;
}

// The equipment texts under the keys of the equipment grid.
TJsonLine EquipmentJson(const TEquipment& equipment) {
  TJsonLine json;
  for (const TEquipmentGridRow& gridRow : EquipmentGridRows) json.Add(gridRow.Key.data(), equipment.*gridRow.Field);
  return json;
}

int List(const QStringList& args, QTextStream& out, QTextStream& err) {
  QString saveDir;
  QString format = QStringLiteral("table");
  QString itemNamesFile;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (const std::optional<QString> value = OptionValue(args, i, FormatOption)) {
      format = *value;
    } else if (const std::optional<QString> file = OptionValue(args, i, ItemNamesOption)) {
      if (file->isEmpty()) {
        err << Usage;
        return 2;
      }
      itemNamesFile = *file;
    } else if (saveDir.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
      saveDir = args[i];
    } else {
      err << Usage;
      return 2;
    }
  }
  if (saveDir.isEmpty() || !QStringList{"table", "csv", "json"}.contains(format)) {
    err << Usage;
    return 2;
  }
  const QString mainPath = MainFolder(saveDir);
  if (!QDir(mainPath).exists()) {
    err << "quillmark-cli: no folder " << mainPath << '\n';
    return 1;
  }
  const std::optional<TItemNames> items = LoadItemNames(itemNamesFile, err);
  if (!items) return 1;
  const QTemporaryDir notes;
  if (!notes.isValid()) {
    err << "quillmark-cli: cannot create a temporary Notes folder: " << notes.errorString() << '\n';
    return 1;
  }
  const TGatherResult gathered = GatherCharacters(mainPath, notes.path(), *items);
  // The workers free themselves through deferred deletion; this program runs
  // no event loop that would get to it.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  for (const TGatherFailure& failure : gathered.Failures) err << failure.CharFile << ": " << failure.Message << '\n';
  std::vector<TCharacterRow> rows;
  for (const TGatheredCharacter& character : gathered.Characters) rows.push_back(RowFromString(character.Row));
  if (format == QLatin1String("json")) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      TJsonLine line = RowJson(rows[i]);
      line.AddObject("equipment", EquipmentJson(*gathered.Characters[i].Equipment));
      out << line.Text() << '\n';
    }
  } else if (format == QLatin1String("csv")) {
    WriteCsv(rows, out);
  } else {
    WriteTable(rows, out);
  }
  return gathered.Failures.empty() ? 0 : 1;
}

}  // namespace

int RunQuillmarkCli(const QStringList& AArguments, QTextStream& AOut, QTextStream& AErr) {
  TScopedCliFatalHandler fatalHandler(AErr);
  const QString command = AArguments.value(0);
  const QStringList rest = AArguments.mid(1);
  int status = 2;
  if (command == QLatin1String("inspect")) {
    status = Inspect(rest, AOut, AErr);
  } else if (command == QLatin1String("list")) {
    status = List(rest, AOut, AErr);
  } else {
    AErr << Usage;
  }
  AOut.flush();
  AErr.flush();
  return status;
}
