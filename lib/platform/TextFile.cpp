#include "TextFile.h"

#include "Errors.h"
#include "StringList.h"
#include "Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

QString DecodeUtf16(const QByteArray& bytes, qsizetype start, bool bigEndian) {
  const qsizetype units = (bytes.size() - start) / 2;
  QString text(units, Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < units; ++i) {
    const auto b0 = static_cast<unsigned char>(bytes[start + 2 * i]);
    const auto b1 = static_cast<unsigned char>(bytes[start + 2 * i + 1]);
    out[i] = QChar(bigEndian ? char16_t((b0 << 8) | b1) : char16_t((b1 << 8) | b0));
  }
  return text;
}

}  // namespace

QString DecodeText(const QByteArray& bytes) {
  if (bytes.startsWith("\xFF\xFE")) return DecodeUtf16(bytes, 2, false);
  if (bytes.startsWith("\xFE\xFF")) return DecodeUtf16(bytes, 2, true);
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
  return DecodeWindows1252(bytes);
}

QByteArray EncodeText(const QString& text) {
  if (FitsWindows1252(text)) return EncodeWindows1252(text);
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray ReadFileBytes(const QString& fileName, qint64 maxSize) {
  const QFileInfo info(fileName);
  if (info.exists() && !info.isFile()) throw EFileError(QStringLiteral("Not a regular file"));
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) throw EFileError(file.errorString());
  const auto tooLarge = [maxSize] {
    return EFileError(QStringLiteral("File too large (over %1 bytes)").arg(maxSize));
  };
  if (maxSize >= 0 && file.size() > maxSize) throw tooLarge();
  // One byte past the limit tells a file that grew meanwhile.
  QByteArray bytes = maxSize >= 0 ? file.read(maxSize + 1) : file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw EFileError(file.errorString());
  }
  if (maxSize >= 0 && bytes.size() > maxSize) throw tooLarge();
  return bytes;
}

namespace {

// Writes a temporary file beside the target and renames it over the target,
// without waiting for the disk.
void WriteScratchFileAtomic(const QString& fileName, const QByteArray& bytes) {
  QTemporaryFile file(fileName + QStringLiteral(".XXXXXX"));
  file.setAutoRemove(true);
  if (!file.open()) throw EFileError(file.errorString());
  if (file.write(bytes) != bytes.size() || !file.flush()) throw EFileError(file.errorString());
  file.close();
  std::error_code error;
  std::filesystem::rename(file.fileName().toStdU16String(), fileName.toStdU16String(), error);
  if (error) throw EFileError(QString::fromLocal8Bit(error.message()));
  file.setAutoRemove(false);  // renamed: nothing left to remove
}

}  // namespace

void WriteFileBytesAtomic(const QString& fileName, const QByteArray& bytes, TWriteDurability durability) {
  if (durability == TWriteDurability::Scratch) {
    WriteScratchFileAtomic(fileName, bytes);
    return;
  }
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) throw EFileError(file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw EFileError(reason);
  }
  if (!file.commit()) throw EFileError(file.errorString());
}

QString ReadTextFile(const QString& fileName) { return DecodeText(ReadFileBytes(fileName)); }

QStringList ReadTextFileLines(const QString& fileName) { return SplitLines(ReadTextFile(fileName)); }

void WriteTextFile(const QString& fileName, const QString& text) {
  WriteFileBytesAtomic(fileName, EncodeText(text));
}

void WriteTextFileLines(const QString& fileName, const QStringList& lines, TWriteDurability durability) {
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QLatin1String("\r\n");
  }
  WriteFileBytesAtomic(fileName, EncodeText(text), durability);
}
