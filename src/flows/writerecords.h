#pragma once

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

#include <vector>

// Where a safe write keeps the panel's configuration read before it, and where it records what
// it wrote: the archive when the program has one, else files beside the archive.
namespace olma::app {

// The panel as its identify answer names it.
struct PanelIdentity
{
    quint32 serial = 0;
    int deviceType = 0; // 0, 1, 2: the 4-, 8- and 16-loop panels
    int firmware = 0;

    static PanelIdentity fromAnswer(quint32 answer);
};

class WriteRecords
{
public:
    virtual ~WriteRecords() = default;

    // Keeps the configuration read before a write; returns how to find it again (an archive
    // snapshot id or a file path), or nothing with `error` when it could not be kept.
    virtual QString keepBackup(const PanelIdentity& panel, const std::vector<unsigned char>& image, QString* error);
    // Records a write that ended: the configuration verified in the panel, or the attempt.
    virtual void recordWrite(const PanelIdentity& panel, const std::vector<unsigned char>& image, bool verified);
    // A configuration by what keepBackup() returned, or any configuration file, read as one
    // of the model `deviceType`.
    virtual bool loadBackup(const QString& reference, int deviceType, std::vector<unsigned char>& image,
                            QString* error);
    // The fields that differ between two configurations, in words; none when not known.
    virtual QStringList differences(int deviceType, const std::vector<unsigned char>& before,
                                    const std::vector<unsigned char>& after);

    // A log read that stopped before the end of the log: the records that did arrive, in the
    // order they came, for an archive to add what it safely can. Files keep nothing of it.
    virtual void keepPartialLog(const QByteArray& records) { Q_UNUSED(records); }

    // The folder of a panel's backup files.
    static QString backupFolder(quint32 serial);
};

} // namespace olma::app
