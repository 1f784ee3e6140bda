#include "archive/configdiff.h"

#include "archive/archivetexts.h"
#include "config/configtexts.h"
#include "config/configuration.h"
#include "config/content.h"
#include "config/exporttexts.h"
#include "config/params.h"
#include "config/programm/description.h"
#include "config/programm/params.h"
#include "config/programm/programm.h"
#include "config/programm/programms.h"
#include "config/tails.h"
#include "config/user.h"
#include "config/users.h"

#include <QHash>

#include <algorithm>

namespace olma::archive {

namespace {

using olma::config::ExportText;

// Labels whose values are secrets: a change is reported, never the digits. The labels are
// those of the export in the language of the window.
bool isSecretLabel(const QString& label)
{
    namespace t = olma::config::exporttexts;
    return label == t::kPassword.toString() || label == t::kEngineerPassword.toString() || label == t::kKey.toString();
}
const olma::Text kParamsTitle = olma::config::exporttexts::kParamsSection;
// The program's delay before start, which the export leaves out.
constexpr olma::Text kProgramDelay = OLMA_TEXT("ConfigDiff", "Задержка");

// How a section's text export names its items.
enum class Items
{
    None,         // parameters: one flat list
    EveryHeading, // blocks, loops: every heading after the section's own starts an item
    PlainLine,    // programs: the title is a line without a colon; headings are sub-headings
};

// One exported value: where it is and what it says.
struct Entry
{
    QString key;   // item, sub-heading and label, to match the two sides
    QString where; // what the line shows before the values
    QString value;
    bool secret = false;
};

// Reads a section's plain-text export into its values, in order.
QList<Entry> parseSection(const QString& text, Items rule, const QString& fixedItem, QStringList* titles = nullptr)
{
    QList<Entry> entries;
    QHash<QString, int> seen;
    QString item = fixedItem;
    QString sub;
    bool ownHeadingPassed = rule == Items::None;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        const bool heading = line.endsWith(QLatin1Char(':')) && colon < 0;
        if (heading || (rule == Items::PlainLine && colon < 0 && ownHeadingPassed)) {
            const QString title = heading ? line.chopped(1).trimmed() : line;
            if (!ownHeadingPassed) {
                ownHeadingPassed = true;
            } else if (!heading || rule == Items::EveryHeading) {
                item = title;
                sub.clear();
                if (titles)
                    titles->append(title);
            } else {
                sub = title;
            }
            continue;
        }
        if (colon < 0)
            continue;
        const QString label = line.left(colon).trimmed();
        Entry entry;
        QStringList parts;
        for (const QString& part : {item, sub, label}) {
            if (!part.isEmpty())
                parts.append(part);
        }
        entry.where = parts.join(QStringLiteral(": "));
        entry.key = entry.where;
        const int n = seen[entry.key]++;
        if (n > 0)
            entry.key += QLatin1Char('#') + QString::number(n);
        entry.value = line.mid(colon + 2).trimmed();
        entry.secret = isSecretLabel(label);
        entries.append(entry);
    }
    return entries;
}

QString shown(const QString& value)
{
    return value.isEmpty() ? texts::kNone : value;
}

// The lines for two parses of one section: changed values in the order of `after`, then values
// only `before` had.
void compareEntries(const QList<Entry>& before, const QList<Entry>& after, QStringList* out)
{
    QHash<QString, qsizetype> beforeAt;
    for (qsizetype i = 0; i < before.size(); ++i)
        beforeAt.insert(before[i].key, i);
    QHash<QString, bool> matched;
    for (const Entry& entry : after) {
        const auto it = beforeAt.constFind(entry.key);
        const QString old = it == beforeAt.cend() ? QString() : before[*it].value;
        if (it != beforeAt.cend())
            matched.insert(entry.key, true);
        if (it != beforeAt.cend() && old == entry.value)
            continue;
        if (entry.secret)
            out->append(entry.where + QStringLiteral(": ") + texts::kChanged);
        else
            out->append(entry.where + QStringLiteral(": ") + shown(old) + texts::kArrow + shown(entry.value));
    }
    for (const Entry& entry : before) {
        if (matched.contains(entry.key))
            continue;
        if (entry.secret)
            out->append(entry.where + QStringLiteral(": ") + texts::kChanged);
        else
            out->append(entry.where + QStringLiteral(": ") + shown(entry.value) + texts::kArrow + texts::kNone);
    }
}

// The programs' delays before start, which the export leaves out, as entries under their titles.
QList<Entry> programDelays(const olma::config::Programms& programms, const QStringList& titles)
{
    QList<Entry> entries;
    const QList<olma::config::IConfigItem*> children = programms.children();
    for (qsizetype i = 0; i < children.size(); ++i) {
        const auto* programm = dynamic_cast<const olma::config::Programm*>(children[i]);
        if (!programm || !programm->params())
            continue;
        Entry entry;
        entry.where = (i < titles.size() ? titles[i] : programm->name()) + QStringLiteral(": ") + kParamsTitle +
                      QStringLiteral(": ") + kProgramDelay;
        entry.key = entry.where;
        entry.value = QString::number(programm->params()->timeout());
        entries.append(entry);
    }
    return entries;
}

// Every described node's description, keyed by its place in the tree.
void collectDescriptions(const olma::config::IConfigItem* node, const QString& path, const QStringList& programTitles,
                         bool inProgramms, QList<Entry>* out)
{
    const QList<olma::config::IConfigItem*> children = node->children();
    for (qsizetype i = 0; i < children.size(); ++i) {
        const olma::config::IConfigItem* child = children[i];
        // A program's description is its own; the item that keeps it would say it twice.
        if (dynamic_cast<const olma::config::programm::Description*>(child))
            continue;
        QString title = child->name();
        if (inProgramms && i < programTitles.size())
            title = programTitles[i];
        else if (!path.isEmpty())
            title = QStringLiteral("%1 %2").arg(child->name()).arg(child->id() + 1);
        const QString where = path.isEmpty() ? title : path + QStringLiteral(": ") + title;
        if (!child->description().isEmpty()) {
            Entry entry;
            entry.where = where + QStringLiteral(": ") + texts::kDescription;
            entry.key = entry.where;
            entry.value = child->description();
            out->append(entry);
        }
        collectDescriptions(child, where, programTitles, dynamic_cast<const olma::config::Programms*>(child) != nullptr,
                            out);
    }
}

// Every user, with or without credentials: the export leaves out users the panel cannot
// recognise, but a password given to one of them is a change like any other. The labels and words
// are the export's.
QList<Entry> userEntries(const olma::config::Users& users)
{
    namespace t = olma::config::exporttexts;
    QList<Entry> entries;
    const auto add = [&entries](const QString& item, const QString& sub, const QString& label, const QString& value,
                                bool secret) {
        Entry entry;
        entry.where = sub.isEmpty() ? item + QStringLiteral(": ") + label
                                    : item + QStringLiteral(": ") + sub + QStringLiteral(": ") + label;
        entry.key = entry.where;
        entry.value = value;
        entry.secret = secret;
        entries.append(entry);
    };
    for (olma::config::IConfigItem* child : users.children()) {
        const auto* user = dynamic_cast<const olma::config::User*>(child);
        if (!user)
            continue;
        const QString item = user->name() + QLatin1Char(' ') + QString::number(user->number() + 1);
        const olma::config::IButtonKey key = user->key();
        QString keyBytes = QString::number(key.first);
        for (unsigned char b : key.rest)
            keyBytes += QLatin1Char(' ') + QString::number(b);
        add(item, {}, t::kPassword, user->password().text(), true);
        add(item, {}, t::kKey, keyBytes, true);
        const auto right = [](bool on) { return on ? t::kRightOn : t::kRightOff; };
        add(item, {}, t::kTailOff, right(user->tailOff()), false);
        add(item, {}, t::kTailOn, right(user->tailOn()), false);
        add(item, {}, t::kPartialTailOnOff, right(user->partialTailOnOff()), false);
        add(item, {}, t::kTailDrop, right(user->tailDrop()), false);
        for (int j = 0; j < user->loopCount(); ++j)
            add(item, t::kAccess, t::kAccessLoop.arg(j + 1),
                (user->accessMask() >> j) & 1u ? t::kAccessOn : t::kAccessOff, false);
    }
    return entries;
}

// The loop type as the loop page names it ("Охранный"), where the export has it in lower case.
QList<Entry> withLoopTypeNames(QList<Entry> entries)
{
    const QString typeLabel = QStringLiteral(": ") + olma::config::exporttexts::kTailType;
    for (Entry& entry : entries) {
        if (!entry.where.endsWith(typeLabel))
            continue;
        for (int type = 0; type < 8; ++type) {
            if (olma::config::texts::tailTypeExportName(type) == entry.value) {
                entry.value = olma::config::texts::tailTypeName(type);
                break;
            }
        }
    }
    return entries;
}

} // namespace

QStringList compareConfigurations(const olma::config::Configuration& before, const olma::config::Configuration& after)
{
    QStringList out;
    const auto section = [&](auto getter, Items rule, const QString& fixedItem) {
        compareEntries(parseSection((before.*getter)()->exportText(ExportText), rule, fixedItem),
                       parseSection((after.*getter)()->exportText(ExportText), rule, fixedItem), &out);
    };
    section(&olma::config::Configuration::params, Items::None, kParamsTitle);
    section(&olma::config::Configuration::content, Items::EveryHeading, QString());
    compareEntries(userEntries(*before.users()), userEntries(*after.users()), &out);
    compareEntries(withLoopTypeNames(parseSection(before.tails()->exportText(ExportText), Items::EveryHeading, {})),
                   withLoopTypeNames(parseSection(after.tails()->exportText(ExportText), Items::EveryHeading, {})),
                   &out);

    QStringList beforeTitles;
    QStringList afterTitles;
    QList<Entry> beforePrograms =
        parseSection(before.programms()->exportText(ExportText), Items::PlainLine, QString(), &beforeTitles);
    QList<Entry> afterPrograms =
        parseSection(after.programms()->exportText(ExportText), Items::PlainLine, QString(), &afterTitles);
    beforePrograms += programDelays(*before.programms(), beforeTitles);
    afterPrograms += programDelays(*after.programms(), afterTitles);
    compareEntries(beforePrograms, afterPrograms, &out);

    QList<Entry> beforeDescriptions;
    QList<Entry> afterDescriptions;
    collectDescriptions(&before, QString(), beforeTitles, false, &beforeDescriptions);
    collectDescriptions(&after, QString(), afterTitles, false, &afterDescriptions);
    compareEntries(beforeDescriptions, afterDescriptions, &out);
    return out;
}

QString comparisonText(const QStringList& differences)
{
    if (differences.isEmpty())
        return texts::kConfigurationsEqual + QLatin1Char('\n');
    return differences.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace olma::archive
