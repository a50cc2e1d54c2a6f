#include "CliCommands.h"

#include "Errors.h"
#include "FatalError.h"
#include "JsonLine.h"
#include "UCharacter.h"
#include "UCharacterRows.h"

#include <QDir>

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

namespace {

const char* const Usage =
    "usage: quillmark-cli inspect FILE...\n"
    "       quillmark-cli list SAVE_DIR [--format table|csv|json]\n";

// While a command runs, an unopenable save is reported on standard error and
// the load error then reaches the command, which carries on.
class TScopedCliFatalHandler {
public:
  explicit TScopedCliFatalHandler(QTextStream& AErr)
      : FOld(SetFatalErrorHandler([&AErr](const QString& message) {
          AErr << message << '\n';
          AErr.flush();
        })) {}
  ~TScopedCliFatalHandler() { SetFatalErrorHandler(std::move(FOld)); }
  TScopedCliFatalHandler(const TScopedCliFatalHandler&) = delete;
  TScopedCliFatalHandler& operator=(const TScopedCliFatalHandler&) = delete;

private:
  FatalErrorHandler FOld;
};

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

QString InspectJson(const QString& file, const TCharacter& character) {
  TJsonLine equipment;
  const TCharacterEquipment& items = character.Equipment();
  for (int slot = 0; slot < EquipmentSlotCount; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    TJsonLine item;
    item.Add("base", items.Slot(slot)).Add("prefix", items.Prefix[i]).Add("suffix", items.Suffix[i]);
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

int Inspect(const QStringList& files, QTextStream& out, QTextStream& err) {
  if (files.isEmpty()) {
    err << Usage;
    return 2;
  }
  int status = 0;
  for (const QString& file : files) {
    const TLoadResult result = LoadCharacter(file);
    if (result.Character) {
      out << InspectJson(file, *result.Character) << '\n';
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

int List(const QStringList& args, QTextStream& out, QTextStream& err) {
  QString saveDir;
  QString format = QStringLiteral("table");
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--format") && i + 1 < args.size()) {
      format = args[++i];
    } else if (arg.startsWith(QLatin1String("--format="))) {
      format = arg.mid(9);
    } else if (saveDir.isEmpty() && !arg.startsWith(QLatin1String("--"))) {
      saveDir = arg;
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
  int status = 0;
  std::vector<TCharacterRow> rows;
  for (const QString& file : FindCharacterFiles(mainPath)) {
    const TLoadResult result = LoadCharacter(file);
    if (result.Character) {
      rows.push_back(MakeCharacterRow(*result.Character));
    } else {
      err << file << ": " << result.Error << '\n';
      status = 1;
    }
  }
  if (format == QLatin1String("json")) {
    for (const TCharacterRow& row : rows) out << RowJson(row).Text() << '\n';
  } else if (format == QLatin1String("csv")) {
    WriteCsv(rows, out);
  } else {
    WriteTable(rows, out);
  }
  return status;
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
