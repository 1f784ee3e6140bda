#include "config/widgets/configurationuserswidget.h"
#include "ui_configurationuserswidget.h"

#include "common/text.h"
#include "config/multiuser.h"
#include "config/users.h"
#include "config/widgets/listpage.h"
#include "config/widgets/pagetexts.h"

namespace olma::config {

using listpage::firstLine;

namespace {

// Initial split: room for the name and the start of the description.
constexpr int kUsersListWidth = 360;
constexpr int kUsersPageWidth = 1000;
constexpr int kNameColumnWidth = 160;
constexpr olma::Text kOnlySet = OLMA_TEXT("ConfigurationPages", "только заданные");
constexpr olma::Text kSamePassword = OLMA_TEXT("ConfigurationPages", "Тот же пароль: %1");
constexpr olma::Text kSameKey = OLMA_TEXT("ConfigurationPages", "Тот же ключ iButton: %1");
const QColor kDuplicateColour(255, 224, 160);

} // namespace

ConfigurationUsersWidget::ConfigurationUsersWidget(Users* users, QWidget* parent)
    : SelectionListPage(parent), _ui(std::make_unique<Ui::ConfigurationUsersWidget>()), _users(users)
{
    _ui->setupUi(this);
    _ui->_splitter->setSizes({kUsersListWidth, kUsersPageWidth});
    _ui->_usersTreeWidget->header()->resizeSection(0, kNameColumnWidth);
    if (!_users)
        return;
    connect(_users, &Users::userDescriptionChanged, this, &ConfigurationUsersWidget::userDescriptionChangedHandler);
    connect(_users, &Users::userKeyOrPasswordChanged, this, &ConfigurationUsersWidget::userKeyOrPasswordChangedHandler);
    attach(_ui->_usersTreeWidget, _ui->_userStack);
    addFilter(kOnlySet, [this](int row) { return _users->user(row)->isSet(); });
}

ConfigurationUsersWidget::~ConfigurationUsersWidget() = default;

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
    const QPalette::ColorGroup group = user->isSet() ? QPalette::Active : QPalette::Disabled;
    const QBrush brush(_ui->_usersTreeWidget->palette().color(group, QPalette::Text));
    for (int column = 0; column < item->columnCount(); ++column)
        item->setForeground(column, brush);

    // Two users with one password or one key cannot be told apart by the panel.
    QStringList samePassword;
    QStringList sameKey;
    for (int other = 0; other < _users->count(); ++other) {
        const User* them = _users->user(other);
        if (other == row)
            continue;
        if (!user->password().isEmpty() && them->password() == user->password())
            samePassword.append(rowTitle(other));
        if (!user->key().isUnset() && them->key() == user->key())
            sameKey.append(rowTitle(other));
    }
    QStringList tips;
    if (!samePassword.isEmpty())
        tips.append(kSamePassword.arg(samePassword.join(QStringLiteral(", "))));
    if (!sameKey.isEmpty())
        tips.append(kSameKey.arg(sameKey.join(QStringLiteral(", "))));
    const QBrush background = tips.isEmpty() ? QBrush() : QBrush(kDuplicateColour);
    for (int column = 0; column < item->columnCount(); ++column) {
        item->setBackground(column, background);
        item->setToolTip(column, tips.join(QLatin1Char('\n')));
    }
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

std::unique_ptr<ConfigItem> ConfigurationUsersWidget::createMulti(const QList<int>& rows)
{
    const auto user = [this](int row) { return _users->user(row); };
    return std::make_unique<MultiUser>(nodes<UserCommon>(rows, user), _users->deviceType());
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
    redecorate({num});
}

void ConfigurationUsersWidget::userKeyOrPasswordChangedHandler(int /*num*/)
{
    // A password or key may now match, or no longer match, another user's.
    redecorateAll();
}

} // namespace olma::config
