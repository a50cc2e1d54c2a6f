#include "SteamLibraryFolders.h"

#include "Errors.h"
#include "TextFile.h"


#include <optional>

namespace {

enum class TTokenKind { Text, Open, Close, End };

struct TToken {
  TTokenKind Kind = TTokenKind::End;
  QByteArray Text;
};

// Splits KeyValues text into texts and braces. Conditions such as "[$WIN32]"
// after a value come out as texts of their own and are dropped by the reader.
class TKeyValuesTokenizer {
public:
  explicit TKeyValuesTokenizer(QByteArray text) : FText(std::move(text)) {}

  TToken Next() {
    SkipBlanksAndComments();
    if (FPos >= FText.size()) return {};
    const char c = FText[FPos];
    if (c == '{' || c == '}') {
      ++FPos;
      return {c == '{' ? TTokenKind::Open : TTokenKind::Close, {}};
    }
    return {TTokenKind::Text, c == '"' ? Quoted() : Bare()};
  }

private:
  static bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

  void SkipBlanksAndComments() {
    while (FPos < FText.size()) {
      if (IsBlank(FText[FPos])) {
        ++FPos;
      } else if (FText[FPos] == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
        while (FPos < FText.size() && FText[FPos] != '\n') ++FPos;
      } else {
        return;
      }
    }
  }

  // A quoted text; an unclosed one ends with the file.
  QByteArray Quoted() {
    QByteArray text;
    ++FPos;
    while (FPos < FText.size() && FText[FPos] != '"') {
      char c = FText[FPos++];
      if (c == '\\' && FPos < FText.size() && (FText[FPos] == '\\' || FText[FPos] == '"')) c = FText[FPos++];
      text += c;
    }
    ++FPos;  // the closing quote
    return text;
  }

  QByteArray Bare() {
    const qsizetype start = FPos;
    while (FPos < FText.size() && !IsBlank(FText[FPos]) && FText[FPos] != '{' && FText[FPos] != '}' &&
           FText[FPos] != '"') {
      ++FPos;
    }
    return FText.mid(start, FPos - start);
  }

  const QByteArray FText;
  qsizetype FPos = 0;
};

bool IsNumber(const QByteArray& key) {
  if (key.isEmpty()) return false;
  for (const char c : key) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool IsCondition(const QByteArray& text) { return text.startsWith('[') && text.endsWith(']'); }

// A key/value pair names a library folder when it is "<number>" "<path>" right
// inside the top block (older layout) or "path" "<path>" inside a numbered
// block right inside the top block.
bool NamesLibrary(const QList<QByteArray>& blocks, const QByteArray& key) {
  if (blocks.size() == 1) return IsNumber(key);
  return blocks.size() == 2 && IsNumber(blocks[1]) && key.compare("path", Qt::CaseInsensitive) == 0;
}

}  // namespace

QStringList ParseSteamLibraryFolders(const QByteArray& text) {
  QStringList folders;
  TKeyValuesTokenizer tokens(text.left(MaxLibraryFoldersFileBytes));
  QList<QByteArray> blocks;  // the keys of the open blocks, outermost first
  std::optional<QByteArray> key;
  for (TToken token = tokens.Next(); token.Kind != TTokenKind::End; token = tokens.Next()) {
    if (token.Kind == TTokenKind::Open) {
      if (blocks.size() >= MaxLibraryFolderNesting) break;
      blocks.append(key.value_or(QByteArray()));
      key.reset();
    } else if (token.Kind == TTokenKind::Close) {
      if (!blocks.isEmpty()) blocks.removeLast();
      key.reset();
    } else if (IsCondition(token.Text)) {
      continue;
    } else if (!key) {
      key = token.Text;
    } else {
      if (NamesLibrary(blocks, *key) && !token.Text.isEmpty()) {
        const QString folder = QString::fromUtf8(token.Text);
        if (!folders.contains(folder)) folders.append(folder);
        if (folders.size() >= MaxLibraryFolders) break;
      }
      key.reset();
    }
  }
  return folders;
}

QStringList ReadSteamLibraryFolders(const QString& fileName) {
  // Steam's own files are a few kilobytes; anything near the limit is not
  // one. Only a regular file is read: a pipe in its place would wait forever.
  try {
    return ParseSteamLibraryFolders(ReadFileBytes(fileName, MaxLibraryFoldersFileBytes));
  } catch (const EError&) {
    return {};
  }
}
