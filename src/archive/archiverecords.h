#pragma once

#include "flows/writerecords.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace olma::archive {

class Archive;

// Safe writes kept in the archive: the backup as "резервная копия перед записью", the verified
// configuration as "записана в прибор", an unconfirmed one as "запись не подтверждена". With the
// archive off, or out of reach, backups go to files as without it. Differences are told in the
// words of the comparison.
class ArchiveWriteRecords : public olma::app::WriteRecords
{
public:
    // `url` empty: the default archive file; `off`: no archive at all.
    ArchiveWriteRecords(const QString& url, bool off);
    ~ArchiveWriteRecords() override;

    // Asked for a PostgreSQL password, as Archive::setPasswordPrompt().
    void setPasswordPrompt(std::function<QString(const QString&)> prompt) { _prompt = std::move(prompt); }
    // The description file's contents recorded with the written configuration.
    void setDescriptions(const QByteArray& descriptions) { _descriptions = descriptions; }
    // Why the archive could not be used, after a call that fell back or recorded nothing.
    QString trouble() const { return _trouble; }

    QString keepBackup(const olma::app::PanelIdentity& panel, const std::vector<unsigned char>& image,
                       QString* error) override;
    void recordWrite(const olma::app::PanelIdentity& panel, const std::vector<unsigned char>& image,
                     bool verified) override;
    bool loadBackup(const QString& reference, int deviceType, std::vector<unsigned char>& image,
                    QString* error) override;
    QStringList differences(int deviceType, const std::vector<unsigned char>& before,
                            const std::vector<unsigned char>& after) override;
    void keepPartialLog(const QByteArray& records) override { _partialLog = records; }
    // What keepPartialLog() was handed; empty when every read went to the end.
    QByteArray partialLog() const { return _partialLog; }

private:
    Archive* archive();

    QString _url;
    bool _off = false;
    std::unique_ptr<Archive> _archive;
    std::function<QString(const QString&)> _prompt;
    QByteArray _descriptions;
    QString _trouble;
    QByteArray _partialLog;
};

} // namespace olma::archive
