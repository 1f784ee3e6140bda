#include "refeed.h"

#include "config/blockgroup.h"
#include "config/params.h"
#include "config/tail.h"
#include "config/user.h"

#include <functional>
#include <vector>

using namespace olma::config;

namespace {

// A feeder handles one kind of node and answers its kind's name, or empty for other nodes.
using Feeder = std::function<QString(IConfigItem*)>;

QString feedParams(IConfigItem* item)
{
    auto* p = dynamic_cast<Params*>(item);
    if (!p)
        return {};
    p->setTimer1(p->timer1());
    p->setTimer2(p->timer2());
    p->setAutoPre(p->autoPre());
    p->setAutoPreDaily(p->autoPreDaily());
    p->setKvSoundWorkTime(p->kvSoundWorkTime());
    p->setPtsSoundWorkTime(p->ptsSoundWorkTime());
    p->setEngineerPassword(p->engineerPassword());
    p->setTimeSync(p->timeSync());
    p->setMessage1(p->message1());
    p->setMessage2(p->message2());
    return QStringLiteral("Params");
}

QString feedBlockGroup(IConfigItem* item)
{
    auto* g = dynamic_cast<BlockGroup*>(item);
    if (!g)
        return {};
    for (int i = 0; i < g->count(); ++i) {
        g->setConnected(i, g->isConnected(i));
        g->setBlockDescription(i, g->blockDescription(i));
    }
    return QStringLiteral("BlockGroup");
}

QString feedUser(IConfigItem* item)
{
    auto* u = dynamic_cast<User*>(item);
    if (!u)
        return {};
    u->setPassword(u->password());
    u->setKey(u->key());
    u->setAccessMask(u->accessMask());
    u->setTailOn(u->tailOn());
    u->setTailOff(u->tailOff());
    u->setPartialTailOnOff(u->partialTailOnOff());
    u->setTailDrop(u->tailDrop());
    u->setDescription(u->description());
    return QStringLiteral("User");
}

QString feedTail(IConfigItem* item)
{
    auto* t = dynamic_cast<Tail*>(item);
    if (!t)
        return {};
    t->setTailType(t->tailType());
    t->setGuardOnTimeout(t->guardOnTimeout());
    t->setGuardOffTimeout(t->guardOffTimeout());
    t->setWithoutAlarm(t->withoutAlarm());
    t->setAutoReset(t->autoReset());
    t->setBizEx(t->bizEx());
    t->setAutoReGuardOn(t->autoReGuardOn());
    t->setReRequest(t->reRequest());
    t->setFaultCheck(t->faultCheck());
    t->setFire1(t->fire1());
    t->setDescription(t->description());
    return QStringLiteral("Tail");
}

const std::vector<Feeder>& feeders()
{
    static const std::vector<Feeder> all = {feedParams, feedBlockGroup, feedUser, feedTail};
    return all;
}

void walk(IConfigItem* item, QMap<QString, int>& counts)
{
    for (const Feeder& feed : feeders()) {
        const QString kind = feed(item);
        if (!kind.isEmpty())
            ++counts[kind];
    }
    for (IConfigItem* child : item->children())
        walk(child, counts);
}

} // namespace

QMap<QString, int> refeedTree(IConfigItem* root)
{
    QMap<QString, int> counts;
    walk(root, counts);
    return counts;
}
