#pragma once

#include "archive/archivesettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace olma::archive {

// "Архив…": the archive on or off, automatic archiving, where the archive is, and the
// encryption asked of a PostgreSQL server. A URL that names no archive is refused.
class ArchiveSettingsDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(ArchiveSettingsDialog)

public:
    // `overridden`: the command line chose the archive for this run.
    ArchiveSettingsDialog(const ArchiveSettings& settings, bool overridden, QWidget* parent = nullptr);

    ArchiveSettings settings() const;

    void accept() override;

private:
    void updateEnabled();

    QCheckBox* _enabled = nullptr;
    QCheckBox* _automatic = nullptr;
    QLineEdit* _url = nullptr;
    QComboBox* _sslMode = nullptr;
};

} // namespace olma::archive
