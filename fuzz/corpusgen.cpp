// olma-fuzz-corpus DIR: writes the seed inputs of the fuzz targets into DIR/<target>/: real log
// and status records, the factory configuration and its older short layout, a description file
// written by the configuration itself, and engine scripts for every operation.

#include "config/configuration.h"
#include "config/descriptiondocument.h"
#include "config/imagemap.h"
#include "config/tail.h"
#include "config/tails.h"
#include "config/user.h"
#include "config/users.h"
#include "link/frame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <initializer_list>

using namespace olma::link;

namespace {

QString root;

bool put(const QString& target, const QString& name, const QByteArray& bytes)
{
    const QString folder = root + QLatin1Char('/') + target;
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

// A log record: BCD date and time, class, parameters, event code.
QByteArray record(int year, int month, int day, int hour, int minute, int eventClass, int a, int b, int code)
{
    return bytes({toBcd(year), toBcd(month), toBcd(day), toBcd(hour) | eventClass << 6, toBcd(minute), a, b, code});
}

QByteArray stateRecord(int modelCode, int fill)
{
    QByteArray state(kStateRecordSize, '\0');
    state[0] = char(modelCode);
    state[1] = 12;
    state[2] = 0x39;
    state[3] = 0x30;
    const QByteArray clock = bytes({0x30, 0x45, 0x23, 0x31, 0x12, 0x24});
    state.replace(4, clock.size(), clock);
    for (int i = 10; i < kStateRecordSize; ++i)
        state[i] = char((i * fill) & 0xFF);
    return state;
}

// A reply frame with the given head and payload.
QByteArray reply(std::initializer_list<int> head, const QByteArray& payload = {})
{
    QByteArray frame(kFrameSize, '\0');
    int i = 0;
    for (int b : head)
        frame[i++] = char(b);
    frame.replace(kPayloadOffset, payload.size(), payload);
    return frame;
}

// An engine script: header, then per request its answer as pieces, each answer ended by 0.
QByteArray script(std::initializer_list<int> header, const QList<QList<QByteArray>>& answers)
{
    QByteArray out = bytes(header);
    for (const QList<QByteArray>& pieces : answers) {
        for (const QByteArray& piece : pieces) {
            out += char(piece.size());
            out += piece;
        }
        out += '\0';
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: olma-fuzz-corpus DIR\n";
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    // Log records: a block event, a user event, a zone event, an impossible date, a trailing part.
    const QByteArray block = record(24, 12, 31, 23, 59, 1, 2, 5, 13);
    const QByteArray user = record(25, 1, 3, 9, 5, 2, 17, 0, 1);
    const QByteArray zone = record(26, 2, 28, 0, 0, 3, 0, 7, 3);
    const QByteArray unset = bytes({0x00, 0x00, 0x00, 0x3F, 0x7F, 0xFF, 0xFF, 0xFF});
    ok &= put(QStringLiteral("logrecords"), QStringLiteral("three-classes"), block + user + zone);
    ok &= put(QStringLiteral("logrecords"), QStringLiteral("full-block-and-tail"),
              block + user + zone + unset + block + user + zone + bytes({0x01, 0x1F, 0x05}));
    ok &= put(QStringLiteral("logrecords"), QStringLiteral("unset-clock"), unset);

    // Status records, each behind its length byte.
    for (const int model : {0x04, 0x08, 0x10})
        ok &= put(QStringLiteral("staterecord"), QStringLiteral("model-%1").arg(model),
                  char(kStateRecordSize) + stateRecord(model, model + 3));
    ok &= put(QStringLiteral("staterecord"), QStringLiteral("short-then-whole"),
              char(40) + stateRecord(0x08, 5).left(40) + char(kStateRecordSize) + stateRecord(0x10, 0xFF));

    // Configuration images: the factory configuration, its short layout, a stub.
    std::vector<unsigned char> image(olma::config::kImageSize, 0);
    olma::config::Configuration configuration(image.data(), 2);
    const QByteArray factory(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
    ok &= put(QStringLiteral("configimage"), QStringLiteral("factory"), factory);
    ok &=
        put(QStringLiteral("configimage"), QStringLiteral("short-layout"), factory.left(olma::config::kShortImageSize));
    ok &= put(QStringLiteral("configimage"), QStringLiteral("stub"), factory.left(100));
    // The same images exported: the last byte picks model, format and section, the two before it the node.
    ok &= put(QStringLiteral("configexport"), QStringLiteral("factory-16-rtf"), factory + bytes({0x00, 0x07, 5}));
    ok &= put(QStringLiteral("configexport"), QStringLiteral("factory-4-programm"), factory + bytes({0x01, 0x24, 9}));
    ok &= put(QStringLiteral("configexport"), QStringLiteral("stub-csv"), factory.left(100) + bytes({0x00, 0x03, 11}));

    // Descriptions as the program writes them, and the empty document.
    configuration.users()->user(0)->setDescription(QStringLiteral("Дежурный"));
    configuration.users()->user(254)->setDescription(QStringLiteral("Инженер <смена 2> & \"К\""));
    configuration.tails()->tail(15)->setDescription(QStringLiteral("Склад, 2 этаж"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("conf.bin"));
    QFile written(olma::config::Configuration::descriptionFileName(path));
    ok &= configuration.saveToFile(path) && written.open(QIODevice::ReadOnly);
    const QByteArray threeNodes = written.readAll();
    const QByteArray empty = olma::config::descriptions::emptyDocumentText().toUtf8();
    // The description targets take the node asked about off the front: one byte for the
    // document's, two for the tree's.
    ok &= put(QStringLiteral("descriptions"), QStringLiteral("three-nodes"), char(15 * 5) + threeNodes);
    ok &= put(QStringLiteral("descriptions"), QStringLiteral("empty"), char(0) + empty);
    ok &= put(QStringLiteral("descriptiontree"), QStringLiteral("three-nodes-loops"), bytes({0, 3}) + threeNodes);
    ok &= put(QStringLiteral("descriptiontree"), QStringLiteral("three-nodes-users"), bytes({0x1F, 4}) + threeNodes);
    ok &= put(QStringLiteral("descriptiontree"), QStringLiteral("empty"), bytes({0, 0}) + empty);

    // Files: the reader (0 bounded, 1 configuration, 2 log, 5 firmware, 7 writer), then the kind of file (0 regular, 1
    // sparse of an edge size, 2 FIFO, 3 folder, 4 device, 5 none) and its bytes or size.
    ok &= put(QStringLiteral("files"), QStringLiteral("bounded-regular"), bytes({0, 3, 6, 0}) + "state");
    ok &= put(QStringLiteral("files"), QStringLiteral("configuration-fifo-xml"),
              bytes({1, 2, 0}) + factory.left(olma::config::kShortImageSize));
    ok &= put(QStringLiteral("files"), QStringLiteral("configuration-large-xml"), bytes({1, 1, 16, 0}) + factory);
    ok &= put(QStringLiteral("files"), QStringLiteral("log-over-16-mib"), bytes({2, 1, 19}));
    ok &= put(QStringLiteral("files"), QStringLiteral("log-three"), bytes({2, 0}) + block + user + zone);
    ok &= put(QStringLiteral("files"), QStringLiteral("firmware-40"), bytes({5, 0}) + factory.left(40));
    ok &= put(QStringLiteral("files"), QStringLiteral("firmware-configuration"), bytes({5, 1, 12}));
    ok &= put(QStringLiteral("files"), QStringLiteral("write-over-device"), bytes({7, 4}) + "bytes");
    ok &= put(QStringLiteral("files"), QStringLiteral("write-over-regular"), bytes({7, 0, 0, 3}) + "oldnew");

    // Engine scripts: operation, flags (callback), write size, cancel point, parameters, answers.
    const QByteArray id = bytes({0x10, 12, 0x39, 0x30});
    ok &= put(QStringLiteral("replies"), QStringLiteral("identify"), script({0, 0x02, 63, 0}, {{reply({0}, id)}}));
    ok &= put(QStringLiteral("replies"), QStringLiteral("identify-in-pieces"),
              script({0, 0x00, 16, 0}, {{reply({0}, id).left(10), reply({0}, id).mid(10)}}));
    const QByteArray state = stateRecord(0x10, 7);
    ok &=
        put(QStringLiteral("replies"), QStringLiteral("state"),
            script({1, 0x02, 63, 0}, {{reply({1, 0, 0, 40}, state.left(40))}, {reply({1, 0, 1, 44}, state.mid(40))}}));
    ok &= put(QStringLiteral("replies"), QStringLiteral("state-error-6"),
              script({1, 0x02, 63, 0}, {{reply({0xFF, 0, 0, 0}, bytes({6}))}}));
    ok &= put(QStringLiteral("replies"), QStringLiteral("read-config-3-blocks"),
              script({2, 0x02, 63, 0, 0, 3}, {{reply({3, 0, 0, 46}, factory.left(46))},
                                              {reply({3, 1, 0, 12}, factory.mid(46, 12))},
                                              {reply({3, 2, 0, 16}, factory.mid(58, 16))}}));
    ok &= put(QStringLiteral("replies"), QStringLiteral("write-config-2-blocks-error-3"),
              script({3, 0x02, 63, 0, 0, 2}, {{reply({4, 0, 0, 46})}, {reply({0xFF}, bytes({3}))}}));
    const QByteArray seven = block + user + zone + block + user + zone + unset;
    ok &= put(QStringLiteral("replies"), QStringLiteral("log-7-then-3"),
              script({4, 0x02, 63, 0, 0, 0, 0xFF, 0xFF},
                     {{reply({2, 0, 0, 56}, seven)}, {reply({2, 0, 1, 24}, block + user + zone)}}));
    ok &= put(QStringLiteral("replies"), QStringLiteral("firmware-130"),
              script({5, 0x02, 63, 0, 0, 130}, {{reply({5})}, {reply({5})}, {reply({6})}, {}}));
    ok &= put(QStringLiteral("replies"), QStringLiteral("restart"), script({6, 0, 63, 0}, {}));

    if (!ok) {
        QTextStream(stderr) << "olma-fuzz-corpus: could not write the corpus into " << root << "\n";
        return 1;
    }
    return 0;
}
