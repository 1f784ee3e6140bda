#include "logview/logviewwidget.h"
#include "ui_logviewwidget.h"

#include "common/dialogs.h"
#include "logview/logevents.h"
#include "logview/logtexts.h"
#include "logview/logview.h"
#include "logview/qmytreewidgetitem.h"

#include <QHeaderView>
#include <QMenu>

namespace olma::logview {
namespace {

constexpr int kUserNumbers = 255;
constexpr int kFirstUser = 1;
constexpr int kLastUser = 255;   // numbers 1 and 255 are the panel's administrators
constexpr int kTailNumbers = 16; // every model's loops, so one list serves all panels

// Addresses a block of each type can take on its line; ПЦ and ПШ have none to choose.
int addressCount(int blockType)
{
    switch (blockType) {
    case 1: // КВ
    case 2: // БРВ-А
    case 3: // БВИ-А
    case 5: // БП-А
        return 4;
    case 7:  // ИП
    case 11: // БКВ-А
        return 8;
    case 8: // УПС-А(Ех)
        return 16;
    default:
        return 0;
    }
}

// The first entry of every list but the class list stands for any value.
int chosenIndex(const QComboBox* combo)
{
    return combo->count() == 0 || combo->currentIndex() <= 0 ? -1 : combo->currentIndex();
}

// Whole minutes: the records carry no seconds, and the editors show none.
QDateTime minuteOf(const QDateTime& value)
{
    const QTime t = value.time();
    return QDateTime(value.date(), QTime(t.hour(), t.minute()), Qt::UTC);
}

} // namespace

LogViewWidget::LogViewWidget(LogEvents* store, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::LogViewWidget>()), _store(store)
{
    _store->setLogViewWidget(this);
    _ui->setupUi(this);

    QHeaderView* header = _ui->_treeWidget->header();
    header->resizeSection(0, 60);
    header->resizeSection(1, 120);
    header->resizeSection(2, 110);
    header->resizeSection(3, 320);
    header->resizeSection(4, 180);
    connect(_ui->_treeWidget, &QWidget::customContextMenuRequested, this, &LogViewWidget::showPopupMenu);
    connect(_ui->_eventSourceComboBox, &QComboBox::activated, this, &LogViewWidget::initEventCombo);
    connect(_ui->_deviceTypeComboBox, &QComboBox::activated, this, &LogViewWidget::initDeviceAddressCombo);

    update();

    for (int eventClass : {kClassBlock, kClassUser, kClassZone})
        _ui->_eventSourceComboBox->addItem(className(eventClass));
    initEventCombo();
    initUserCombo();
    initTailCombo();
    initDeviceTypeCombo();
    initDeviceAddressCombo();

    on__dateTimeCheckBox_stateChanged(Qt::Unchecked);
    on__eventCheckBox_stateChanged(Qt::Unchecked);
    on__userCheckBox_stateChanged(Qt::Unchecked);
    on__tailCheckBox_stateChanged(Qt::Unchecked);
    on__deviceBlockCheckBox_stateChanged(Qt::Unchecked);
}

LogViewWidget::~LogViewWidget()
{
    if (_store && _store->logViewWidget() == this)
        _store->setLogViewWidget(nullptr);
}

void LogViewWidget::storeDestroyed()
{
    _store = nullptr;
    update();
}

void LogViewWidget::update()
{
    _sortKeys = _ui->_sortOrderWidget->sortKeys();
    const LogFilter filter = currentFilter();
    QTreeWidget* tree = _ui->_treeWidget;

    tree->setUpdatesEnabled(false);
    tree->clear();
    _visible.clear();

    QList<QTreeWidgetItem*> rows;
    QStringList texts;
    static const std::vector<LogEvent> kNoEvents;
    for (const LogEvent& event : _store ? _store->events() : kNoEvents) {
        if (!filter.accepts(event))
            continue;
        _visible.push_back(event);
        describeEvent(event, texts);
        texts.prepend(QString::number(event.number));
        rows.append(new QMyTreeWidgetItem(this, event, texts));
    }
    tree->addTopLevelItems(rows);
    tree->sortItems(0, Qt::DescendingOrder);
    tree->setUpdatesEnabled(true);

    const bool partial = _store && _store->isPartial();
    if (partial)
        _ui->_partialLabel->setText(texts::partialLog(int(_store->events().size())));
    _ui->_partialLabel->setVisible(partial);
}

LogFilter LogViewWidget::currentFilter() const
{
    LogFilter filter;
    filter.byDate = _ui->_dateTimeCheckBox->isChecked();
    filter.from = minuteOf(_ui->_fromDateTimeEdit->dateTime());
    filter.to = minuteOf(_ui->_toDateTimeEdit->dateTime());

    filter.byEvent = _ui->_eventCheckBox->isChecked();
    filter.eventClass = _ui->_eventSourceComboBox->currentIndex() + 1;
    if (chosenIndex(_ui->_eventComboBox) > 0) {
        // A name the class does not know accepts every event of the class.
        const EventTable* table = eventTable(filter.eventClass);
        filter.eventCode = table ? eventCode(*table, _ui->_eventComboBox->currentText()) : -1;
    }

    filter.byUser = _ui->_userCheckBox->isChecked();
    filter.user = chosenIndex(_ui->_userComboBox);

    filter.byTail = _ui->_tailCheckBox->isChecked();
    filter.tail = chosenIndex(_ui->_tailComboBox);

    filter.byBlock = _ui->_deviceBlockCheckBox->isChecked();
    if (chosenIndex(_ui->_deviceTypeComboBox) > 0)
        filter.blockType = eventCode(blockTypes(), _ui->_deviceTypeComboBox->currentText());
    filter.blockAddress = chosenIndex(_ui->_deviceAddressComboBox);
    return filter;
}

void LogViewWidget::enableRow(const std::vector<QWidget*>& inputs, int state)
{
    for (QWidget* input : inputs)
        input->setEnabled(state == Qt::Checked);
}

void LogViewWidget::on__dateTimeCheckBox_stateChanged(int state)
{
    enableRow({_ui->_fromDateTimeEdit, _ui->_toDateTimeEdit}, state);
}

void LogViewWidget::on__eventCheckBox_stateChanged(int state)
{
    enableRow({_ui->_eventSourceComboBox, _ui->_eventComboBox}, state);
}

void LogViewWidget::on__userCheckBox_stateChanged(int state)
{
    enableRow({_ui->_userComboBox}, state);
}

void LogViewWidget::on__tailCheckBox_stateChanged(int state)
{
    enableRow({_ui->_tailComboBox}, state);
}

void LogViewWidget::on__deviceBlockCheckBox_stateChanged(int state)
{
    enableRow({_ui->_deviceTypeComboBox, _ui->_deviceAddressComboBox}, state);
}

void LogViewWidget::initEventCombo()
{
    QComboBox* combo = _ui->_eventComboBox;
    combo->clear();
    combo->addItem(QStringLiteral("Все события"));
    if (const EventTable* table = eventTable(_ui->_eventSourceComboBox->currentIndex() + 1)) {
        for (const EventName& entry : *table)
            combo->addItem(entry.text);
    }
}

void LogViewWidget::initUserCombo()
{
    QComboBox* combo = _ui->_userComboBox;
    combo->clear();
    combo->addItem(QStringLiteral("Все пользователи"));
    for (int user = kFirstUser; user <= kUserNumbers; ++user) {
        const bool admin = user == kFirstUser || user == kLastUser;
        combo->addItem((admin ? QStringLiteral("Администратор %1") : QStringLiteral("Пользователь %1")).arg(user));
    }
}

void LogViewWidget::initTailCombo()
{
    QComboBox* combo = _ui->_tailComboBox;
    combo->clear();
    combo->addItem(QStringLiteral("Все ШС"));
    // The second letter of "ШC" is a Latin C.
    for (int tail = 1; tail <= kTailNumbers; ++tail)
        combo->addItem(QStringLiteral("ШC - %1").arg(tail));
}

void LogViewWidget::initDeviceTypeCombo()
{
    QComboBox* combo = _ui->_deviceTypeComboBox;
    combo->clear();
    combo->addItem(QStringLiteral("Все типы"));
    for (const EventName& type : blockTypes())
        combo->addItem(type.text);
}

void LogViewWidget::initDeviceAddressCombo()
{
    QComboBox* combo = _ui->_deviceAddressComboBox;
    combo->clear();
    if (chosenIndex(_ui->_deviceTypeComboBox) <= 0)
        return;
    const int count = addressCount(eventCode(blockTypes(), _ui->_deviceTypeComboBox->currentText()));
    if (count == 0)
        return;
    combo->addItem(QStringLiteral("Все адреса"));
    for (int address = 1; address <= count; ++address)
        combo->addItem(QStringLiteral("Адрес %1").arg(address));
}

void LogViewWidget::on_filterButton_clicked()
{
    update();
}

void LogViewWidget::showPopupMenu(const QPoint& pos)
{
    QMenu menu(this);
    QAction* exportAction = menu.addAction(texts::kExportMenuEntry);
    if (menu.exec(_ui->_treeWidget->viewport()->mapToGlobal(pos)) == exportAction)
        exportVisibleEvents();
}

void LogViewWidget::exportVisibleEvents()
{
    const QString name =
        olma::dialogs::getSaveFileName(this, texts::kExportCaption, texts::kStartDir, texts::kExportFilter);
    if (name.isEmpty())
        return;
    // A log of its own holds exactly the rows shown, so the file matches the filter.
    LogView log;
    log.logEventsAdd(_visible);
    showOutcome(this, log.exportLog(name));
}

} // namespace olma::logview
