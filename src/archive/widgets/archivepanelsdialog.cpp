#include "archive/widgets/archivepanelsdialog.h"

#include "archive/configdiff.h"
#include "archive/storedconfiguration.h"
#include "archive/widgets/archivewidgettexts.h"
#include "archive/widgets/comparisondialog.h"
#include "common/dialogs.h"
#include "config/configtexts.h"
#include "config/configuration.h"
#include "device/commonstate.h"
#include "flows/windowtexts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace olma::archive {

namespace wt = widgettexts;

namespace {

enum PanelColumn
{
    kSerialColumn,
    kModelColumn,
    kNameColumn,
    kSiteColumn,
    kNotesColumn,
    kContactColumn,
    kSnapshotsColumn,
    kEventsColumn,
};

// Rows keep their panel's serial number or their snapshot's id here.
constexpr int kKeyRole = Qt::UserRole;

QTableWidgetItem* cell(const QString& text, bool editable = false)
{
    auto* item = new QTableWidgetItem(text);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QTableWidgetItem* numberCell(qint64 number)
{
    QTableWidgetItem* item = cell(QString::number(number));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* table(const QStringList& columns, QWidget* parent)
{
    auto* t = new QTableWidget(0, int(columns.size()), parent);
    t->setHorizontalHeaderLabels(columns);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setWordWrap(false);
    return t;
}

QString timeText(const QDateTime& time)
{
    return time.isValid() ? time.toLocalTime().toString(wt::kTimeFormat) : QString();
}

} // namespace

ArchivePanelsDialog::ArchivePanelsDialog(Archive& archive, ArchiveWindowHooks hooks, QWidget* parent)
    : QDialog(parent), _archive(archive), _hooks(std::move(hooks))
{
    setWindowTitle(wt::kPanelsTitle);
    auto* layout = new QVBoxLayout(this);
    _search = new QLineEdit(this);
    _search->setObjectName(QStringLiteral("archiveSearch"));
    _search->setPlaceholderText(wt::kSearch);
    _search->setClearButtonEnabled(true);
    layout->addWidget(_search);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    _panels = table(wt::kPanelColumns, splitter);
    _panels->setObjectName(QStringLiteral("archivePanelTable"));
    _panels->setSelectionMode(QAbstractItemView::SingleSelection);
    _panels->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    _snapshotsLabel = new QLabel(lower);
    lowerLayout->addWidget(_snapshotsLabel);
    _snapshots = table(wt::kSnapshotColumns, lower);
    _snapshots->setObjectName(QStringLiteral("archiveSnapshotTable"));
    _snapshots->setSelectionMode(QAbstractItemView::ExtendedSelection);
    _snapshots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lowerLayout->addWidget(_snapshots);
    layout->addWidget(splitter, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, const char* name, void (ArchivePanelsDialog::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    _open = button(wt::kOpen, "archiveOpen", &ArchivePanelsDialog::openSnapshot);
    _save = button(wt::kSave, "archiveSave", &ArchivePanelsDialog::saveSnapshot);
    _compare = button(wt::kCompare, "archiveCompare", &ArchivePanelsDialog::compareSnapshots);
    _history = button(wt::kHistory, "archiveHistory", &ArchivePanelsDialog::showHistory);
    buttons->addStretch(1);
    auto* close = new QPushButton(wt::kClose, this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(_search, &QLineEdit::textChanged, this, &ArchivePanelsDialog::filter);
    connect(_panels, &QTableWidget::itemSelectionChanged, this, &ArchivePanelsDialog::showSnapshots);
    connect(_panels, &QTableWidget::cellChanged, this, &ArchivePanelsDialog::detailsEdited);
    connect(_snapshots, &QTableWidget::itemSelectionChanged, this, &ArchivePanelsDialog::updateButtons);
    connect(_snapshots, &QTableWidget::cellDoubleClicked, this, &ArchivePanelsDialog::openSnapshot);
    resize(1100, 640);
    reload();
}

void ArchivePanelsDialog::reload()
{
    const std::optional<PanelInfo> chosen = currentPanel();
    const QList<PanelInfo> panels = _archive.panels();
    _filling = true;
    _panels->setRowCount(0);
    _panels->setRowCount(int(panels.size()));
    for (int row = 0; row < panels.size(); ++row) {
        const PanelInfo& p = panels[row];
        QTableWidgetItem* serial = numberCell(p.serial);
        serial->setData(kKeyRole, p.serial);
        _panels->setItem(row, kSerialColumn, serial);
        _panels->setItem(row, kModelColumn, cell(olma::device::modelName(p.deviceType)));
        _panels->setItem(row, kNameColumn, cell(p.name, true));
        _panels->setItem(row, kSiteColumn, cell(p.site, true));
        _panels->setItem(row, kNotesColumn, cell(p.notes, true));
        _panels->setItem(row, kContactColumn, cell(timeText(p.lastContact)));
        _panels->setItem(row, kSnapshotsColumn, numberCell(p.snapshotCount));
        _panels->setItem(row, kEventsColumn, numberCell(p.eventCount));
    }
    _panels->resizeColumnsToContents();
    _filling = false;
    filter(_search->text());
    // The panel chosen before, or the first one, shows its snapshots at once.
    if (chosen && selectPanel(chosen->serial))
        return;
    if (_panels->rowCount() > 0 && !_panels->isRowHidden(0))
        _panels->selectRow(0);
    else
        showSnapshots();
}

void ArchivePanelsDialog::filter(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < _panels->rowCount(); ++row) {
        bool match = wanted.isEmpty();
        for (int column : {kSerialColumn, kNameColumn, kSiteColumn, kNotesColumn}) {
            if (!match && _panels->item(row, column)->text().contains(wanted, Qt::CaseInsensitive))
                match = true;
        }
        _panels->setRowHidden(row, !match);
    }
}

bool ArchivePanelsDialog::selectPanel(quint32 serial)
{
    for (int row = 0; row < _panels->rowCount(); ++row) {
        if (_panels->item(row, kSerialColumn)->data(kKeyRole).toUInt() == serial) {
            _panels->selectRow(row);
            _panels->setCurrentCell(row, kSerialColumn);
            return true;
        }
    }
    return false;
}

void ArchivePanelsDialog::selectSnapshots(const QList<qint64>& ids)
{
    QItemSelection chosen;
    for (int row = 0; row < _snapshots->rowCount(); ++row) {
        if (ids.contains(_snapshots->item(row, 0)->data(kKeyRole).toLongLong()))
            chosen.select(_snapshots->model()->index(row, 0), _snapshots->model()->index(row, 0));
    }
    _snapshots->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::optional<PanelInfo> ArchivePanelsDialog::currentPanel()
{
    if (!_panels)
        return std::nullopt;
    const QList<QTableWidgetItem*> chosen = _panels->selectedItems();
    if (chosen.isEmpty())
        return std::nullopt;
    const quint32 serial = _panels->item(chosen.first()->row(), kSerialColumn)->data(kKeyRole).toUInt();
    return _archive.panel(serial);
}

void ArchivePanelsDialog::showSnapshots()
{
    const std::optional<PanelInfo> panel = currentPanel();
    _snapshots->setRowCount(0);
    _snapshotsLabel->setText(panel ? wt::kSnapshotsOf.arg(panel->serial) : QString());
    if (panel) {
        const QList<Snapshot> snapshots = _archive.snapshots(panel->serial);
        _snapshots->setRowCount(int(snapshots.size()));
        for (int row = 0; row < snapshots.size(); ++row) {
            const Snapshot& s = snapshots[row];
            QTableWidgetItem* id = numberCell(s.id);
            id->setData(kKeyRole, s.id);
            _snapshots->setItem(row, 0, id);
            _snapshots->setItem(row, 1, cell(timeText(s.time)));
            _snapshots->setItem(row, 2, cell(snapshotKindText(s.kind)));
            _snapshots->setItem(row, 3, cell(s.path));
            _snapshots->setItem(row, 4, cell(s.operatorName));
            _snapshots->setItem(row, 5, cell(s.host));
        }
        _snapshots->resizeColumnsToContents();
        if (!snapshots.isEmpty())
            _snapshots->selectRow(0);
    }
    updateButtons();
}

void ArchivePanelsDialog::updateButtons()
{
    const qsizetype chosen = selectedSnapshots().size();
    _open->setEnabled(chosen == 1);
    _save->setEnabled(chosen == 1);
    _compare->setEnabled(chosen == 1 || chosen == 2);
    _history->setEnabled(_panels->selectedItems().size() > 0);
}

void ArchivePanelsDialog::detailsEdited(int row, int column)
{
    if (_filling || (column != kNameColumn && column != kSiteColumn && column != kNotesColumn))
        return;
    const quint32 serial = _panels->item(row, kSerialColumn)->data(kKeyRole).toUInt();
    if (!_archive.setPanelDetails(serial, _panels->item(row, kNameColumn)->text(),
                                  _panels->item(row, kSiteColumn)->text(), _panels->item(row, kNotesColumn)->text()))
        olma::dialogs::critical(this, wt::kPanelsTitle, _archive.lastError());
}

QList<qint64> ArchivePanelsDialog::selectedSnapshots() const
{
    QList<qint64> ids;
    for (const QModelIndex& index : _snapshots->selectionModel()->selectedRows())
        ids.append(_snapshots->item(index.row(), 0)->data(kKeyRole).toLongLong());
    return ids;
}

std::optional<Snapshot> ArchivePanelsDialog::loadSnapshot(qint64 id)
{
    std::optional<Snapshot> snapshot = _archive.snapshot(id);
    if (!snapshot)
        olma::dialogs::critical(this, wt::kPanelsTitle, _archive.lastError());
    return snapshot;
}

void ArchivePanelsDialog::openSnapshot()
{
    const QList<qint64> ids = selectedSnapshots();
    if (ids.size() != 1)
        return;
    if (const std::optional<Snapshot> snapshot = loadSnapshot(ids.first()); snapshot && _hooks.open)
        _hooks.open(*snapshot);
}

void ArchivePanelsDialog::saveSnapshot()
{
    namespace configtexts = olma::config::texts;
    const QList<qint64> ids = selectedSnapshots();
    if (ids.size() != 1)
        return;
    const std::optional<Snapshot> snapshot = loadSnapshot(ids.first());
    if (!snapshot)
        return;
    const QString name = olma::dialogs::getSaveFileName(this, wt::kSaveTitle, olma::app::texts::kStartDir,
                                                        configtexts::binaryFileFilter());
    if (name.isEmpty())
        return;
    const StoredConfiguration stored(snapshot->image, snapshot->deviceType, snapshot->descriptions);
    QString reason;
    if (!stored.configuration().saveToFile(name, &reason)) {
        olma::dialogs::critical(this, wt::kSaveTitle, wt::kSaveFailed.arg(name) + QLatin1Char('\n') + reason);
        return;
    }
    olma::dialogs::information(this, wt::kSaveTitle, wt::kSaveDone.arg(name));
}

QString ArchivePanelsDialog::sideText(const Snapshot& snapshot) const
{
    return wt::kSnapshotSide.arg(snapshot.id).arg(timeText(snapshot.time), snapshotKindText(snapshot.kind));
}

void ArchivePanelsDialog::compareSnapshots()
{
    QList<qint64> ids = selectedSnapshots();
    if (ids.isEmpty() || ids.size() > 2)
        return;
    // The older snapshot is what was; ids grow with time.
    std::sort(ids.begin(), ids.end());
    const std::optional<Snapshot> first = loadSnapshot(ids.first());
    if (!first)
        return;
    const StoredConfiguration before(first->image, first->deviceType, first->descriptions);
    QString afterText;
    QStringList differences;
    const auto differentModels = [&](int afterType) {
        olma::dialogs::warning(
            this, wt::kCompareTitle,
            wt::kDifferentModels.arg(olma::device::modelName(first->deviceType), olma::device::modelName(afterType)));
    };
    if (ids.size() == 2) {
        const std::optional<Snapshot> second = loadSnapshot(ids.last());
        if (!second)
            return;
        if (second->deviceType != first->deviceType)
            return differentModels(second->deviceType);
        const StoredConfiguration after(second->image, second->deviceType, second->descriptions);
        differences = compareConfigurations(before.configuration(), after.configuration());
        afterText = sideText(*second);
    } else {
        const olma::config::Configuration* current = _hooks.current ? _hooks.current() : nullptr;
        if (!current)
            return;
        if (current->deviceType() != first->deviceType)
            return differentModels(current->deviceType());
        differences = compareConfigurations(before.configuration(), *current);
        afterText = wt::kCurrentSide;
    }
    ComparisonDialog dialog(sideText(*first), afterText, differences, this);
    olma::dialogs::exec(&dialog);
}

void ArchivePanelsDialog::showHistory()
{
    const std::optional<PanelInfo> panel = currentPanel();
    if (!panel)
        return;
    const QByteArray history = _archive.history(panel->serial);
    if (history.isEmpty()) {
        olma::dialogs::information(this, wt::kHistory, wt::kNoHistory.arg(panel->serial));
        return;
    }
    if (_hooks.showHistory)
        _hooks.showHistory(*panel, history);
}

} // namespace olma::archive
