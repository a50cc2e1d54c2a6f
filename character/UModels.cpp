#include "UModels.h"

#include "Convert.h"
#include "Errors.h"
#include "TextCompare.h"
#include "UItemNames.h"

#include <QCollatorSortKey>
#include <QMultiHash>

#include <algorithm>
#include <numeric>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Length of the fixed part of a class tag before its class digits.
constexpr qsizetype TagPrefixLength = 17;

// The pairs of DualClassNames that carry no name.
constexpr QLatin1String Unnamed("");

template <std::size_t N>
QString Entry(const std::array<QLatin1String, N>& table, std::int64_t index) {
  if (index < 0 || index >= static_cast<std::int64_t>(N)) return QString();
  return QString(table[static_cast<std::size_t>(index)]);
}

// The record path of an item name line: the text before its first "=".
QStringView RecordPathOf(const QString& line) {
  const qsizetype at = line.indexOf(QLatin1Char('='));
  return at < 0 ? QStringView() : QStringView(line).left(at);
}

// A hash of a record path that ignores letter case, made without a folded
// copy. Texts equal but for case have the same length, so their last code
// units suffice; that is where record paths differ most.
std::size_t CaseFoldedHash(QStringView text) {
  constexpr qsizetype HashedUnits = 16;
  std::size_t hash = static_cast<std::size_t>(text.size());
  for (const QChar c : text.right(HashedUnits)) hash = hash * 31 + c.toCaseFolded().unicode();
  return hash;
}


// One sort key per line. A large table shares the work among threads; the
// keys come from CompareTextLocale's collation, which every thread may use.
std::vector<std::optional<QCollatorSortKey>> SortKeys(const QStringList& lines) {
  constexpr qsizetype LinesPerThread = 2048;
  std::vector<std::optional<QCollatorSortKey>> keys(static_cast<std::size_t>(lines.size()));
  auto makeKeys = [&lines, &keys](qsizetype begin, qsizetype end) {
    for (qsizetype i = begin; i < end; ++i) keys[static_cast<std::size_t>(i)].emplace(TextSortKey(lines[i]));
  };
  const qsizetype threads =
      std::clamp<qsizetype>(std::min<qsizetype>(std::thread::hardware_concurrency(), 4), 1,
                            std::max<qsizetype>(lines.size() / LinesPerThread, 1));
  const qsizetype share = (lines.size() + threads - 1) / threads;
  std::vector<std::thread> helpers;
  for (qsizetype t = 1; t < threads; ++t) {
    helpers.emplace_back(makeKeys, t * share, std::min(lines.size(), (t + 1) * share));
  }
  makeKeys(0, std::min(lines.size(), share));
  for (std::thread& helper : helpers) helper.join();
  return keys;
}

// The lines in the given order without the later of two equal neighbours.
// AAscending tells whether every neighbour kept followed in CompareTextLocale
// order.
QStringList DropEqualNeighbours(const QStringList& lines, const std::vector<qsizetype>& order, bool& AAscending) {
  AAscending = true;
  QStringList result;
  result.reserve(lines.size());
  for (const qsizetype index : order) {
    const QString& line = lines[index];
    const int comparison = result.isEmpty() ? -1 : CompareTextLocale(result.last(), line);
    if (comparison == 0) continue;
    if (comparison > 0) AAscending = false;
    result.append(line);
  }
  return result;
}

// The lines in ascending CompareTextLocale order, the first of equal lines
// kept. Sorting by one sort key per line makes each comparison a byte
// comparison; one pass over the result with the comparison itself then drops
// equal lines and checks the order; should the keys ever disagree with the
// comparison, the lines are sorted again by the comparison itself.
QStringList SortDistinct(const QStringList& lines) {
  const std::vector<std::optional<QCollatorSortKey>> keys = SortKeys(lines);
  std::vector<qsizetype> order(keys.size());
  std::iota(order.begin(), order.end(), qsizetype{0});
  std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
    return keys[static_cast<std::size_t>(a)]->compare(*keys[static_cast<std::size_t>(b)]) < 0;
  });
  bool ascending = false;
  QStringList sorted = DropEqualNeighbours(lines, order, ascending);
  if (ascending) return sorted;

  std::iota(order.begin(), order.end(), qsizetype{0});
  std::stable_sort(order.begin(), order.end(),
                   [&lines](qsizetype a, qsizetype b) { return CompareTextLocale(lines[a], lines[b]) < 0; });
  return DropEqualNeighbours(lines, order, ascending);
}

}  // namespace

// The extra lines that name a record, then the built-in lines whose record
// path none of them names (compared without regard to case).
QStringList MergeItemNameLines(const QStringList& extraLines, const QStringList& builtInLines) {
  QMultiHash<std::size_t, qsizetype> builtInByPath;
  for (qsizetype i = 0; i < builtInLines.size(); ++i) {
    builtInByPath.insert(CaseFoldedHash(RecordPathOf(builtInLines[i])), i);
  }
  std::vector<bool> replaced(static_cast<std::size_t>(builtInLines.size()), false);
  QStringList merged;
  merged.reserve(extraLines.size() + builtInLines.size());
  for (const QString& line : extraLines) {
    const QStringView path = RecordPathOf(line);
    if (path.isEmpty()) continue;
    merged.append(line);
    const auto [first, last] = std::as_const(builtInByPath).equal_range(CaseFoldedHash(path));
    for (auto it = first; it != last; ++it) {
      if (path.compare(RecordPathOf(builtInLines[*it]), Qt::CaseInsensitive) == 0) {
        replaced[static_cast<std::size_t>(*it)] = true;
      }
    }
  }
  for (qsizetype i = 0; i < builtInLines.size(); ++i) {
    if (!replaced[static_cast<std::size_t>(i)]) merged.append(builtInLines[i]);
  }
  return merged;
}

TItemNames::TItemNames() : TItemNames(QStringList()) {}

TItemNames::TItemNames(const QStringList& AExtraLines) {
  const QStringList builtIn = EmbeddedItemNameLines() + ItemNameLinesAddedInCode();
  FNames = SortDistinct(MergeItemNameLines(AExtraLines, builtIn));
  FRecordPaths.reserve(FNames.size());
  FDisplayNames.reserve(FNames.size());
  for (const QString& line : FNames) {
    const qsizetype at = line.indexOf(QLatin1Char('='));
    FRecordPaths.append(at < 0 ? QString() : line.left(at));
    FDisplayNames.append(at <= 0 ? QString() : line.mid(at + 1));
  }
}

QString& TCharacterEquipment::Slot(int slot) {
  return const_cast<QString&>(static_cast<const TCharacterEquipment&>(*this).Slot(slot));
}

const QString& TCharacterEquipment::Slot(int slot) const {
  switch (slot) {
    case esHead: return Head;
    case esAmulet: return Amulet;
    case esChest: return Chest;
    case esLegs: return Legs;
    case esFeet: return Feet;
    case esHands: return Hands;
    case esRing1: return Ring1;
    case esRing2: return Ring2;
    case esBelt: return Belt;
    case esShoulder: return Shoulder;
    case esMedal: return Medal;
    case esRelic: return Relic;
    case esWeapon1: return Weapon1;
    case esWeapon2: return Weapon2;
    case esWeapon1Alt: return Weapon1Alt;
    case esWeapon2Alt: return Weapon2Alt;
    default: throw EListError(ListIndexErrorMessage(slot));
  }
}

constinit const std::array<QLatin1String, EquipmentSlotCount> EquipmentSlotNames = {
    QLatin1String("Head"),     QLatin1String("Amulet"),     QLatin1String("Chest"),
    QLatin1String("Legs"),     QLatin1String("Feet"),       QLatin1String("Hands"),
    QLatin1String("Ring1"),    QLatin1String("Ring2"),      QLatin1String("Belt"),
    QLatin1String("Shoulder"), QLatin1String("Medal"),      QLatin1String("Relic"),
    QLatin1String("Weapon1"),  QLatin1String("Weapon2"),    QLatin1String("Weapon1Alt"),
    QLatin1String("Weapon2Alt")};

constinit const std::array<QChar, 2> FlagChars = {QChar(u'N'), QChar(u'Y')};

constinit const std::array<QLatin1String, 2> SexNames = {QLatin1String("Female"), QLatin1String("Male")};

constinit const std::array<QLatin1String, 3> DifficultyNames = {
    QLatin1String("Normal"), QLatin1String("Elite"), QLatin1String("Ultimate")};

constinit const std::array<QLatin1String, 9> ClassNames = {
    QLatin1String("Soldier"),    QLatin1String("Demolitionist"), QLatin1String("Occulist"),
    QLatin1String("Nightblade"), QLatin1String("Arcanist"),      QLatin1String("Shaman"),
    QLatin1String("Inquisitor"), QLatin1String("Necromancer"),   QLatin1String("Oathkeeper")};

constinit const std::array<QLatin1String, 72> DualClassNames = {
    // 1 Soldier
    Unnamed, QLatin1String("Commando"), QLatin1String("Witchblade"), QLatin1String("Blademaster"),
    QLatin1String("Battlemage"), QLatin1String("Warder"), QLatin1String("Tactician"),
    QLatin1String("Death Knight"), QLatin1String("Warlord"),
    // 2 Demolitionist
    Unnamed, Unnamed, QLatin1String("Pyromancer"), QLatin1String("Saboteur"), QLatin1String("Sorcerer"),
    QLatin1String("Elementalist"), QLatin1String("Purifier"), QLatin1String("Defiler"),
    QLatin1String("Shieldbreaker"),
    // 3 Occulist
    Unnamed, Unnamed, Unnamed, QLatin1String("Witch Hunter"), QLatin1String("Warlock"),
    QLatin1String("Conjurer"), QLatin1String("Deceiver"), QLatin1String("Cabalist"),
    QLatin1String("Sentinel"),
    // 4 Nightblade
    Unnamed, Unnamed, Unnamed, Unnamed, QLatin1String("Spellbreaker"), QLatin1String("Trickster"),
    QLatin1String("Infiltrator"), QLatin1String("Reaper"), QLatin1String("Dervish"),
    // 5 Arcanist
    Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, QLatin1String("Druid"), QLatin1String("Mage Hunter"),
    QLatin1String("Spellbinder"), QLatin1String("Templar"),
    // 6 Shaman
    Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, QLatin1String("Vindicator"),
    QLatin1String("Ritualist"), QLatin1String("Archon"),
    // 7 Inquisitor
    Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, QLatin1String("Apostate"),
    QLatin1String("Paladin"),
    // 8 Necromancer
    Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, Unnamed, Unnamed,
    QLatin1String("Oppressor")};

QChar FlagChar(std::uint8_t flag) { return FlagChars[flag == 0 ? 0 : 1]; }

QString SexName(std::uint8_t sex) { return Entry(SexNames, sex); }

QString DifficultyName(std::uint32_t difficulty) { return Entry(DifficultyNames, difficulty); }

QString ClassName(std::int32_t number) { return Entry(ClassNames, std::int64_t(number) - 1); }

QString DualClassName(std::int32_t first, std::int32_t second) {
  if (first < 1 || first > 8 || second < 1 || second > 9) return QString();
  return Entry(DualClassNames, std::int64_t(first - 1) * 9 + (second - 1));
}

void ResolveClassNames(TCharacterHeader& header) {
  const QString digits = header.Tag.mid(TagPrefixLength);
  switch (digits.size()) {
    case 0:
      header.Class1.clear();
      header.Class2.clear();
      header.DualName = QStringLiteral("CLASSLESS");
      break;
    case 2:
      header.Class1 = ClassName(StrToInt(digits));
      header.Class2.clear();
      header.DualName = header.Class1;
      break;
    case 4: {
      const std::int32_t first = StrToInt(digits.left(2));
      const std::int32_t second = StrToInt(digits.mid(2));
      header.Class1 = ClassName(first);
      header.Class2 = ClassName(second);
      header.DualName = DualClassName(first, second);
      break;
    }
    default:
      break;
  }
}
