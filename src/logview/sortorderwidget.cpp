#include "logview/sortorderwidget.h"

#include "common/text.h"
#include "ui_sortorderwidget.h"

#include <QPixmap>

namespace olma::logview {
namespace {

// The button icons: a triangle lit from the upper left, light grey, grey and black.
const char* const kUpArrow[] = {"32 32 4 1",
                                "  c None",
                                ". c #D4D4D4",
                                "+ c #808080",
                                "# c #000000",
                                "                                ",
                                "                                ",
                                "                                ",
                                "                                ",
                                "                                ",
                                "               .                ",
                                "              ...               ",
                                "              ..#               ",
                                "             ..+##              ",
                                "            ...+###             ",
                                "            ..+++##             ",
                                "           ..+++++##            ",
                                "          ...+++++###           ",
                                "          ..+++++++##           ",
                                "         ..+++++++++##          ",
                                "        ...+++++++++###         ",
                                "        ..+++++++++++##         ",
                                "       ..+++++++++++++##        ",
                                "      ...+++++++++++++###       ",
                                "      ..+++++++++++++++##       ",
                                "     ..+++++++++++++++++##      ",
                                "    ...+++++++++++++++++###     ",
                                "    ..+++++++++++++++++++##     ",
                                "   ..+++++++++++++++++++++##    ",
                                "  ...+++++++++++++++++++++###   ",
                                "  ..#########################   ",
                                " ..###########################  ",
                                "                                ",
                                "                                ",
                                "                                ",
                                "                                ",
                                "                                "};

const char* const kDownArrow[] = {"32 32 4 1",
                                  "  c None",
                                  ". c #D4D4D4",
                                  "+ c #808080",
                                  "# c #000000",
                                  "                                ",
                                  "                                ",
                                  "                                ",
                                  "                                ",
                                  "                                ",
                                  " ...........................##  ",
                                  "  .........................##   ",
                                  "  ...+++++++++++++++++++++###   ",
                                  "   ..+++++++++++++++++++++##    ",
                                  "    ..+++++++++++++++++++##     ",
                                  "    ...+++++++++++++++++###     ",
                                  "     ..+++++++++++++++++##      ",
                                  "      ..+++++++++++++++##       ",
                                  "      ...+++++++++++++###       ",
                                  "       ..+++++++++++++##        ",
                                  "        ..+++++++++++##         ",
                                  "        ...+++++++++###         ",
                                  "         ..+++++++++##          ",
                                  "          ..+++++++##           ",
                                  "          ...+++++###           ",
                                  "           ..+++++##            ",
                                  "            ..+++##             ",
                                  "            ...+###             ",
                                  "             ..+##              ",
                                  "              ..#               ",
                                  "              ...               ",
                                  "               .                ",
                                  "                                ",
                                  "                                ",
                                  "                                ",
                                  "                                ",
                                  "                                "};

struct KeyEntry
{
    SortOrderWidget::Key key;
    const char* text;
};

constexpr KeyEntry kKeys[] = {
    {DateTimeKey, QT_TRANSLATE_NOOP("Log", "Дата/время")}, {SourceKey, QT_TRANSLATE_NOOP("Log", "Источник")},
    {EventKey, QT_TRANSLATE_NOOP("Log", "Событие")},       {Param1Key, QT_TRANSLATE_NOOP("Log", "Параметр 1")},
    {Param2Key, QT_TRANSLATE_NOOP("Log", "Параметр 2")},
};

} // namespace

SortOrderWidget::SortOrderWidget(QWidget* parent) : QWidget(parent), _ui(std::make_unique<Ui::SortOrderWidget>())
{
    _ui->setupUi(this);
    _ui->upToolButton->setIcon(QPixmap(kUpArrow));
    _ui->downToolButton->setIcon(QPixmap(kDownArrow));
    for (const KeyEntry& entry : kKeys) {
        auto* item = new QListWidgetItem(olma::translate("Log", entry.text), _ui->listWidget, entry.key);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(_ui->listWidget, &QListWidget::itemChanged, this, &SortOrderWidget::keysChanged);
    // Room for all five entries, so that the order is seen at a glance.
    const int rows = _ui->listWidget->count();
    _ui->listWidget->setFixedHeight(rows * _ui->listWidget->sizeHintForRow(0) + 2 * _ui->listWidget->frameWidth() + 4);
}

SortOrderWidget::~SortOrderWidget() = default;

std::vector<int> SortOrderWidget::sortKeys() const
{
    std::vector<int> keys;
    for (int row = 0; row < _ui->listWidget->count(); ++row) {
        const QListWidgetItem* item = _ui->listWidget->item(row);
        if (item->checkState() == Qt::Checked)
            keys.push_back(item->type());
    }
    return keys;
}

void SortOrderWidget::on_upToolButton_clicked()
{
    moveCurrent(-1);
}

void SortOrderWidget::on_downToolButton_clicked()
{
    moveCurrent(+1);
}

void SortOrderWidget::moveCurrent(int step)
{
    QListWidget* list = _ui->listWidget;
    const int row = list->currentRow();
    if (row < 0)
        return;
    const int target = qBound(0, row + step, list->count() - 1);
    if (target == row)
        return;
    QListWidgetItem* item = list->takeItem(row);
    list->insertItem(target, item);
    list->setCurrentItem(item);
    emit keysChanged();
}

} // namespace olma::logview
