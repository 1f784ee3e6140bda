#include "config/descriptiondocument.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/multiprogramm.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "programmbytes.h"
#include "testmain.h"

#include <QSignalSpy>

#include <functional>

using namespace olma::config;
using namespace programmbytes;

namespace {

const QList<unsigned> kSelected = {3, 12, 60, 113};
constexpr unsigned kUnselected = 61;

// Record bytes [from, to) of a program, with the bits that belong to no field masked out.
QByteArray fields(const imagebytes::Image& image, unsigned index, int from, int to)
{
    QByteArray bytes = record(image, int(index));
    bytes[kFlags] = char(bytes[kFlags] & 0x03);
    for (int loop = 0; loop < 16; ++loop)
        bytes[kLoops + 2 * loop + 1] = char(bytes[kLoops + 2 * loop + 1] & 0x3F);
    return bytes.mid(from, to - from);
}

} // namespace

class TestMultiProgramm : public QObject
{
    Q_OBJECT

private slots:
    void groupReachesEverySelectedProgramm_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("parameters") << 0 << kFlags << kLoops;
        QTest::newRow("loops") << 1 << kLoops << kPanel;
        QTest::newRow("panel events") << 2 << kPanel << kIp;
        QTest::newRow("ИП") << 3 << kIp << kBkv;
        QTest::newRow("БКВ-А") << 4 << kBkv << kBp;
        QTest::newRow("БП-А") << 5 << kBp << kRecordSize;
    }

    // One change in the editor's group makes every selected program hold the editor's whole group:
    // the values the editor shows, not only the one that changed.
    void groupReachesEverySelectedProgramm()
    {
        QFETCH(int, group);
        QFETCH(int, from);
        QFETCH(int, to);
        auto image = imagebytes::random(21);
        Programms programms(image.data(), 2, 0);
        QList<Programm*> selected;
        for (unsigned index : kSelected)
            selected << programms.programmByIndex(index);
        MultiProgramm multi(selected, 2);
        const auto before = image;

        const std::vector<std::function<void()>> change = {
            [&] { multi.params()->setWorkTime(600); },
            [&] { multi.tailStates()->tailState(9)->setFire1(2); },
            [&] { multi.pcState()->setExtBlockOpening(1); },
            [&] { multi.kvoState()->setState(6, 2); },
            [&] { multi.bkvStates()->bkvState(4)->setState(2, 1); },
            [&] { multi.bpStates()->bpState(1)->setCh2(2); },
        };
        QSignalSpy changed(&multi, &MultiProgramm::changed);
        change[size_t(group)]();

        // The editor's group, as a record: all zero but the one change.
        imagebytes::Image editor = imagebytes::filled(0);
        Programm reference(editor.data(), 2, 0);
        const std::vector<std::function<void()>> same = {
            [&] { reference.params()->setWorkTime(600); },
            [&] { reference.tailStates()->tailState(9)->setFire1(2); },
            [&] { reference.pcState()->setExtBlockOpening(1); },
            [&] { reference.kvoState()->setState(6, 2); },
            [&] { reference.bkvStates()->bkvState(4)->setState(2, 1); },
            [&] { reference.bpStates()->bpState(1)->setCh2(2); },
        };
        same[size_t(group)]();
        const QByteArray expected = fields(editor, 0, from, to);

        for (unsigned index : kSelected) {
            QCOMPARE(fields(image, index, from, to).toHex(' '), expected.toHex(' '));
            // Nothing outside the group moves.
            QCOMPARE(record(image, int(index)).left(from), record(before, int(index)).left(from));
            QCOMPARE(record(image, int(index)).mid(to), record(before, int(index)).mid(to));
        }
        QCOMPARE(record(image, int(kUnselected)), record(before, int(kUnselected)));
        QCOMPARE(changed.count(), kSelected.size());
        QCOMPARE(changed.at(1).first().value<Programm*>(), selected.at(1));
    }

    void resetAllReachesEverySelectedProgramm()
    {
        auto image = imagebytes::random(22);
        Programms programms(image.data(), 0, 0);
        QList<Programm*> selected;
        for (unsigned index : {2u, 11u, 70u})
            selected << programms.programmByIndex(index);
        MultiProgramm multi(selected, 0);
        auto expected = image;
        for (unsigned index : {2u, 11u, 70u})
            resetRecord(expected, int(index), 4, 2);

        // Nothing happens while the flag goes off.
        const auto before = image;
        multi.resetDefault(false);
        multi.params()->setFireSafety(false);
        QCOMPARE(image, before);

        // "Сбросить все" ends with the flag going on.
        multi.params()->setFireSafety(true);
        QCOMPARE(imagebytes::changed(expected, image), QList<int>());
        QVERIFY(!multi.params()->fireSafety());
        for (Programm* p : selected)
            QVERIFY(!p->params()->fireSafety());
    }

    void descriptionReachesEverySelectedProgramm()
    {
        auto image = imagebytes::filled(0);
        Programms programms(image.data(), 1, 0);
        programms.setDescriptionDocument(descriptions::emptyDocument());
        MultiProgramm multi({programms.programmByIndex(0), programms.programmByIndex(1)}, 1);
        QVERIFY(!multi.children().isEmpty());
        for (const IConfigItem* child : multi.children())
            QVERIFY(!dynamic_cast<const programm::Description*>(child));

        programm::Description text(nullptr, 1, 0);
        text.setDescription(QStringLiteral("Оповещение 2 этажа"));
        multi.assignDescription(text);
        for (int id : {0, 1})
            QCOMPARE(descriptions::read(programms.descriptionDocument(), "programm", id),
                     QStringLiteral("Оповещение 2 этажа"));
        QCOMPARE(programms.programmByIndex(2)->description(), QString());
    }
};

OLMA_TEST_MAIN(TestMultiProgramm)
#include "tst_multiprogramm.moc"
