#include "../imagebytes.h"
#include "config/iconfigitem.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "config/programm/trigger.h"
#include "testmain.h"

using namespace olma::config;
using namespace olma::config::programm;

namespace {

// The two RTF table rows of the program export.
QString rtfHeading(const QString& text)
{
    return "{\\trowd\n"
           "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx10800\n"
           "{\\pard\\qc\\intbl\n"
           "{{" +
           text +
           "}\\cell}\n"
           "}\\row}\n";
}

QString rtfPair(const QString& label, const QString& value)
{
    return "{\\trowd\n"
           "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx6480\n"
           "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx10800\n"
           "{\\pard\\intbl\n"
           "{{" +
           label +
           "}\\cell}\n"
           "{{" +
           value +
           "}\\cell}\n"
           "}\\row}\n";
}

QString htmlRow(const QString& label, const QString& value)
{
    return "<tr><td width=70%>" + label + "</td><td width=30%>" + value + "</td></tr>\r\n";
}

constexpr int kProgramm = 10;

// Program 10 of an 8-loop panel with values that tell every line apart.
struct Fixture
{
    Fixture() : image(imagebytes::filled(0)), programms(image.data(), 1, 0)
    {
        Programm* p = programms.programmByIndex(kProgramm);
        p->params()->setTimeout(300);
        p->params()->setTactic(1);
        p->params()->setInitState(true);
        p->params()->setWorkTime(9999);

        TailState* loop = p->tailStates()->tailState(2);
        loop->setGuardOffDelay(1);
        loop->setGuardOnDelay(2);
        loop->setBroken(3);
        loop->setFault(0);
        loop->setFire1(1);
        loop->setAlarm(2);
        loop->setTakeOff(1);

        PCState* panel = p->pcState();
        panel->setCorpseOpen(1);
        panel->setOpFault(2);
        panel->setRpFault(0);
        panel->setZoFault(3);
        panel->setSoFault(1);
        panel->setNoticeOff(0);
        panel->setExtBlockOpening(2);
        panel->setExtBlockAccident(1);

        for (int i = 0; i < 4; ++i)
            p->kvoState()->setState(i, QList<quint16>{1, 0, 2, 3}.at(i));
        for (int i = 0; i < 4; ++i)
            p->bkvStates()->bkvState(1)->setState(i, QList<quint16>{2, 1, 0, 1}.at(i));

        BPState* power = p->bpStates()->bpState(2);
        power->setOp(1);
        power->setRp(2);
        power->setCh2(1);
        power->setCh1(0);
    }

    Programm* programm() const { return programms.programmByIndex(kProgramm); }

    imagebytes::Image image;
    Programms programms;
};

const IConfigItemPriv* priv(const IConfigItem* item)
{
    return dynamic_cast<const IConfigItemPriv*>(item);
}

} // namespace

class TestProgrammExport : public QObject
{
    Q_OBJECT

private slots:
    void blocks_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");

        QTest::newRow("parameters, text") << "params" << 0
                                          << "\r\nПараметры:\r\n"
                                             "Тактика: лампа\r\n"
                                             "Начальное состояние: включено\r\n"
                                             "Время работы: 9999\r\n";
        QTest::newRow("parameters, CSV") << "params" << 3
                                         << "\r\nПараметры\r\n"
                                            "Тактика;лампа\r\n"
                                            "Начальное состояние;включено\r\n"
                                            "Время работы;9999\r\n";
        QTest::newRow("parameters, HTML")
            << "params" << 2
            << "\r\n<br><b>Параметры:</b>\r\n"
               "<table width=85%>\r\n"
               "<tr><td width=70%>Тактика:</td><td width=30%>лампа</td></tr>\r\n"
               "<tr><td width=70%>Начальное состояние:</td><td width=30%>включено</td></tr>\r\n"
               "<tr><td width=70%>Время работы:</td><td width=30%>9999</td></tr>\r\n"
               "</table>\r\n";
        QTest::newRow("parameters, RTF") << "params" << 1
                                         << rtfHeading("Параметры") + rtfPair("Тактика", "лампа") +
                                                rtfPair("Начальное состояние", "включено") +
                                                rtfPair("Время работы", "9999");

        QTest::newRow("loop, text") << "loop" << 0
                                    << "\r\nШлейф сигнализации 3:\r\n"
                                       "Задержка на снятие: Активно\r\n"
                                       "Задержка на взятие: Запрет активации\r\n"
                                       "Нарушен: Неактивно\r\n"
                                       "Неисправен: Неактивно\r\n"
                                       "Пожар-1: Активно\r\n"
                                       "Тревога (Пожар-2): Запрет активации\r\n"
                                       "Снят: Активно\r\n";
        QTest::newRow("loop, CSV") << "loop" << 3
                                   << "\r\nШлейф сигнализации 3;\r\n"
                                      "Задержка на снятие; Активно\r\n"
                                      "Задержка на взятие; Запрет активации\r\n"
                                      "Нарушен; Неактивно\r\n"
                                      "Неисправен; Неактивно\r\n"
                                      "Пожар-1; Активно\r\n"
                                      "Тревога (Пожар-2); Запрет активации\r\n"
                                      "Снят; Активно\r\n";
        QTest::newRow("loop, HTML")
            << "loop" << 2
            << "\r\n<br><b>Шлейф сигнализации 3:</b>\r\n"
               "<table width=85%>\r\n"
               "<tr><td width=70%>Задержка на снятие:</td><td width=30%>Активно</td></tr>\r\n"
               "<tr><td width=70%>Задержка на взятие</td><td width=30%>Запрет активации</td></tr>\r\n"
               "<tr><td width=70%>Нарушен</td><td width=30%>Неактивно</td></tr>\r\n"
               "<tr><td width=70%>Неисправен:</td><td width=30%>Неактивно</td></tr>\r\n"
               "<tr><td width=70%>Пожар-1:</td><td width=30%>Активно</td></tr>\r\n"
               "<tr><td width=70%>Тревога (Пожар-2):</td><td width=30%>Запрет активации</td></tr>\r\n"
               "<tr><td width=70%>Снят:</td><td width=30%>Активно</td></tr>\r\n"
               "</table>\r\n";
        QTest::newRow("loop, RTF") << "loop" << 1
                                   << rtfHeading("Шлейф сигнализации 3") + rtfPair("Задержка на снятие", "Активно") +
                                          rtfPair("Задержка на взятие", "Запрет активации") +
                                          rtfPair("Нарушен", "Неактивно") + rtfPair("Неисправен", "Неактивно") +
                                          rtfPair("Пожар-1", "Активно") +
                                          rtfPair("Тревога (Пожар-2)", "Запрет активации") + rtfPair("Снят", "Активно");

        QTest::newRow("panel, text") << "panel" << 0
                                     << "\r\nСостояние блоков:\r\n"
                                        "Вскрытие корпуса: Активно\r\n"
                                        "Неисправность ОП: Запрет активации\r\n"
                                        "Неисправность РП: Неактивно\r\n"
                                        "Неисправность ЗО: Неактивно\r\n"
                                        "Неисправность СО: Активно\r\n"
                                        "Отключение оповещения: Неактивно\r\n"
                                        "Вскрытие внешнего блока: Запрет активации\r\n"
                                        "Авария внешнего блока: Активно\r\n";
        QTest::newRow("panel, CSV") << "panel" << 3
                                    << "\r\nСостояние блоков\r\n"
                                       "Вскрытие корпуса; Активно\r\n"
                                       "Неисправность ОП; Запрет активации\r\n"
                                       "Неисправность РП; Неактивно\r\n"
                                       "Неисправность ЗО; Неактивно\r\n"
                                       "Неисправность СО; Активно\r\n"
                                       "Отключение оповещения; Неактивно\r\n"
                                       "Вскрытие внешнего блока; Запрет активации\r\n"
                                       "Авария внешнего блока; Активно\r\n";
        QTest::newRow("panel, HTML") << "panel" << 2
                                     << "\r\n<br><b>Состояние блоков:</b>\r\n"
                                        "<table width=85%>" +
                                            htmlRow("Вскрытие корпуса:", "Активно") +
                                            htmlRow("Неисправность ОП:", "Запрет активации") +
                                            htmlRow("Неисправность РП:", "Неактивно") +
                                            htmlRow("Неисправность ЗО:", "Неактивно") +
                                            htmlRow("Неисправность СО:", "Активно") +
                                            htmlRow("Отключение оповещения:", "Неактивно") +
                                            htmlRow("Вскрытие внешнего блока:", "Запрет активации") +
                                            htmlRow("Авария внешнего блока:", "Активно") + "</table>\r\n";
        QTest::newRow("panel, RTF") << "panel" << 1
                                    << rtfHeading("Состояние блоков") + rtfPair("Вскрытие корпуса", "Активно") +
                                           rtfPair("Неисправность ОП", "Запрет активации") +
                                           rtfPair("Неисправность РП", "Неактивно") +
                                           rtfPair("Неисправность ЗО", "Неактивно") +
                                           rtfPair("Неисправность СО", "Активно") +
                                           rtfPair("Отключение оповещения", "Неактивно") +
                                           rtfPair("Вскрытие внешнего блока", "Запрет активации") +
                                           rtfPair("Авария внешнего блока", "Активно");

        QTest::newRow("ИП, text") << "ip" << 0
                                  << "\r\nСостояние ИП:\r\n"
                                     "Состояние ИП 1: Активно\r\n"
                                     "Состояние ИП 2: Неактивно\r\n"
                                     "Состояние ИП 3: Запрет активации\r\n"
                                     "Состояние ИП 4: Неактивно\r\n";
        QTest::newRow("ИП, CSV") << "ip" << 3
                                 << "\r\nСостояние ИП;\r\n"
                                    "Состояние ИП 1; Активно\r\n"
                                    "Состояние ИП 2; Неактивно\r\n"
                                    "Состояние ИП 3; Запрет активации\r\n"
                                    "Состояние ИП 4; Неактивно\r\n";
        QTest::newRow("ИП, HTML") << "ip" << 2
                                  << "\r\n<br><b>Состояние ИП:</b>\r\n"
                                     "<table width=85%>\r\n" +
                                         htmlRow("Состояние ИП 1:", "Активно") +
                                         htmlRow("Состояние ИП 2:", "Неактивно") +
                                         htmlRow("Состояние ИП 3:", "Запрет активации") +
                                         htmlRow("Состояние ИП 4:", "Неактивно") + "</table>\r\n";
        // The label keeps its line break inside the cell.
        QTest::newRow("ИП, RTF") << "ip" << 1
                                 << rtfHeading("Состояние ИП") + rtfPair("Состояние ИП - 1\r\n", "Активно") +
                                        rtfPair("Состояние ИП - 2\r\n", "Неактивно") +
                                        rtfPair("Состояние ИП - 3\r\n", "Запрет активации") +
                                        rtfPair("Состояние ИП - 4\r\n", "Неактивно");

        QTest::newRow("БКВ-А, text") << "bkv" << 0
                                     << "\r\nВыход БКВ-А - 2:\r\n"
                                        "Неисправность выхода - 1: Запрет активации\r\n"
                                        "Неисправность выхода - 2: Активно\r\n"
                                        "Неисправность выхода - 3: Неактивно\r\n"
                                        "Неисправность выхода - 4: Активно\r\n";
        QTest::newRow("БКВ-А, CSV") << "bkv" << 3
                                    << "\r\nВыход БКВ-А - 2;\r\n"
                                       "Неисправность выхода - 1; Запрет активации\r\n"
                                       "Неисправность выхода - 2; Активно\r\n"
                                       "Неисправность выхода - 3; Неактивно\r\n"
                                       "Неисправность выхода - 4; Активно\r\n";
        QTest::newRow("БКВ-А, HTML") << "bkv" << 2
                                     << "\r\n<br><b>Выход БКВ-А - 2:</b>\r\n"
                                        "<table width=85%>\r\n" +
                                            htmlRow("Неисправность выхода - 1:", "Запрет активации") +
                                            htmlRow("Неисправность выхода - 2:", "Активно") +
                                            htmlRow("Неисправность выхода - 3:", "Неактивно") +
                                            htmlRow("Неисправность выхода - 4:", "Активно") + "</table>\r\n";
        QTest::newRow("БКВ-А, RTF") << "bkv" << 1
                                    << rtfHeading("Выход БКВ-А - 2") +
                                           rtfPair("Неисправность выхода - 1", "Запрет активации") +
                                           rtfPair("Неисправность выхода - 2", "Активно") +
                                           rtfPair("Неисправность выхода - 3", "Неактивно") +
                                           rtfPair("Неисправность выхода - 4", "Активно");

        QTest::newRow("БП-А, text") << "bp" << 0
                                    << "\r\nБлок питания БП-А 3:\r\n"
                                       "Неисправность ОП: Активно\r\n"
                                       "Неисправность РП: Запрет активации\r\n"
                                       "Неисправность канала 1: Неактивно\r\n"
                                       "Неисправность канала 2: Активно\r\n";
        QTest::newRow("БП-А, CSV") << "bp" << 3
                                   << "\r\nБлок питания БП-А 3;\r\n"
                                      "Неисправность ОП; Активно\r\n"
                                      "Неисправность РП; Запрет активации\r\n"
                                      "Неисправность канала 1; Неактивно\r\n"
                                      "Неисправность канала 2; Активно\r\n";
        QTest::newRow("БП-А, HTML")
            << "bp" << 2
            << "\r\n<br><b>Блок питания БП-А 3:</b>\r\n"
               "<table width=85%>\r\n"
               "<tr><td width=70%>Неисправность ОП:</td><td width=30%>Активно</td></tr>\r\n"
               "<tr><td width=70%>Неисправность РП:</td><td width=30%>Запрет активации</td></tr>\r\n"
               "<tr><td width=70%>Неисправность канала 1:</td><td width=30%>Неактивно</td></tr>\r\n"
               "<tr><td width=70%>Неисправность канала 2:</td><td width=30%>Активно</td></tr>\r\n"
               "</table>\r\n";
        // The RTF heading numbers the block after a dash; the row pieces spelled out once.
        QTest::newRow("БП-А, RTF")
            << "bp" << 1
            << "{\\trowd\n\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx10800\n"
               "{\\pard\\qc\\intbl\n{{Блок питания БП-А - 3}\\cell}\n}\\row}\n"
               "{\\trowd\n\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx6480\n"
               "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx10800\n"
               "{\\pard\\intbl\n{{Неисправность ОП}\\cell}\n{{Активно}\\cell}\n}\\row}\n" +
                   rtfPair("Неисправность РП", "Запрет активации") + rtfPair("Неисправность канала 1", "Неактивно") +
                   rtfPair("Неисправность канала 2", "Активно");

        for (int format = 0; format < 4; ++format)
            QTest::addRow("description, format %d", format) << "description" << format << QString();
        for (QString block : {"params", "loop", "panel", "ip", "bkv", "bp"})
            QTest::addRow("%s, unknown format", qPrintable(block)) << block << 4 << QString();
    }

    void blocks()
    {
        QFETCH(QString, block);
        QFETCH(int, format);
        QFETCH(QString, expected);
        const Fixture fixture;
        Programm* p = fixture.programm();
        p->descriptionItem()->setDescription(QStringLiteral("не экспортируется"));
        const QMap<QString, const IConfigItemPriv*> blocks = {
            {"params", p->params()},
            {"loop", p->tailStates()->tailState(2)},
            {"panel", p->pcState()},
            {"ip", p->kvoState()},
            {"bkv", p->bkvStates()->bkvState(1)},
            {"bp", p->bpStates()->bpState(2)},
            {"description", p->descriptionItem()},
        };
        QCOMPARE(blocks.value(block)->exportText(format), expected);
    }

    void valuesWithoutWords()
    {
        auto image = imagebytes::filled(0);
        Programms programms(image.data(), 0, 0);
        Programm* p = programms.programmByIndex(0);
        // A tactic other than automatic or lamp has no word; a trigger value of 3 reads as inactive.
        p->params()->setTactic(2);
        p->tailStates()->tailState(0)->setFault(3);
        p->kvoState()->setState(1, 3);
        QVERIFY(p->params()->exportText(0).contains("\r\nТактика: \r\n"));
        QVERIFY(p->params()->exportText(3).contains("\r\nТактика;\r\n"));
        QVERIFY(p->params()->exportText(2).contains("<td width=30%></td>"));
        QVERIFY(p->tailStates()->tailState(0)->exportText(0).contains("\r\nНеисправен: Неактивно\r\n"));
        QVERIFY(p->kvoState()->exportText(0).endsWith("\r\nСостояние ИП 2: Неактивно\r\n"));
        QCOMPARE(stateText(3), QStringLiteral("Неактивно"));
        QCOMPARE(stateText(1), QStringLiteral("Активно"));
        QCOMPARE(stateText(2), QStringLiteral("Запрет активации"));
    }

    void groupsAndPrograms_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("loopsHeading");
        QTest::addColumn<QString>("bkvHeading");
        QTest::addColumn<QString>("bpHeading");
        QTest::newRow("text") << 0 << "\r\nСостояние ШС:\r\n"
                              << "\r\nВыходы БКВ-А:\r\n"
                              << "\r\nЦепи БП-А:\r\n";
        QTest::newRow("RTF") << 1 << rtfHeading("Состояние ШС") << rtfHeading("Выходы БКВ-А")
                             << rtfHeading("Цепи БП-А");
        QTest::newRow("HTML") << 2 << "\r\n<br><b>Состояние ШС:</b>\r\n"
                              << "\r\n<br><b>Выходы БКВ-А:</b>\r\n"
                              << "\r\n<br><b>Цепи БП-А:</b>\r\n";
        QTest::newRow("CSV") << 3 << "\r\nСостояние ШС\r\n"
                             << "\r\nВыходы БКВ-А\r\n"
                             << "\r\nЦепи БП-А\r\n";
    }

    // A group is its heading and then its loops or blocks in order; a program is its groups in tree
    // order, the description adding nothing.
    void groupsAndPrograms()
    {
        QFETCH(int, format);
        QFETCH(QString, loopsHeading);
        QFETCH(QString, bkvHeading);
        QFETCH(QString, bpHeading);
        const Fixture fixture;
        Programm* p = fixture.programm();

        QString loops = loopsHeading;
        for (int i = 0; i < 8; ++i)
            loops += p->tailStates()->tailState(i)->exportText(format);
        QCOMPARE(p->tailStates()->exportText(format), loops);
        QString bkv = bkvHeading;
        for (int i = 0; i < 8; ++i)
            bkv += p->bkvStates()->bkvState(i)->exportText(format);
        QCOMPARE(p->bkvStates()->exportText(format), bkv);
        QString bp = bpHeading;
        for (int i = 0; i < 4; ++i)
            bp += p->bpStates()->bpState(i)->exportText(format);
        QCOMPARE(p->bpStates()->exportText(format), bp);

        const QString programm = p->params()->exportText(format) + loops + p->pcState()->exportText(format) +
                                 p->kvoState()->exportText(format) + bkv + bp;
        QCOMPARE(priv(p)->exportText(format), programm);
    }

    void programTitles_data()
    {
        QTest::addColumn<unsigned>("index");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("title");
        const QList<QPair<unsigned, QString>> oneOfEachKind = {
            {0, "Встроенное реле - К1"},      {8, "Звуковой оповещатель (ЗО)"},
            {9, "Световой оповещатель (СО)"}, {10, "Контролируемый выход (ИП) - 1"},
            {18, "БРВ-А 1 Реле-1"},           {54, "БКВ-А 2 Выход-1"},
            {113, "БВИ-А 4 С/Д-8"},
        };
        for (const auto& [index, title] : oneOfEachKind) {
            QTest::addRow("%u, text", index) << index << 0 << "\r\n" + title + "\r\n";
            QTest::addRow("%u, RTF", index) << index << 1 << "{\\pard\\qc{" + title + "}\n\\par}\n";
            QTest::addRow("%u, HTML", index) << index << 2 << "\r\n<br><b>" + title + "</b>\r\n";
            QTest::addRow("%u, CSV", index) << index << 3 << "\r\n" + title + "\r\n";
        }
    }

    // Each program's block in the section is its title, then its own export.
    void programTitles()
    {
        QFETCH(unsigned, index);
        QFETCH(int, format);
        QFETCH(QString, title);
        auto image = imagebytes::random(31);
        Programms programms(image.data(), 0, 0);
        const Programm* p = programms.programmByIndex(index);
        QVERIFY(p);
        const QString section = programms.exportText(format);
        QVERIFY(section.contains(title + priv(p)->exportText(format)));
    }

    void section_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("start");
        QTest::newRow("text") << 0 << "Активация реле (выходов):\r\n\r\nВстроенное реле - К1\r\n\r\nПараметры:\r\n";
        QTest::newRow("RTF") << 1
                             << "{\\pard\\qc{Активация реле (выходов):}\n\\par}\n"
                                "{\\pard\\qc{Встроенное реле - К1}\n\\par}\n" +
                                    rtfHeading("Параметры");
        // No section heading in HTML: the section starts with the first program.
        QTest::newRow("HTML") << 2 << "\r\n<br><b>Встроенное реле - К1</b>\r\n\r\n<br><b>Параметры:</b>\r\n";
        QTest::newRow("CSV") << 3 << "Активация реле (выходов)\r\n\r\nВстроенное реле - К1\r\n\r\nПараметры\r\n";
    }

    void section()
    {
        QFETCH(int, format);
        QFETCH(QString, start);
        auto image = imagebytes::random(32);
        Programms programms(image.data(), 0, 0);
        const QString text = programms.exportText(format);
        QVERIFY2(text.startsWith(start), qPrintable(text.left(start.size())));
        QCOMPARE(programms.exportText(4), QString());
    }

    // A 4-loop panel: 108 programs, each with 4 loops, 2 ИП lines, 8 БКВ-А and 4 БП-А blocks.
    void wholeSectionOfTheSmallPanel()
    {
        auto image = imagebytes::random(33);
        Programms programms(image.data(), 0, 0);
        const QString text = programms.exportText(0);

        // Every program in index order, each opening with its title and its parameters.
        QCOMPARE(programms.count(), 108);
        int position = 0;
        for (int row = 0; row < programms.count(); ++row) {
            const QString title = "\r\n" + programms.programm(row)->title() + "\r\n";
            const int found = text.indexOf(title + "\r\nПараметры:\r\n", position);
            QVERIFY2(found >= position, qPrintable(title));
            position = found + 1;
        }
        QCOMPARE(text.count("\r\nПараметры:\r\n"), 108);
        QCOMPARE(text.count("\r\nШлейф сигнализации "), 108 * 4);
        QCOMPARE(text.count("\r\nШлейф сигнализации 4:\r\n"), 108);
        QCOMPARE(text.count("\r\nСостояние ИП 1: "), 108);
        QCOMPARE(text.count("\r\nСостояние ИП 2: "), 108);
        QCOMPARE(text.count("\r\nСостояние ИП 3: "), 0);
        QCOMPARE(text.count("\r\nВыход БКВ-А - "), 108 * 8);
        QCOMPARE(text.count("\r\nБлок питания БП-А "), 108 * 4);
        QVERIFY(!text.contains("Контролируемый выход (ИП) - 3"));
        QVERIFY(text.contains("\r\nБКВ-А 2 Выход-1\r\n"));
    }

    // Every line of one program of a 4-loop panel, as a reader of the text file sees it.
    void oneProgramInPlainText()
    {
        auto image = imagebytes::filled(0);
        Programms programms(image.data(), 0, 0);
        programms.setDefault();
        programms.programmByIndex(8)->bpStates()->bpState(3)->setCh2(2);

        QString expected = "\r\nЗвуковой оповещатель (ЗО)\r\n"
                           "\r\nПараметры:\r\n"
                           "Тактика: автомат\r\n"
                           "Начальное состояние: выключено\r\n"
                           "Время работы: 0\r\n"
                           "\r\nСостояние ШС:\r\n";
        for (int n = 1; n <= 4; ++n) {
            expected += "\r\nШлейф сигнализации " + QString::number(n) +
                        ":\r\n"
                        "Задержка на снятие: Неактивно\r\n"
                        "Задержка на взятие: Неактивно\r\n"
                        "Нарушен: Неактивно\r\n"
                        "Неисправен: Неактивно\r\n"
                        "Пожар-1: Неактивно\r\n"
                        "Тревога (Пожар-2): Неактивно\r\n"
                        "Снят: Неактивно\r\n";
        }
        expected += "\r\nСостояние блоков:\r\n"
                    "Вскрытие корпуса: Неактивно\r\n"
                    "Неисправность ОП: Неактивно\r\n"
                    "Неисправность РП: Неактивно\r\n"
                    "Неисправность ЗО: Неактивно\r\n"
                    "Неисправность СО: Неактивно\r\n"
                    "Отключение оповещения: Неактивно\r\n"
                    "Вскрытие внешнего блока: Неактивно\r\n"
                    "Авария внешнего блока: Неактивно\r\n"
                    "\r\nСостояние ИП:\r\n"
                    "Состояние ИП 1: Неактивно\r\n"
                    "Состояние ИП 2: Неактивно\r\n"
                    "\r\nВыходы БКВ-А:\r\n";
        for (int b = 1; b <= 8; ++b) {
            expected += "\r\nВыход БКВ-А - " + QString::number(b) +
                        ":\r\n"
                        "Неисправность выхода - 1: Неактивно\r\n"
                        "Неисправность выхода - 2: Неактивно\r\n"
                        "Неисправность выхода - 3: Неактивно\r\n"
                        "Неисправность выхода - 4: Неактивно\r\n";
        }
        expected += "\r\nЦепи БП-А:\r\n";
        for (int b = 1; b <= 4; ++b) {
            expected += "\r\nБлок питания БП-А " + QString::number(b) +
                        ":\r\n"
                        "Неисправность ОП: Неактивно\r\n"
                        "Неисправность РП: Неактивно\r\n"
                        "Неисправность канала 1: Неактивно\r\n"
                        "Неисправность канала 2: " +
                        QString(b == 4 ? "Запрет активации" : "Неактивно") + "\r\n";
        }

        const QString text = programms.exportText(0);
        const int from = text.indexOf("\r\nЗвуковой оповещатель (ЗО)\r\n");
        const int to = text.indexOf("\r\nСветовой оповещатель (СО)\r\n");
        QCOMPARE(text.mid(from, to - from), expected);
    }
};

OLMA_TEST_MAIN(TestProgrammExport)
#include "tst_programmexport.moc"
