#include "config/widgets/configurationuserswidget.h"
#include "ui_configurationuserswidget.h"

#include "config/multiuser.h"
#include "config/users.h"
#include "config/widgets/listpage.h"
#include "config/widgets/pagetexts.h"

#include <QApplication>
#include <QPointer>
#include <QSignalBlocker>

namespace olma::config {

using namespace listpage;

namespace {

// Initial split: room for the name and the start of the description.
constexpr int kListWidth = 360;
constexpr int kPageWidth = 1000;
constexpr int kNameColumnWidth = 160;

} // namespace

ConfigurationUsersWidget::ConfigurationUsersWidget(Users* users, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationUsersWidget>()), _users(users)
{
    _ui->setupUi(this);
    _ui->_splitter->setSizes({kListWidth, kPageWidth});
    _ui->_usersTreeWidget->header()->resizeSection(0, kNameColumnWidth);
    if (!_users)
        return;
    fillList();

    using W = ConfigurationUsersWidget;
    QTreeWidget* tree = _ui->_usersTreeWidget;
    connect(tree, &QTreeWidget::currentItemChanged, this,
            qOverload<QTreeWidgetItem*, QTreeWidgetItem*>(&W::showUserWidget));
    connect(tree, &QTreeWidget::itemActivated, this, qOverload<QTreeWidgetItem*, int>(&W::showUserWidget));
    connect(tree, &QTreeWidget::itemClicked, this, qOverload<QTreeWidgetItem*, int>(&W::showUserWidget));
    connect(tree, &QTreeWidget::itemPressed, this, qOverload<QTreeWidgetItem*, int>(&W::showUserWidget));
    connect(tree, &QTreeWidget::itemChanged, this, qOverload<QTreeWidgetItem*, int>(&W::showUserWidget));
    connect(tree, &QTreeWidget::itemSelectionChanged, this, qOverload<>(&W::showUserWidget));
    connect(tree, &QWidget::customContextMenuRequested, this, &W::showPopupMenu);
    connect(_users, &Users::userDescriptionChanged, this, &W::userDescriptionChangedHandler);
    connect(_users, &Users::userKeyOrPasswordChanged, this, &W::userKeyOrPasswordChangedHandler);

    showSelection(true);
}

ConfigurationUsersWidget::~ConfigurationUsersWidget()
{
    // The page may edit the aggregate; it goes first.
    delete _page;
}

void ConfigurationUsersWidget::fillList()
{
    QTreeWidget* tree = _ui->_usersTreeWidget;
    const QSignalBlocker blocker(tree);
    tree->clear();
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < _users->count(); ++i) {
        const User* user = _users->user(i);
        auto* item = new QTreeWidgetItem;
        item->setText(0, pagetexts::kNumberedRow.arg(user->name()).arg(i + 1));
        item->setText(1, firstLine(user->description()));
        item->setData(0, kIndexRole, i);
        colourRow(item, user);
        rows.append(item);
    }
    tree->addTopLevelItems(rows);
    QTreeWidgetItem* current = rowOf(_users->currentUser());
    if (!current)
        current = tree->topLevelItem(0);
    if (current)
        tree->setCurrentItem(current);
}

void ConfigurationUsersWidget::colourRow(QTreeWidgetItem* item, const User* user)
{
    const QPalette::ColorGroup group = user->hasCredentials() ? QPalette::Active : QPalette::Disabled;
    const QBrush brush(_ui->_usersTreeWidget->palette().color(group, QPalette::Text));
    for (int column = 0; column < item->columnCount(); ++column)
        item->setForeground(column, brush);
}

QTreeWidgetItem* ConfigurationUsersWidget::rowOf(int num) const
{
    QTreeWidgetItem* item = _ui->_usersTreeWidget->topLevelItem(num);
    return indexOf(item) == num ? item : nullptr;
}

void ConfigurationUsersWidget::showUserWidget()
{
    showSelection(false);
}

void ConfigurationUsersWidget::showUserWidget(QTreeWidgetItem* /*item*/, int /*column*/)
{
    showSelection(false);
}

void ConfigurationUsersWidget::showUserWidget(QTreeWidgetItem* /*current*/, QTreeWidgetItem* /*previous*/)
{
    showSelection(false);
}

void ConfigurationUsersWidget::showSelection(bool force)
{
    const QList<int> selection = selectedIndexes(_ui->_usersTreeWidget);
    const int current = indexOf(_ui->_usersTreeWidget->currentItem());
    if (!force && selection == _shownSelection && current == _shownCurrent && _page)
        return;
    _shownSelection = selection;
    _shownCurrent = current;

    QStackedWidget* stack = _ui->_userStack;
    replacePage(stack, _page, nullptr);
    if (selection.size() > 1) {
        _multiUser.reset();
        QList<UserCommon*> users;
        for (int index : selection)
            users.append(_users->user(index));
        _multiUser = std::make_unique<MultiUser>(users, _users->deviceType());
        replacePage(stack, _page, _multiUser->createWidget(stack));
    } else if (User* user = _users->user(current)) {
        _users->setCurrentUser(current);
        replacePage(stack, _page, user->createWidget(stack));
    }
}

void ConfigurationUsersWidget::showPopupMenu(const QPoint& pos)
{
    switch (execCopyPasteMenu(_ui->_usersTreeWidget, pos, _users->user(_clipboard) != nullptr)) {
    case MenuChoice::Copy:
        copy();
        break;
    case MenuChoice::Paste:
        paste();
        break;
    case MenuChoice::None:
        break;
    }
}

void ConfigurationUsersWidget::copy()
{
    const QList<int> selection = selectedIndexes(_ui->_usersTreeWidget);
    if (selection.size() == 1)
        _clipboard = selection.first();
}

void ConfigurationUsersWidget::paste()
{
    const User* source = _users->user(_clipboard);
    if (!source)
        return;
    for (int index : selectedIndexes(_ui->_usersTreeWidget)) {
        User* target = _users->user(index);
        if (!target || target == source)
            continue;
        target->setPassword(source->password());
        target->setKey(source->key());
        target->setAccessMask(source->accessMask());
        target->setTailOn(source->tailOn());
        target->setTailOff(source->tailOff());
        target->setPartialTailOnOff(source->partialTailOnOff());
        target->setTailDrop(source->tailDrop());
        target->setDescription(source->description());
    }
    fillList();
    showSelection(true);
}

// Row updates must not look like a new choice in the list, and whoever was typing keeps the focus.
void ConfigurationUsersWidget::userDescriptionChangedHandler(int num, const QString& descr)
{
    QTreeWidgetItem* item = rowOf(num);
    if (!item)
        return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    {
        const QSignalBlocker blocker(_ui->_usersTreeWidget);
        item->setText(1, firstLine(descr));
    }
    if (focus)
        focus->setFocus();
}

void ConfigurationUsersWidget::userKeyOrPasswordChangedHandler(int num)
{
    QTreeWidgetItem* item = rowOf(num);
    if (!item)
        return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    {
        const QSignalBlocker blocker(_ui->_usersTreeWidget);
        colourRow(item, _users->user(num));
    }
    if (focus)
        focus->setFocus();
}

} // namespace olma::config
