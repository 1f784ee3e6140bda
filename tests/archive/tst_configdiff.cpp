// Comparing two configurations: one line per changed field, in the export's words.

#include "archive/configdiff.h"
#include "archive/storedconfiguration.h"
#include "config/blockgroup.h"
#include "config/cipherpassword.h"
#include "config/configuration.h"
#include "config/content.h"
#include "config/imagemap.h"
#include "config/params.h"
#include "config/programm/description.h"
#include "config/programm/params.h"
#include "config/programm/programm.h"
#include "config/programm/programms.h"
#include "config/tail.h"
#include "config/tails.h"
#include "config/user.h"
#include "config/users.h"
#include "testmain.h"

#include <functional>
#include <vector>

using olma::config::Configuration;

namespace {

// A 16-loop configuration with factory defaults and an empty description document.
struct Fresh
{
    std::vector<unsigned char> image = std::vector<unsigned char>(olma::config::kImageSize, 0);
    Configuration configuration{image.data(), 2};
    Fresh() { configuration.resetDescriptions(); }
};

using Change = std::function<void(Configuration&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestConfigDiff : public QObject
{
    Q_OBJECT

private slots:
    void oneFieldPerSection_data();
    void oneFieldPerSection();
    void storedConfigurationKeepsDescriptions();
};

void TestConfigDiff::oneFieldPerSection_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("parameters") << Change([](Configuration& c) { c.params()->setTimer1(30); })
                                << QStringList{"Параметры: Время тайм-аута 1 на взятие-снятие: 0 → 30"};
    QTest::newRow("engineer password, never shown") << Change([](Configuration& c) {
        c.params()->setEngineerPassword(olma::config::CipherPassword::fromText(QStringLiteral("4711")));
    }) << QStringList{"Параметры: Пароль инженера: изменён"};
    QTest::newRow("blocks") << Change([](Configuration& c) {
        c.content()->group(olma::config::BlockGroup::RelayBlocks)->setConnected(1, true);
    }) << QStringList{"БРВ-А: БРВ-А-2: Выключен → Включен"};
    QTest::newRow("users: a password, never shown") << Change([](Configuration& c) {
        c.users()->user(2)->setPassword(olma::config::CipherPassword::fromText(QStringLiteral("123456")));
    }) << QStringList{"Пользователь 3: Пароль: изменён"};
    QTest::newRow("users: a right") << Change([](Configuration& c) { c.users()->user(4)->setTailOn(true); })
                                    << QStringList{"Пользователь 5: Взятие ШС: Запрещено → Разрешено"};
    QTest::newRow("loops") << Change([](Configuration& c) { c.tails()->tail(2)->setTailType(4); })
                           << QStringList{"ШС 3: Тип ШС: Охранный → Пожарный"};
    QTest::newRow("programs: tactic") << Change([](Configuration& c) {
        c.programms()->programmByIndex(0)->params()->setTactic(1);
    }) << QStringList{"Встроенное реле - К1: Параметры: Тактика: автомат → лампа"};
    QTest::newRow("programs: delay, not in the export")
        << Change([](Configuration& c) { c.programms()->programmByIndex(7)->params()->setTimeout(30); })
        << QStringList{"Встроенное реле - К8: Параметры: Задержка: 0 → 30"};
    QTest::newRow("descriptions") << Change([](Configuration& c) {
        c.tails()->tail(2)->setDescription(QStringLiteral("Склад, окна"));
    }) << QStringList{"Шлейфы сигнализации: ШС 3: Описание: — → Склад, окна"};
    QTest::newRow("program description") << Change([](Configuration& c) {
        c.programms()->programmByIndex(8)->descriptionItem()->setDescription(QStringLiteral("Сирена у входа"));
    }) << QStringList{"Активация реле (выходов): Звуковой оповещатель (ЗО): Описание: — → Сирена у входа"};
}

void TestConfigDiff::oneFieldPerSection()
{
    QFETCH(Change, change);
    QFETCH(QStringList, lines);
    Fresh before;
    Fresh after;
    change(after.configuration);
    QCOMPARE(olma::archive::compareConfigurations(before.configuration, after.configuration), lines);
    // The other way round the values swap.
    const QStringList back = olma::archive::compareConfigurations(after.configuration, before.configuration);
    QCOMPARE(back.size(), lines.size());
    if (!lines.first().endsWith(QStringLiteral("изменён"))) {
        const QStringList parts = lines.first().split(QStringLiteral(" → "));
        const qsizetype cut = parts[0].lastIndexOf(QStringLiteral(": "));
        QCOMPARE(back.first(), parts[0].left(cut + 2) + parts[1] + QStringLiteral(" → ") + parts[0].mid(cut + 2));
    }
    QCOMPARE(olma::archive::comparisonText(lines), lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestConfigDiff::storedConfigurationKeepsDescriptions()
{
    Fresh original;
    original.configuration.tails()->tail(0)->setDescription(QStringLiteral("Вход"));
    original.configuration.users()->user(4)->setPassword(olma::config::CipherPassword::fromText(QStringLiteral("99")));
    const QByteArray image(reinterpret_cast<const char*>(original.image.data()), qsizetype(original.image.size()));
    // What the archive keeps gives back the same configuration.
    const olma::archive::StoredConfiguration stored(
        image, 2, olma::archive::StoredConfiguration::descriptionsOf(original.configuration));
    QVERIFY(olma::archive::compareConfigurations(original.configuration, stored.configuration()).isEmpty());
    QCOMPARE(stored.configuration().tails()->tail(0)->description(), QStringLiteral("Вход"));
}

OLMA_TEST_MAIN(TestConfigDiff)
#include "tst_configdiff.moc"
