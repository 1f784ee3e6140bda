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

using listpage::firstLine;

namespace {

// Initial split: room for the name and the start of the description.
constexpr int kListWidth = 360;
constexpr int kPageWidth = 1000;
constexpr int kNameColumnWidth = 160;

} // namespace

ConfigurationUsersWidget::ConfigurationUsersWidget(Users* users, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationUsersWidget>()), _users(users)
{
    _ui->setupUi(this);
    _ui->_splitter->setSizes({kListWidth, kPageWidth});
    _ui->_usersTreeWidget->header()->resizeSection(0, kNameColumnWidth);
    if (!_users)
        return;
    connect(_users, &Users::userDescriptionChanged, this, &ConfigurationUsersWidget::userDescriptionChangedHandler);
    connect(_users, &Users::userKeyOrPasswordChanged, this, &ConfigurationUsersWidget::userKeyOrPasswordChangedHandler);
    attach(_ui->_usersTreeWidget, _ui->_userStack);
}

ConfigurationUsersWidget::~ConfigurationUsersWidget()
{
    // The page of several users edits the multi-selection object; it goes first.
    dropPage();
}

int ConfigurationUsersWidget::rowCount() const
{
    return _users->count();
}

QString ConfigurationUsersWidget::rowTitle(int row) const
{
    return pagetexts::kNumberedRow.arg(_users->user(row)->name()).arg(row + 1);
}

void ConfigurationUsersWidget::decorateRow(QTreeWidgetItem* item, int row)
{
    const User* user = _users->user(row);
    item->setText(1, firstLine(user->description()));
    const QPalette::ColorGroup group = user->hasCredentials() ? QPalette::Active : QPalette::Disabled;
    const QBrush brush(_ui->_usersTreeWidget->palette().color(group, QPalette::Text));
    for (int column = 0; column < item->columnCount(); ++column)
        item->setForeground(column, brush);
}

int ConfigurationUsersWidget::rememberedRow() const
{
    return _users->currentUser();
}

void ConfigurationUsersWidget::rememberRow(int row)
{
    _users->setCurrentUser(row);
}

QWidget* ConfigurationUsersWidget::createRowPage(int row, QWidget* parent)
{
    return _users->user(row)->createWidget(parent);
}

QWidget* ConfigurationUsersWidget::createMultiPage(const QList<int>& rows, QWidget* parent)
{
    _multiUser.reset();
    QList<UserCommon*> users;
    for (int row : rows)
        users.append(_users->user(row));
    _multiUser = std::make_unique<MultiUser>(users, _users->deviceType());
    return _multiUser->createWidget(parent);
}

void ConfigurationUsersWidget::paste(int source, int target)
{
    const User* from = _users->user(source);
    User* to = _users->user(target);
    if (!from || !to)
        return;
    to->setPassword(from->password());
    to->setKey(from->key());
    to->setAccessMask(from->accessMask());
    to->setTailOn(from->tailOn());
    to->setTailOff(from->tailOff());
    to->setPartialTailOnOff(from->partialTailOnOff());
    to->setTailDrop(from->tailDrop());
    to->setDescription(from->description());
}

void ConfigurationUsersWidget::userDescriptionChangedHandler(int num, const QString& /*descr*/)
{
    refreshRow(num);
}

void ConfigurationUsersWidget::userKeyOrPasswordChangedHandler(int num)
{
    refreshRow(num);
}

// Row updates must not look like a new choice in the list, and whoever was typing keeps the focus.
void ConfigurationUsersWidget::refreshRow(int num)
{
    QTreeWidgetItem* item = rowItem(num);
    if (!item)
        return;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    {
        const QSignalBlocker blocker(tree());
        decorateRow(item, num);
    }
    if (focus)
        focus->setFocus();
}

} // namespace olma::config
