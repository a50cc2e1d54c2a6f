#pragma once

#include <QString>
#include <QStringList>
#include <memory>

struct str_enchant_broker;
struct str_enchant_dict;

// The system's spelling service reached through Enchant 2: one dictionary
// of one language, open for the lifetime of the object.
class TSystemSpeller {
public:
  // Opens the dictionary for a language tag such as "en_US"; null when
  // Enchant has none for it on this machine.
  static std::unique_ptr<TSystemSpeller> Start(const QString& ALanguageTag);
  ~TSystemSpeller();
  TSystemSpeller(const TSystemSpeller&) = delete;
  TSystemSpeller& operator=(const TSystemSpeller&) = delete;

  // The empty word, and a word the service cannot judge, count as correct.
  bool Check(const QString& AWord) const;
  // The service's suggestions in its own order.
  QStringList Suggestions(const QString& AWord) const;

private:
  TSystemSpeller(str_enchant_broker* ABroker, str_enchant_dict* ADict);

  str_enchant_broker* FBroker;
  str_enchant_dict* FDict;
};
