#include "QZ_SystemSpeller.h"

#include <enchant.h>

std::unique_ptr<TSystemSpeller> TSystemSpeller::Start(const QString& ALanguageTag) {
  EnchantBroker* broker = enchant_broker_init();
  if (!broker) return nullptr;
  EnchantDict* dict = enchant_broker_request_dict(broker, ALanguageTag.toUtf8().constData());
  if (!dict) {
    enchant_broker_free(broker);
    return nullptr;
  }
  return std::unique_ptr<TSystemSpeller>(new TSystemSpeller(broker, dict));
}

TSystemSpeller::TSystemSpeller(str_enchant_broker* ABroker, str_enchant_dict* ADict)
    : FBroker(ABroker), FDict(ADict) {}

TSystemSpeller::~TSystemSpeller() {
  enchant_broker_free_dict(FBroker, FDict);
  enchant_broker_free(FBroker);
}

bool TSystemSpeller::Check(const QString& AWord) const {
  if (AWord.isEmpty()) return true;
  const QByteArray utf8 = AWord.toUtf8();
  // 0: correct, positive: misspelt, negative: the service could not judge.
  return enchant_dict_check(FDict, utf8.constData(), utf8.size()) <= 0;
}

QStringList TSystemSpeller::Suggestions(const QString& AWord) const {
  QStringList list;
  if (AWord.isEmpty()) return list;
  const QByteArray utf8 = AWord.toUtf8();
  size_t count = 0;
  char** suggestions = enchant_dict_suggest(FDict, utf8.constData(), utf8.size(), &count);
  if (!suggestions) return list;
  for (size_t i = 0; i < count; ++i) list.append(QString::fromUtf8(suggestions[i]));
  enchant_dict_free_string_list(FDict, suggestions);
  return list;
}
