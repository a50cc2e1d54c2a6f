#include "CliCommands.h"

#include "Errors.h"
#include "FatalError.h"
#include "ItemNameExtractor.h"
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
    "usage: quillmark-cli inspect [--item-names FILE] [--game DIR] FILE...\n"
    "       quillmark-cli list SAVE_DIR [--format table|csv|json] [--item-names FILE] [--game DIR]\n"
    "       quillmark-cli names --game DIR\n";

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
const QString GameOption = QStringLiteral("--game");

// Where item names come from besides the built-in table.
struct TItemNameSources {
  QString File;        // --item-names
  QString GameFolder;  // --game

  bool Given() const { return !File.isEmpty() || !GameFolder.isEmpty(); }
};

// Takes AArgs[i] when it is --item-names or --game; a missing value is a
// usage error.
enum class TOptionTaken { No, Yes, MissingValue };
TOptionTaken TakeItemNameOption(const QStringList& AArgs, qsizetype& i, TItemNameSources& ASources) {
  for (const auto& [option, target] : {std::pair{&ItemNamesOption, &ASources.File},
                                       std::pair{&GameOption, &ASources.GameFolder}}) {
    if (const std::optional<QString> value = OptionValue(AArgs, i, *option)) {
      if (value->isEmpty()) return TOptionTaken::MissingValue;
      *target = *value;
      return TOptionTaken::Yes;
    }
  }
  return TOptionTaken::No;
}

// The names of the game installation; nothing, after its problems, unless
// all of its files could be read: a partial set could name items after a
// layer the game overrides.
std::optional<QStringList> GameItemNameLines(const QString& AGameFolder, QTextStream& err) {
  TItemNameExtraction names = ExtractItemNames(AGameFolder);
  if (names.Failed()) {
    for (const QString& problem : names.Problems) err << "quillmark-cli: " << problem << '\n';
    return std::nullopt;
  }
  return std::move(names.Lines);
}

// The item name table with the game's lines and the file's lines merged in;
// the file's lines win over the game's for the same record path. Nothing,
// after a message, when either cannot be read.
std::optional<TItemNames> LoadItemNames(const TItemNameSources& ASources, QTextStream& err) {
  QStringList extra;
  if (!ASources.File.isEmpty()) {
    try {
      extra = ReadTextFileLines(ASources.File);
    } catch (const EError& error) {
      err << "quillmark-cli: " << ASources.File << ": " << error.Message() << '\n';
      return std::nullopt;
    }
  }
  if (!ASources.GameFolder.isEmpty()) {
    const std::optional<QStringList> game = GameItemNameLines(ASources.GameFolder, err);
    if (!game) return std::nullopt;
    extra = MergeItemNameLines(extra, *game);
  }
  return TItemNames(extra);
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
  TItemNameSources sources;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const TOptionTaken taken = TakeItemNameOption(args, i, sources);
    if (taken == TOptionTaken::MissingValue) {
      err << Usage;
      return 2;
    }
    if (taken == TOptionTaken::No) files.append(args[i]);
  }
  if (files.isEmpty()) {
    err << Usage;
    return 2;
  }
  std::optional<TItemLookup> lookup;
  if (sources.Given()) {
    const std::optional<TItemNames> items = LoadItemNames(sources, err);
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

void WriteTable(const std::vector<TCharacterRow>& rows, QTextStream& out) {
  std::vector<QStringList> lines{ColumnTitles};
  for (const TCharacterRow& row : rows) lines.push_back(CharacterRowFields(row));
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
  for (const TCharacterRow& row : rows) writeLine(CharacterRowFields(row));
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
  TItemNameSources sources;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (const std::optional<QString> value = OptionValue(args, i, FormatOption)) {
      format = *value;
    } else if (const TOptionTaken taken = TakeItemNameOption(args, i, sources); taken != TOptionTaken::No) {
      if (taken == TOptionTaken::MissingValue) {
        err << Usage;
        return 2;
      }
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
  const std::optional<TItemNames> items = LoadItemNames(sources, err);
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

// The game installation's item names, one "record path=display name" line each.
int Names(const QStringList& args, QTextStream& out, QTextStream& err) {
  QString gameFolder;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const std::optional<QString> value = OptionValue(args, i, GameOption);
    if (!value || value->isEmpty()) {
      err << Usage;
      return 2;
    }
    gameFolder = *value;
  }
  if (gameFolder.isEmpty()) {
    err << Usage;
    return 2;
  }
  const std::optional<QStringList> lines = GameItemNameLines(gameFolder, err);
  if (!lines) return 1;
  for (const QString& line : *lines) out << line << '\n';
  return 0;
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
  } else if (command == QLatin1String("names")) {
    status = Names(rest, AOut, AErr);
  } else {
    AErr << Usage;
  }
  AOut.flush();
  AErr.flush();
  return status;
}
