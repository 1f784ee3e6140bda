#include "config/widgets/configurationcontentblocktablewidget.h"
#include "ui_configurationcontentblocktablewidget.h"

#include "config/blockgroup.h"
#include "config/widgets/pagetexts.h"

#include <QSignalBlocker>

namespace olma::config {
namespace {

constexpr int kDeviceColumn = 0;
constexpr int kAddressColumn = 1;
constexpr int kConnectionColumn = 2;
constexpr int kDeviceColumnWidth = 160;
constexpr int kAddressColumnWidth = 80;

} // namespace

ConfigurationContentBlockTableWidget::ConfigurationContentBlockTableWidget(BlockGroup* group, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationContentBlockTableWidget>()), _group(group)
{
    _ui->setupUi(this);
    QTableWidget* table = _ui->_blockTableWidget;
    table->horizontalHeader()->resizeSection(kDeviceColumn, kDeviceColumnWidth);
    table->horizontalHeader()->resizeSection(kAddressColumn, kAddressColumnWidth);
    _ui->_descrTextEdit->setEnabled(false);
    if (!_group)
        return;

    table->setRowCount(_group->count());
    for (int row = 0; row < _group->count(); ++row) {
        table->setItem(row, kDeviceColumn, new QTableWidgetItem(_group->name()));
        auto* address = new QTableWidgetItem(QString::number(row + 1));
        address->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, kAddressColumn, address);
        auto* connection = new QTableWidgetItem(pagetexts::kConnected);
        connection->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        connection->setCheckState(_group->isConnected(row) ? Qt::Checked : Qt::Unchecked);
        table->setItem(row, kConnectionColumn, connection);
    }

    connect(table, &QTableWidget::itemChanged, this, &ConfigurationContentBlockTableWidget::connectionChanged);
    connect(table, &QTableWidget::currentCellChanged, this,
            [this](int row) { ConfigurationContentBlockTableWidget::blockChanged(row); });
    connect(_ui->_descrTextEdit, &QTextEdit::textChanged, this, &ConfigurationContentBlockTableWidget::descrChanged);
    if (_group->count() > 0)
        table->setCurrentCell(0, kDeviceColumn);
}

ConfigurationContentBlockTableWidget::~ConfigurationContentBlockTableWidget() = default;

void ConfigurationContentBlockTableWidget::connectionChanged(QTableWidgetItem* item)
{
    if (item && item->column() == kConnectionColumn)
        _group->setConnected(item->row(), item->checkState() == Qt::Checked);
}

void ConfigurationContentBlockTableWidget::blockChanged(int row)
{
    _block = row >= 0 && row < _group->count() ? row : -1;
    const QSignalBlocker blocker(_ui->_descrTextEdit);
    _ui->_descrTextEdit->setPlainText(_block >= 0 ? _group->blockDescription(_block) : QString());
    _ui->_descrTextEdit->setEnabled(_block >= 0);
}

void ConfigurationContentBlockTableWidget::descrChanged()
{
    if (_block >= 0)
        _group->setBlockDescription(_block, _ui->_descrTextEdit->toPlainText());
}

} // namespace olma::config
