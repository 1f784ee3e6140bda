#include "refeed.h"

#include "config/blockgroup.h"
#include "config/params.h"
#include "config/programm/bkvstate.h"
#include "config/programm/bpstate.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programm.h"
#include "config/programm/tailstate.h"
#include "config/tail.h"
#include "config/user.h"

using namespace olma::config;

namespace {

// Feeds one node its own values and answers its kind's name, or empty for a kind without a feeder.
QString feed(IConfigItem* item)
{
    if (auto* p = dynamic_cast<Params*>(item)) {
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
    if (auto* g = dynamic_cast<BlockGroup*>(item)) {
        for (int i = 0; i < g->count(); ++i) {
            g->setConnected(i, g->isConnected(i));
            g->setBlockDescription(i, g->blockDescription(i));
        }
        return QStringLiteral("BlockGroup");
    }
    if (auto* u = dynamic_cast<User*>(item)) {
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
    if (auto* t = dynamic_cast<Tail*>(item)) {
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
    if (auto* p = dynamic_cast<Programm*>(item)) {
        // Taking over its own values changes nothing.
        p->assign(*p);
        return QStringLiteral("Programm");
    }
    if (auto* p = dynamic_cast<programm::Params*>(item)) {
        p->setTimeout(p->timeout());
        p->setTactic(p->tactic());
        p->setInitState(p->initState());
        p->setWorkTime(p->workTime());
        p->setFireSafety(p->fireSafety());
        return QStringLiteral("ProgrammParams");
    }
    if (auto* s = dynamic_cast<programm::TailState*>(item)) {
        s->setGuardOffDelay(s->guardOffDelay());
        s->setGuardOnDelay(s->guardOnDelay());
        s->setBroken(s->broken());
        s->setFault(s->fault());
        s->setFire1(s->fire1());
        s->setAlarm(s->alarm());
        s->setTakeOff(s->takeOff());
        return QStringLiteral("TailState");
    }
    if (auto* s = dynamic_cast<programm::PCState*>(item)) {
        s->setZoFault(s->zoFault());
        s->setSoFault(s->soFault());
        s->setNoticeOff(s->noticeOff());
        s->setRpFault(s->rpFault());
        s->setOpFault(s->opFault());
        s->setCorpseOpen(s->corpseOpen());
        s->setExtBlockAccident(s->extBlockAccident());
        s->setExtBlockOpening(s->extBlockOpening());
        return QStringLiteral("PCState");
    }
    if (auto* s = dynamic_cast<programm::KVOState*>(item)) {
        // All eight record slots: those the model lacks read 0 and must not be written.
        for (int i = 0; i < 8; ++i)
            s->setState(i, s->state(i));
        return QStringLiteral("KVOState");
    }
    if (auto* s = dynamic_cast<programm::BKVState*>(item)) {
        for (int i = 0; i < 4; ++i)
            s->setState(i, s->state(i));
        return QStringLiteral("BKVState");
    }
    if (auto* s = dynamic_cast<programm::BPState*>(item)) {
        s->setOp(s->op());
        s->setRp(s->rp());
        s->setCh2(s->ch2());
        s->setCh1(s->ch1());
        return QStringLiteral("BPState");
    }
    if (auto* d = dynamic_cast<programm::Description*>(item)) {
        d->setDescription(d->description());
        return QStringLiteral("ProgrammDescription");
    }
    return {};
}

void walk(IConfigItem* item, QMap<QString, int>& counts)
{
    const QString kind = feed(item);
    if (!kind.isEmpty())
        ++counts[kind];
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
