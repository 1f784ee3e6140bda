#pragma once

#include "archive/archive.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace olma::config {
class Configuration;
}

namespace olma::archive {

// What the panel list asks of the window it belongs to.
struct ArchiveWindowHooks
{
    // Takes a snapshot into the editor, as opening a configuration file does.
    std::function<void(const Snapshot&)> open;
    // The configuration in the editor, to compare a snapshot with; null when there is none.
    std::function<const olma::config::Configuration*()> current;
    // Shows a panel's merged history (8-byte records, as a log file holds them) in the log viewer.
    std::function<void(const PanelInfo&, const QByteArray&)> showHistory;
};

// "Приборы…": every panel of the archive (serial, model, name, site, notes, last contact,
// snapshot and event counts), found by a search field, with name, site and notes edited in
// place; below, the chosen panel's snapshots with "Открыть", "Сохранить в файл…", "Сравнить…"
// (two snapshots, or one and the configuration in the editor) and "Журнал событий".
class ArchivePanelsDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(ArchivePanelsDialog)

public:
    ArchivePanelsDialog(Archive& archive, ArchiveWindowHooks hooks, QWidget* parent = nullptr);

    // Lists the panels again, keeping the chosen one.
    void reload();
    // Chooses a panel by its serial number; false when it is not listed.
    bool selectPanel(quint32 serial);
    // Chooses snapshots by their ids (the first becomes current).
    void selectSnapshots(const QList<qint64>& ids);

    QTableWidget* panelTable() const { return _panels; }
    QTableWidget* snapshotTable() const { return _snapshots; }

public slots:
    void openSnapshot();
    void saveSnapshot();
    void compareSnapshots();
    void showHistory();

private:
    void filter(const QString& text);
    void showSnapshots();
    void detailsEdited(int row, int column);
    std::optional<PanelInfo> currentPanel();
    QList<qint64> selectedSnapshots() const;
    std::optional<Snapshot> loadSnapshot(qint64 id);
    QString sideText(const Snapshot& snapshot) const;
    void updateButtons();

    Archive& _archive;
    ArchiveWindowHooks _hooks;
    QLineEdit* _search = nullptr;
    QTableWidget* _panels = nullptr;
    QLabel* _snapshotsLabel = nullptr;
    QTableWidget* _snapshots = nullptr;
    QPushButton* _open = nullptr;
    QPushButton* _save = nullptr;
    QPushButton* _compare = nullptr;
    QPushButton* _history = nullptr;
    bool _filling = false;
};

} // namespace olma::archive
