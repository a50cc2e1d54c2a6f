#pragma once

// A JSON object written on one line with its keys in the order they are
// added (QJsonObject would sort them).

#include <QString>
#include <cstdint>

class TJsonLine {
public:
  TJsonLine& Add(const char* AKey, const QString& AValue);
  TJsonLine& Add(const char* AKey, std::uint32_t AValue);
  // Adds an object built separately, as it is.
  TJsonLine& AddObject(const char* AKey, const TJsonLine& AObject);
  // Adds the other object's keys and values after this one's.
  TJsonLine& Merge(const TJsonLine& AOther);
  QString Text() const { return QStringLiteral("{") + FBody + QStringLiteral("}"); }

private:
  void AddKey(const char* key);
  QString FBody;
};

// The text as a JSON string literal, quotes included.
QString JsonQuote(const QString& AText);
