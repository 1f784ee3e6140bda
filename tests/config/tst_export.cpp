#include "common/cp1251.h"
#include "config/configexport.h"
#include "config/configuration.h"
#include "config/content.h"
#include "config/exporttexts.h"
#include "config/iconfigitem.h"
#include "config/params.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programms.h"
#include "config/programm/tailstates.h"
#include "config/programm/trigger.h"
#include "config/tails.h"
#include "config/users.h"
#include "imagebytes.h"
#include "testmain.h"

#include <QTemporaryDir>

using namespace olma::config;
using olma::config::programm::BPState;
using olma::config::programm::PCState;
using olma::config::programm::stateText;
using olma::config::programm::TailState;

namespace {

// The expected documents are kept in C string notation (see tests/data/export/README.md).
QString readNotation(const QString& name)
{
    QFile file(QStringLiteral(OLMA_TEST_FILES_DIR "/export/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QChar backslash(1); // holds the escaped backslashes while the other escapes are undone
    return QString::fromUtf8(file.readAll())
        .remove(QLatin1Char('\n'))
        .remove(QLatin1Char('\r'))
        .replace(QLatin1String("\\\\"), backslash)
        .replace(QLatin1String("\\n"), QLatin1String("\n"))
        .replace(QLatin1String("\\r"), QLatin1String("\r"))
        .replace(QLatin1String("\\\""), QLatin1String("\""))
        .replace(backslash, QLatin1Char('\\'));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Windows-1251 byte for byte; a difference is named line by line rather than as two whole documents.
void compareDocument(const QByteArray& written, const QString& wanted)
{
    QCOMPARE(olma::cp1251::decode(written).split(QLatin1Char('\n')), wanted.split(QLatin1Char('\n')));
    QCOMPARE(written, olma::cp1251::encode(wanted));
}

IButtonKey key(std::initializer_list<unsigned char> bytes)
{
    IButtonKey k;
    auto it = bytes.begin();
    k.first = *it++;
    std::copy(it, bytes.end(), k.rest.begin());
    return k;
}

struct Rights
{
    bool off, on, partial, drop;
};

void setUser(User* user, const QString& password, const IButtonKey& k, Rights rights, quint16 mask)
{
    user->setPassword(CipherPassword::fromText(password));
    user->setKey(k);
    user->setTailOff(rights.off);
    user->setTailOn(rights.on);
    user->setPartialTailOnOff(rights.partial);
    user->setTailDrop(rights.drop);
    user->setAccessMask(mask);
}

// Nobody can be recognised: no password, and a key with nothing in it (a zeroed record would
// read as the never-set key, which counts).
void clearCredentials(Users* users)
{
    for (int i = 0; i < users->count(); ++i) {
        users->user(i)->setPassword(CipherPassword());
        users->user(i)->setKey(IButtonKey{});
    }
}

struct Loop
{
    int type;
    quint16 on, off;
    bool withoutAlarm, autoReset, bizEx, autoReGuardOn, reRequest, faultCheck, fire1;
};

void setLoop(Tail* tail, const Loop& l)
{
    tail->setTailType(l.type);
    tail->setGuardOnTimeout(l.on);
    tail->setGuardOffTimeout(l.off);
    tail->setWithoutAlarm(l.withoutAlarm);
    tail->setAutoReset(l.autoReset);
    tail->setBizEx(l.bizEx);
    tail->setAutoReGuardOn(l.autoReGuardOn);
    tail->setReRequest(l.reRequest);
    tail->setFaultCheck(l.faultCheck);
    tail->setFire1(l.fire1);
}

void connect(Content* content, int kind, std::initializer_list<int> numbers)
{
    for (int n : numbers)
        content->group(kind)->setConnected(n - 1, true);
}

void fillSixteenLoops(Configuration& c)
{
    Params* p = c.params();
    p->setTimer1(30);
    p->setTimer2(255);
    p->setAutoPre(510);
    p->setAutoPreDaily(256);
    p->setKvSoundWorkTime(255);
    p->setPtsSoundWorkTime(17);
    p->setEngineerPassword(CipherPassword::fromText(QStringLiteral("123456")));
    p->setTimeSync(1);
    p->setMessage1(QStringLiteral("ПОЖАР 1"));
    p->setMessage2(QStringLiteral("ЭТАЖ 2-3"));

    connect(c.content(), BlockGroup::Keyboards, {1, 3});
    connect(c.content(), BlockGroup::RelayBlocks, {1, 2, 3, 4});
    connect(c.content(), BlockGroup::ArmingDevices, {1, 9, 16});
    connect(c.content(), BlockGroup::OutputBlocks, {8});
    connect(c.content(), BlockGroup::PowerBlocks, {2});

    Users* users = c.users();
    clearCredentials(users);
    setUser(users->user(0), QStringLiteral("1234"), IButtonKey{}, {true, true, false, false}, 0x8001);
    setUser(users->user(1), QString(), key({0x01, 0xA2, 0xB3, 0xC4, 0xD5, 0xE6, 0x0F}), {false, false, true, true},
            0x00F0);
    // Rights alone do not make a user: a key with a zero first byte, or zero further bytes, is no key.
    setUser(users->user(5), QString(), key({0x33, 0, 0, 0, 0, 0, 0}), {true, true, true, true}, 0xFFFF);
    setUser(users->user(9), QString(), key({0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66}), {true, true, true, true},
            0xFFFF);
    setUser(users->user(254), QStringLiteral("987654"), IButtonKey::neverSet(), {true, true, true, true}, 0xFFFF);

    const Loop loops[] = {
        {0, 0, 0, false, false, false, false, false, false, false},
        {1, 1, 0, true, false, false, false, false, false, false},
        {2, 0, 1, false, true, false, false, false, false, false},
        {3, 0, 0, false, false, true, false, false, false, false},
        {4, 0, 0, false, false, false, true, true, true, true},
        {5, 1, 1, false, false, false, false, false, false, false},
        {6, 0, 0, false, false, false, false, false, true, false},
        {7, 1, 1, true, true, true, true, true, true, true},
    };
    for (int i = 0; i < 8; ++i)
        setLoop(c.tails()->tail(i), loops[i]);
    setLoop(c.tails()->tail(15), {4, 0, 0, false, false, false, false, false, false, true});
}

void fillFourLoops(Configuration& c)
{
    Params* p = c.params();
    p->setTimer1(5);
    p->setAutoPreDaily(100);
    p->setPtsSoundWorkTime(254);

    connect(c.content(), BlockGroup::IndicationBlocks, {2, 4});

    Users* users = c.users();
    clearCredentials(users);
    // Access to loop 9 is kept in the record but a 4-loop panel has no such loop to list.
    setUser(users->user(2), QStringLiteral("42"), IButtonKey{}, {true, false, false, false}, 0x010A);
    setUser(users->user(254), QString(), key({0x0F, 0x0E, 0x0D, 0x0C, 0x0B, 0x0A, 0x09}), {false, false, false, false},
            0x000F);

    setLoop(c.tails()->tail(0), {7, 0, 0, false, false, false, false, false, false, true});
    setLoop(c.tails()->tail(1), {6, 0, 0, false, false, false, false, false, false, false});
    setLoop(c.tails()->tail(2), {5, 0, 1, false, false, false, false, false, false, false});
    setLoop(c.tails()->tail(3), {4, 1, 1, true, true, true, true, true, true, true});
}

const IConfigItemPriv* priv(const IConfigItem* item)
{
    return dynamic_cast<const IConfigItemPriv*>(item);
}

constexpr int kProgramm = 10;

// Program 10 of an 8-loop panel with values that tell every line apart.
struct ProgrammFixture
{
    ProgrammFixture() : image(imagebytes::filled(0)), programms(image.data(), 1, 0)
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
        loop->setFire1(1);
        loop->setAlarm(2);
        loop->setTakeOff(1);

        PCState* panel = p->pcState();
        panel->setCorpseOpen(1);
        panel->setOpFault(2);
        panel->setZoFault(3);
        panel->setSoFault(1);
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
    }

    Programm* programm() const { return programms.programmByIndex(kProgramm); }

    imagebytes::Image image;
    Programms programms;
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void documents_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("closing"); // what follows the relay programs

        const QString closing[] = {QString(), QString(), QStringLiteral("</body>\n</html>\n"), QStringLiteral("}\n")};
        const char* formats[] = {"text", "csv", "html", "rtf"};
        for (int loops : {16, 4}) {
            // The 4-loop panel's documents come from files named by other accepted extensions.
            const QStringList suffixes =
                loops == 16 ? QStringList{"txt", "csv", "html", "rtf"} : QStringList{"log", "csv", "htm", "rtf"};
            for (int f = 0; f < 4; ++f)
                QTest::addRow("%d loops, %s", loops, formats[f])
                    << (loops == 16 ? 2 : 0) << suffixes[f]
                    << QStringLiteral("config%1-%2.expected").arg(loops).arg(formats[f]) << closing[f];
        }
    }

    // The whole document in Windows-1251, without a byte-order mark; the relay programs render
    // themselves and are taken as they come.
    void documents()
    {
        QFETCH(int, deviceType);
        QFETCH(QString, suffix);
        QFETCH(QString, expected);
        QFETCH(QString, closing);

        auto image = imagebytes::filled(0);
        Configuration configuration(image.data(), deviceType);
        if (deviceType == 2)
            fillSixteenLoops(configuration);
        else
            fillFourLoops(configuration);

        const QString head = readNotation(expected);
        QVERIFY2(!head.isEmpty(), qPrintable(expected));
        const int format = exportFormat(suffix);
        const QString programms = configuration.programms()->exportText(format);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("configuration.") + suffix);
        QVERIFY(configuration.exportToFile(path, suffix));
        compareDocument(readFile(path), head + programms + closing);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("fileName"); // in a folder that holds a file of that name
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("start"); // of the written file; empty when nothing is written

        const QString done = QStringLiteral("Конфигурация успешно экспортированна в файл!");
        const QString failed = QStringLiteral("Невозможно экспортировать конфигурацию!");
        const QString unsupported = QStringLiteral("Выбранный тип файлов не поддерживается!");
        const QByteArray text = olma::cp1251::encode(QStringLiteral("\r\nПараметры: \r\n"));
        const QByteArray csv = olma::cp1251::encode(QStringLiteral("Парметр;Значение\r\n"));
        QTest::newRow("capitals") << "CONF.TXT" << done << text;
        QTest::newRow("any character before the extension") << "conf_csv" << done << csv;
        QTest::newRow("rtx has no writer") << "conf.rtx" << failed << QByteArray();
        QTest::newRow("doc") << "conf.doc" << unsupported << QByteArray();
        QTest::newRow("extension not at the end") << "conf.txt.bak" << unsupported << QByteArray();
        QTest::newRow("folder missing") << "no such folder/conf.txt" << failed << QByteArray();
    }

    // The file name picks the writer; a refused or failed export leaves the file as it was and
    // no temporary file behind.
    void fileNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        QFETCH(QByteArray, start);

        auto image = imagebytes::filled(0);
        Configuration configuration(image.data(), 1);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        const QByteArray previous = "previous contents";
        {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(previous);
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

        QCOMPARE(exportMessage(exportConfiguration(configuration, path)), message);
        const QByteArray written = readFile(path);
        if (start.isEmpty())
            QCOMPARE(written, QFile::exists(path) ? previous : QByteArray());
        else
            QVERIFY2(written.startsWith(start), written.left(40).constData());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    }

    void usersSection_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("heading");

        QTest::newRow("text") << int(ExportText) << QStringLiteral("Пользователи:\r\n");
        QTest::newRow("CSV") << int(ExportCsv) << QStringLiteral("Пользователи\r\n");
        QTest::newRow("RTF") << int(ExportRtf) << QStringLiteral("{\\pard\\qc{Пользователи:}\n\\par}\n");
        QTest::newRow("HTML") << int(ExportHtml) << QString();
    }

    // Who is listed: nobody without a password or key; every user of a zeroed image, whose key
    // reads as never set.
    void usersSection()
    {
        QFETCH(int, format);
        QFETCH(QString, heading);

        auto image = imagebytes::filled(0);
        Configuration configuration(image.data(), 1);
        configuration.loadFromImage();
        const QString all = configuration.users()->exportText(format);
        QVERIFY(all.startsWith(heading));
        QCOMPARE(all.count(QStringLiteral("Администратор 1")), 1);
        QCOMPARE(all.count(QStringLiteral("Пользователь 254")), 1);
        QCOMPARE(all.count(QStringLiteral("Администратор 255")), 1);
        // Eight loops of access for every one of the 255 users.
        QCOMPARE(all.count(QStringLiteral("ШС 8")), 255);
        QCOMPARE(all.count(QStringLiteral("ШС 9")), 0);

        clearCredentials(configuration.users());
        QCOMPARE(configuration.users()->exportText(format), heading);
    }

    // One program of every kind of group with values that tell every line apart, in each format;
    // the description adds nothing.
    void programmDocuments_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text") << int(ExportText) << "programm10-text.expected";
        QTest::newRow("CSV") << int(ExportCsv) << "programm10-csv.expected";
        QTest::newRow("HTML") << int(ExportHtml) << "programm10-html.expected";
        QTest::newRow("RTF") << int(ExportRtf) << "programm10-rtf.expected";
    }

    void programmDocuments()
    {
        QFETCH(int, format);
        QFETCH(QString, expected);
        const ProgrammFixture fixture;
        Programm* p = fixture.programm();
        p->descriptionItem()->setDescription(QStringLiteral("не экспортируется"));
        const QString wanted = readNotation(expected);
        QVERIFY2(!wanted.isEmpty(), qPrintable(expected));
        compareDocument(olma::cp1251::encode(priv(p)->exportText(format)), wanted);
        QCOMPARE(priv(p)->exportText(4), QString());
    }
};

OLMA_TEST_MAIN(TestExport)
#include "tst_export.moc"
