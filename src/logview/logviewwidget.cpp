#include "logview/logviewwidget.h"
#include "ui_logviewwidget.h"

#include "common/dialogs.h"
#include "common/safefile.h"
#include "common/text.h"
#include "logview/logdaychart.h"
#include "logview/logevents.h"
#include "logview/logrowsmodel.h"
#include "logview/logseverity.h"
#include "logview/logtexts.h"
#include "logview/logview.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>

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

// The sort key of each column of the list; column 0 is the event's number.
constexpr int kColumnKeys[LogRowsModel::kColumns] = {NumberKey, DateTimeKey, SourceKey, EventKey, Param1Key, Param2Key};

// Combo boxes as wide as their longest entry would push the page past a laptop's screen.
constexpr int kComboChars = 14;

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

LogViewWidget::LogViewWidget(LogEvents* store, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::LogViewWidget>()), _store(store)
{
    _store->setLogViewWidget(this);
    _ui->setupUi(this);
    _model = new LogRowsModel(this);
    _ui->_treeWidget->setModel(_model);
    buildAdditions();

    QHeaderView* header = _ui->_treeWidget->header();
    header->resizeSection(0, 60);
    header->resizeSection(1, 120);
    header->resizeSection(2, 110);
    header->resizeSection(3, 320);
    header->resizeSection(4, 180);
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, &LogViewWidget::sortByColumn);
    connect(_ui->_treeWidget, &QWidget::customContextMenuRequested, this, &LogViewWidget::showPopupMenu);
    connect(_ui->_eventSourceComboBox, &QComboBox::activated, this, &LogViewWidget::initEventCombo);
    connect(_ui->_deviceTypeComboBox, &QComboBox::activated, this, &LogViewWidget::initDeviceAddressCombo);

    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &LogViewWidget::copySelectedRows);
    _ui->_treeWidget->addAction(copy);

    for (QComboBox* combo : findChildren<QComboBox*>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(kComboChars);
    }

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

    // From here on every change of an input applies at once; the button stays and rebuilds.
    for (QCheckBox* box : _ui->_filterGroupBox->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &LogViewWidget::filtersChanged);
    for (QComboBox* combo : _ui->_filterGroupBox->findChildren<QComboBox*>())
        connect(combo, &QComboBox::currentIndexChanged, this, &LogViewWidget::filtersChanged);
    for (QDateTimeEdit* edit : {_ui->_fromDateTimeEdit, _ui->_toDateTimeEdit})
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &LogViewWidget::filtersChanged);
    connect(_ui->_sortOrderWidget, &SortOrderWidget::keysChanged, this, [this] {
        // Keys arranged in the list take over from a header click.
        _headerColumn = -1;
        _ui->_treeWidget->header()->setSortIndicatorShown(false);
        filtersChanged();
    });
    connect(_search, &QLineEdit::textChanged, this, &LogViewWidget::filtersChanged);
    _filling = false;
}

void LogViewWidget::buildAdditions()
{
    // A row under the filter: the search and the quick filters.
    auto* quick = new QHBoxLayout;
    quick->setObjectName(QStringLiteral("_quickLayout"));
    _search = new QLineEdit(this);
    _search->setObjectName(QStringLiteral("_searchEdit"));
    _search->setPlaceholderText(texts::kSearchPlaceholder);
    _search->setClearButtonEnabled(true);
    quick->addWidget(_search, 1);
    auto addButton = [&](const QString& text, const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setCheckable(true);
        quick->addWidget(button);
        connect(button, &QToolButton::toggled, this, &LogViewWidget::filtersChanged);
        return button;
    };
    _kindButtons = {{addButton(texts::kQuickFire, "_quickFire"), QuickFire},
                    {addButton(texts::kQuickAlarms, "_quickAlarms"), QuickAlarm},
                    {addButton(texts::kQuickFaults, "_quickFaults"), QuickFault},
                    {addButton(texts::kQuickUsers, "_quickUsers"), QuickUser}};
    _dayButton = addButton(texts::kQuickDay, "_quickDay");
    _weekButton = addButton(texts::kQuickWeek, "_quickWeek");
    _dayButton->setToolTip(OLMA_TEXT("Log", "События последних суток журнала"));
    _weekButton->setToolTip(OLMA_TEXT("Log", "События последней недели журнала"));
    // One period at a time.
    connect(_dayButton, &QAbstractButton::clicked, this, [this](bool on) {
        if (on)
            _weekButton->setChecked(false);
    });
    connect(_weekButton, &QAbstractButton::clicked, this, [this](bool on) {
        if (on)
            _dayButton->setChecked(false);
    });

    // The count of the rows shown and the legend of the colours.
    auto* status = new QHBoxLayout;
    _countLabel = new QLabel(this);
    _countLabel->setObjectName(QStringLiteral("_countLabel"));
    status->addWidget(_countLabel, 1);
    for (Severity severity : {Severity::Fire, Severity::Alarm, Severity::Fault, Severity::Normal}) {
        auto* swatch = new QLabel(severityName(severity), this);
        const QString colour = severityColour(severity);
        swatch->setStyleSheet(QStringLiteral("padding: 1px 6px; border: 1px solid #a0a0a0; background: %1;")
                                  .arg(colour.isEmpty() ? QStringLiteral("white") : colour));
        status->addWidget(swatch);
    }

    _chart = new LogDayChart(this);
    connect(_chart, &LogDayChart::dayClicked, this, &LogViewWidget::showDay);

    _ui->_mainLayout->insertLayout(1, quick);
    _ui->_mainLayout->insertLayout(3, status);
    _ui->_mainLayout->insertWidget(4, _chart);
    _ui->_mainLayout->setStretchFactor(_ui->_treeWidget, 1);

    auto* print = new QPushButton(texts::kPrint, this);
    print->setObjectName(QStringLiteral("_printButton"));
    connect(print, &QPushButton::clicked, this, &LogViewWidget::printRows);
    auto* pdf = new QPushButton(texts::kSavePdf, this);
    pdf->setObjectName(QStringLiteral("_pdfButton"));
    connect(pdf, &QPushButton::clicked, this, &LogViewWidget::savePdf);
    _ui->_rightLayout->insertWidget(2, print);
    _ui->_rightLayout->insertWidget(3, pdf);
}

LogViewWidget::~LogViewWidget()
{
    if (_store && _store->logViewWidget() == this)
        _store->setLogViewWidget(nullptr);
}

void LogViewWidget::storeDestroyed()
{
    _store = nullptr;
    rebuild();
}

void LogViewWidget::update()
{
    _searchTexts.clear();
    _lastEventTime = QDateTime();
    static const std::vector<LogEvent> kNoEvents;
    for (const LogEvent& event : _store ? _store->events() : kNoEvents) {
        if (event.dateTime.isValid() && (!_lastEventTime.isValid() || _lastEventTime < event.dateTime))
            _lastEventTime = event.dateTime;
    }
    if (!_ui->_dateTimeCheckBox->isChecked())
        resetDateRange();
    rebuild();
}

void LogViewWidget::resetDateRange()
{
    QDateTime first;
    static const std::vector<LogEvent> kNoEvents;
    for (const LogEvent& event : _store ? _store->events() : kNoEvents) {
        if (event.dateTime.isValid() && (!first.isValid() || event.dateTime < first))
            first = event.dateTime;
    }
    if (!first.isValid())
        return;
    const bool filling = std::exchange(_filling, true);
    _ui->_fromDateTimeEdit->setDateTime(first);
    _ui->_toDateTimeEdit->setDateTime(_lastEventTime);
    _filling = filling;
}

void LogViewWidget::filtersChanged()
{
    if (!_filling)
        rebuild();
}

void LogViewWidget::rebuild()
{
    _sortKeys = _ui->_sortOrderWidget->sortKeys();
    const LogFilter filter = currentFilter();
    const QString search = _search->text().trimmed().toLower();
    static const std::vector<LogEvent> kNoEvents;
    const std::vector<LogEvent>& events = _store ? _store->events() : kNoEvents;

    if (!search.isEmpty() && _searchTexts.size() != events.size()) {
        _searchTexts.clear();
        _searchTexts.reserve(events.size());
        QStringList texts;
        for (const LogEvent& event : events) {
            describeEvent(event, texts);
            texts.prepend(QString::number(event.number));
            _searchTexts.push_back(texts.join(QLatin1Char('\t')).toLower());
        }
    }

    _visible.clear();
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (filter.accepts(events[i]) && (search.isEmpty() || _searchTexts[i].contains(search)))
            _visible.push_back(events[i]);
    }

    // The rows' order: a clicked column first, then the checked sort keys (larger values first),
    // then the number. The values are taken once, so a long history sorts quickly.
    std::vector<int> keys;
    if (_headerColumn >= 0)
        keys.push_back(kColumnKeys[_headerColumn]);
    keys.insert(keys.end(), _sortKeys.begin(), _sortKeys.end());
    keys.push_back(NumberKey);
    const std::size_t width = keys.size();
    std::vector<qint64> values(_visible.size() * width);
    for (std::size_t row = 0; row < _visible.size(); ++row) {
        for (std::size_t k = 0; k < width; ++k)
            values[row * width + k] = sortValue(_visible[row], keys[k]);
    }
    // Per key: +1 smaller first, -1 larger first.
    std::vector<int> direction(width, -1);
    if (_headerColumn >= 0)
        direction[0] = _headerOrder == Qt::AscendingOrder ? 1 : -1;
    direction[width - 1] = 1;
    std::vector<std::size_t> order(_visible.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t k = 0; k < width; ++k) {
            const qint64 l = values[a * width + k];
            const qint64 r = values[b * width + k];
            if (l != r)
                return direction[k] > 0 ? l < r : l > r;
        }
        return false;
    });
    std::vector<LogEvent> rows;
    rows.reserve(order.size());
    for (std::size_t i : order)
        rows.push_back(_visible[i]);
    _model->setRows(std::move(rows));

    const int total = _store ? int(_store->events().size()) : 0;
    const bool partial = _store && _store->isPartial();
    QString count = texts::kShownCount.arg(_visible.size()).arg(total);
    if (partial)
        count += QStringLiteral("; ") + texts::kPartialCount.arg(total);
    _countLabel->setText(count);
    if (partial)
        _ui->_partialLabel->setText(texts::partialLog(total));
    _ui->_partialLabel->setVisible(partial);
    _chart->setEvents(_visible);
}

void LogViewWidget::sortByColumn(int column)
{
    if (column < 0 || column >= LogRowsModel::kColumns)
        return;
    _headerOrder =
        column == _headerColumn && _headerOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    _headerColumn = column;
    QHeaderView* header = _ui->_treeWidget->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, _headerOrder);
    rebuild();
}

void LogViewWidget::showDay(const QDate& day)
{
    const bool filling = std::exchange(_filling, true);
    _ui->_fromDateTimeEdit->setDateTime(QDateTime(day, QTime(0, 0), Qt::UTC));
    _ui->_toDateTimeEdit->setDateTime(QDateTime(day, QTime(23, 59), Qt::UTC));
    _ui->_dateTimeCheckBox->setChecked(true);
    _filling = filling;
    rebuild();
}

QString LogViewWidget::selectedRowsText() const
{
    QModelIndexList selected = _ui->_treeWidget->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString out;
    for (const QModelIndex& index : selected)
        out += _model->rowTexts(index.row()).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return out;
}

void LogViewWidget::copySelectedRows()
{
    const QString text = selectedRowsText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

QString LogViewWidget::filterDescription() const
{
    QStringList parts;
    auto inputs = [](const std::vector<const QWidget*>& widgets) {
        QStringList out;
        for (const QWidget* w : widgets) {
            if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
                if (!combo->currentText().isEmpty())
                    out.append(combo->currentText());
            } else if (const auto* edit = qobject_cast<const QDateTimeEdit*>(w)) {
                out.append(edit->dateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
            }
        }
        return out.join(QStringLiteral(" – "));
    };
    if (_ui->_dateTimeCheckBox->isChecked())
        parts.append(_ui->_dateTimeCheckBox->text() + QStringLiteral(": ") +
                     inputs({_ui->_fromDateTimeEdit, _ui->_toDateTimeEdit}));
    if (_ui->_eventCheckBox->isChecked())
        parts.append(_ui->_eventCheckBox->text() + QStringLiteral(": ") +
                     inputs({_ui->_eventSourceComboBox, _ui->_eventComboBox}));
    if (_ui->_userCheckBox->isChecked())
        parts.append(_ui->_userCheckBox->text() + QStringLiteral(": ") + inputs({_ui->_userComboBox}));
    if (_ui->_tailCheckBox->isChecked())
        parts.append(_ui->_tailCheckBox->text() + QStringLiteral(": ") + inputs({_ui->_tailComboBox}));
    if (_ui->_deviceBlockCheckBox->isChecked())
        parts.append(_ui->_deviceBlockCheckBox->text() + QStringLiteral(": ") +
                     inputs({_ui->_deviceTypeComboBox, _ui->_deviceAddressComboBox}));
    for (const auto& [button, kind] : _kindButtons) {
        if (button->isChecked())
            parts.append(button->text());
    }
    for (const QAbstractButton* button : {_dayButton, _weekButton}) {
        if (button->isChecked())
            parts.append(button->text());
    }
    if (!_search->text().trimmed().isEmpty())
        parts.append(QStringLiteral("«%1»").arg(_search->text().trimmed()));
    return parts.isEmpty() ? texts::kPrintNoFilters : parts.join(QStringLiteral("; "));
}

QString LogViewWidget::printHtml() const
{
    QString html = QStringLiteral("<html><body><h3>%1</h3>").arg(escaped(texts::kPrintTitle));
    if (_store && !_store->source().isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(texts::kPrintSource.arg(_store->source())));
    if (_store && _store->readTime().isValid())
        html += QStringLiteral("<p>%1</p>")
                    .arg(escaped(
                        texts::kPrintReadTime.arg(_store->readTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")))));
    html += QStringLiteral("<p>%1</p>").arg(escaped(texts::kPrintFilters.arg(filterDescription())));
    html += QStringLiteral("<p>%1</p>").arg(escaped(_countLabel->text()));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>");
    for (int column = 0; column < LogRowsModel::kColumns; ++column)
        html += QStringLiteral("<th>%1</th>").arg(escaped(_model->headerData(column, Qt::Horizontal).toString()));
    html += QStringLiteral("</tr>\n");
    for (int row = 0; row < _model->rowCount(); ++row) {
        const QString colour = severityColour(severityOf(_model->event(row)));
        html += colour.isEmpty() ? QStringLiteral("<tr>") : QStringLiteral("<tr bgcolor=\"%1\">").arg(colour);
        for (const QString& text : _model->rowTexts(row))
            html += QStringLiteral("<td>%1</td>").arg(escaped(text));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

void LogViewWidget::render(QPagedPaintDevice* device) const
{
    QTextDocument document;
    document.setHtml(printHtml());
    document.print(device);
}

void LogViewWidget::printRows()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (olma::dialogs::exec(&dialog) != QDialog::Accepted)
        return;
    render(&printer);
}

void LogViewWidget::savePdf()
{
    QString name = olma::dialogs::getSaveFileName(this, texts::kSavePdf, texts::kStartDir, texts::kPdfFilter);
    if (name.isEmpty())
        return;
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    // The document is made in memory and the file replaced whole, as every file of the program is.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(texts::kPrintTitle);
        writer.setPageSize(QPageSize(QPageSize::A4));
        render(&writer);
    }
    QString why;
    if (!olma::files::writeFile(name, bytes, &why))
        olma::dialogs::critical(this, texts::kPdfTitle, olma::files::withReason(texts::kPdfFailed.arg(name), why));
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

    for (const auto& [button, kind] : _kindButtons) {
        if (button->isChecked())
            filter.quickKinds |= kind;
    }
    // A period counts back from the log's last event: a log read days after the incident, or
    // loaded from the archive, still shows its last day.
    if (_lastEventTime.isValid() && _dayButton->isChecked())
        filter.since = _lastEventTime.addDays(-1);
    else if (_lastEventTime.isValid() && _weekButton->isChecked())
        filter.since = _lastEventTime.addDays(-7);
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
    combo->addItem(OLMA_TEXT("Log", "Все события"));
    if (const EventTable* table = eventTable(_ui->_eventSourceComboBox->currentIndex() + 1)) {
        for (const EventName& entry : *table)
            combo->addItem(entry.text);
    }
}

void LogViewWidget::initUserCombo()
{
    QComboBox* combo = _ui->_userComboBox;
    combo->clear();
    combo->addItem(OLMA_TEXT("Log", "Все пользователи"));
    for (int user = kFirstUser; user <= kUserNumbers; ++user) {
        const bool admin = user == kFirstUser || user == kLastUser;
        combo->addItem((admin ? OLMA_TEXT("Log", "Администратор %1") : OLMA_TEXT("Log", "Пользователь %1")).arg(user));
    }
}

void LogViewWidget::initTailCombo()
{
    QComboBox* combo = _ui->_tailComboBox;
    combo->clear();
    combo->addItem(OLMA_TEXT("Log", "Все ШС"));
    // The second letter of "ШC" is a Latin C.
    for (int tail = 1; tail <= kTailNumbers; ++tail)
        combo->addItem(OLMA_TEXT("Log", "ШC - %1").arg(tail));
}

void LogViewWidget::initDeviceTypeCombo()
{
    QComboBox* combo = _ui->_deviceTypeComboBox;
    combo->clear();
    combo->addItem(OLMA_TEXT("Log", "Все типы"));
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
    combo->addItem(OLMA_TEXT("Log", "Все адреса"));
    for (int address = 1; address <= count; ++address)
        combo->addItem(OLMA_TEXT("Log", "Адрес %1").arg(address));
}

void LogViewWidget::on_filterButton_clicked()
{
    rebuild();
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
    if (!_store)
        return;
    const QString name = askExportFileName(this, _store);
    if (name.isEmpty())
        return;
    // A log of its own holds exactly the rows shown, so the file matches the filter.
    LogView log;
    log.setHtmlSeverityColours(_store->htmlSeverityColours());
    log.logEventsAdd(_visible);
    showOutcome(this, log.exportLog(name));
}

} // namespace olma::logview
