#include "app/demopanel.h"

#include "common/datadir.h"
#include "common/text.h"
#include "link/frame.h"
#include "virtualpanel.h"

#include <QDateTime>
#include <QFile>

namespace olma::app {
namespace {

// Where the panel keeps its state in the 84-byte record.
constexpr int kPowerBlockFaults = 12; // БП-А 1 and 2: 4 bits each
constexpr int kReserveSupplyBit = 0x02;
constexpr int kLoopStates = 18;     // 4 bits per loop
constexpr int kZoneStates = 26;     // 4 bits per zone
constexpr int kKeyboardAccess = 36; // access level at "Ольма-КВ" 1
constexpr int kRelayStates = 54;    // 2 bits per output
constexpr int kNotifiers = 56;      // light notifier bits 0-1, sound notifier bits 2-3
constexpr int kBuiltInRelays = 58;

// The values the pages know.
constexpr int kLoopNormal = 0;
constexpr int kLoopViolation = 1;
constexpr int kLoopPowerReset = 6;
constexpr int kLoopOff = 7;
constexpr int kZoneDisarmedReady = 0;
constexpr int kZoneAlarm = 1;
constexpr int kZoneArmed = 7;
constexpr int kZoneDisarmedNotReady = 8;
constexpr int kRelayOff = 0;
constexpr int kRelayOn = 1;
constexpr int kRelaySwitching = 2;

constexpr int kLoops = 16;
constexpr int kBuiltInRelayCount = 8;
constexpr int kSampleLogEvents = 120;

void setNibble(QByteArray& record, int offset, int index, int value)
{
    const int byte = offset + index / 2;
    const int shift = (index % 2) * 4;
    record[byte] = char((uchar(record[byte]) & ~(0x0F << shift)) | (value & 0x0F) << shift);
}

void setPair(QByteArray& record, int offset, int index, int value)
{
    const int byte = offset + index / 4;
    const int shift = (index % 4) * 2;
    record[byte] = char((uchar(record[byte]) & ~(0x03 << shift)) | (value & 0x03) << shift);
}

// One 8-byte log record: BCD date and time, the event class in the top bits of the hour.
QByteArray logRecord(const QDateTime& when, int eventClass, int code, int a, int b)
{
    QByteArray record(olma::link::kLogRecordSize, '\0');
    record[0] = char(olma::link::toBcd(when.date().year() % 100));
    record[1] = char(olma::link::toBcd(when.date().month()));
    record[2] = char(olma::link::toBcd(when.date().day()));
    record[3] = char(olma::link::toBcd(when.time().hour()) | eventClass << 6);
    record[4] = char(olma::link::toBcd(when.time().minute()));
    record[5] = char(a);
    record[6] = char(b);
    record[7] = char(code);
    return record;
}

} // namespace

DemoPanel::DemoPanel(QObject* parent) : QObject(parent), _panel(std::make_unique<olma::vpanel::VirtualPanel>())
{
    _panel->setModelCode(kModelCode);
    _panel->setFirmwareVersion(kFirmwareVersion);
    _panel->setSerialNumber(kSerialNumber);
    QFile defaults(olma::dataFile(QStringLiteral("config/default.bin")));
    if (defaults.open(QIODevice::ReadOnly))
        _panel->setImage(defaults.readAll());
    _panel->setLogRecords(sampleLog(kSampleLogEvents, QDateTime::currentDateTime()));
    _timer.setInterval(kStepIntervalMs);
    connect(&_timer, &QTimer::timeout, this, &DemoPanel::step);
}

DemoPanel::~DemoPanel() = default;

bool DemoPanel::start(QString* error)
{
    if (!_panel->start(error))
        return false;
    _step = 0;
    step();
    _timer.start();
    return true;
}

QString DemoPanel::portName() const
{
    return _panel->portName();
}

olma::link::PortEntry DemoPanel::portEntry() const
{
    return {portName(), OLMA_TEXT("MainWindow", "Ольма-16Ех (демонстрация)"), true};
}

void DemoPanel::step()
{
    // The record as the panel holds it, so that its identify bytes and clock stay as they are.
    QByteArray record = _panel->stateRecord();
    const int phase = _step % 4;

    // Loops: most in order, the last one switched off, one violated now and then and one whose
    // detectors are being powered up again.
    for (int loop = 0; loop < kLoops; ++loop)
        setNibble(record, kLoopStates, loop, kLoopNormal);
    setNibble(record, kLoopStates, kLoops - 1, kLoopOff);
    setNibble(record, kLoopStates, 2, phase == 1 || phase == 2 ? kLoopViolation : kLoopNormal);
    setNibble(record, kLoopStates, 4, phase == 3 ? kLoopPowerReset : kLoopNormal);

    // Zones: the first four armed, the alarm follows loop 3, one zone not ready every other step.
    for (int zone = 0; zone < kLoops; ++zone)
        setNibble(record, kZoneStates, zone, zone < 4 ? kZoneArmed : kZoneDisarmedReady);
    setNibble(record, kZoneStates, 2, phase == 1 || phase == 2 ? kZoneAlarm : kZoneArmed);
    setNibble(record, kZoneStates, 8, _step % 2 ? kZoneDisarmedNotReady : kZoneDisarmedReady);

    // Relays: the notifiers sound while the alarm lasts, the built-in relays take turns.
    setPair(record, kRelayStates, 0, kRelayOn);
    setPair(record, kRelayStates, 1, kRelayOn);
    const bool alarm = phase == 1 || phase == 2;
    record[kNotifiers] = char((alarm ? kRelayOn : kRelayOff) | (alarm ? kRelayOn : kRelayOff) << 2);
    for (int relay = 0; relay < kBuiltInRelayCount; ++relay) {
        const int value = relay == _step % kBuiltInRelayCount         ? kRelayOn
                          : relay == (_step + 1) % kBuiltInRelayCount ? kRelaySwitching
                                                                      : kRelayOff;
        setPair(record, kBuiltInRelays, relay, value);
    }

    // The reserve supply of power block 1 stays faulty; an administrator works at keyboard 1.
    record[kPowerBlockFaults] = char(kReserveSupplyBit);
    record[kKeyboardAccess] = char(phase == 0 ? 0 : 1);

    _panel->setStateRecord(record);
    ++_step;
}

QByteArray DemoPanel::sampleLog(int count, const QDateTime& end)
{
    // A plausible round of a few days: the panel switched on, users arming and disarming, a
    // loop alarm and its restoration, a power fault, a configuration change.
    struct Event
    {
        int eventClass;
        int code;
        int a;
        int b;
    };
    static const Event round[] = {
        {1, 1, 0, 0}, {2, 2, 3, 1},   {2, 1, 3, 1},   {3, 1, 0, 3},  {3, 8, 0, 3}, {1, 5, 5, 1},
        {1, 6, 5, 1}, {2, 28, 1, 0},  {1, 13, 2, 4},  {1, 14, 2, 4}, {2, 4, 7, 0}, {2, 5, 7, 0},
        {3, 9, 0, 5}, {1, 19, 11, 2}, {1, 16, 11, 2}, {2, 25, 1, 0},
    };
    constexpr int kRoundSize = int(sizeof(round) / sizeof(round[0]));
    QByteArray log;
    log.reserve(count * olma::link::kLogRecordSize);
    for (int i = 0; i < count; ++i) {
        const Event& e = round[i % kRoundSize];
        const QDateTime when = end.addSecs(-qint64(count - i) * 37 * 60);
        log += logRecord(when, e.eventClass, e.code, e.a, e.b);
    }
    return log;
}

} // namespace olma::app
