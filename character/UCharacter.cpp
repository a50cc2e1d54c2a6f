#include "UCharacter.h"

#include "Errors.h"
#include "FatalError.h"
#include "UFileReader.h"

#include <memory>

TCharacter::TCharacter(const QString& AFileName) {
  Load(AFileName, [&] { return std::make_unique<TCharacterFile>(AFileName); });
}

TCharacter::TCharacter(QByteArray AData, const QString& AFileName) {
  Load(AFileName, [&] { return std::make_unique<TCharacterFile>(std::move(AData)); });
}

template <typename OpenReader>
void TCharacter::Load(const QString& AFileName, OpenReader openReader) {
  std::unique_ptr<TCharacterFile> reader;
  try {
    reader = openReader();
  } catch (const EFileError& error) {
    ReportFatalError(UnableToProcessMessage(QStringLiteral("CHAR"), AFileName, error.Message()));
    throw;
  } catch (const EReadError& error) {
    ReportFatalError(UnableToProcessMessage(QStringLiteral("CHAR"), AFileName, error.Message()));
    throw;
  }

  if (reader->ReadInt(true) != TCharacterFile::Magic) {
    throw EError(QStringLiteral("Invalid player.gdc file"));
  }
  reader->ReadHeader(FHeader);
  if (reader->ReadInt(false) != 0) throw EError(QStringLiteral("Invalid header checksum"));
  FVersions.File = reader->ReadInt(true);
  if (FVersions.File < 6 || FVersions.File > 8) {
    throw EError(QStringLiteral("Invalid file version %1").arg(FVersions.File));
  }
  for (int i = 0; i < 16; ++i) reader->ReadByte();
  reader->ReadInformation(FInfo);
  reader->ReadStats(FStats);
  reader->ReadEquipment(FEquipment);

  const TFormatVersions& blockVersions = reader->Versions();
  FVersions.Header = blockVersions.Header;
  FVersions.Info = blockVersions.Info;
  FVersions.Inventory = blockVersions.Inventory;
}
