#pragma once

#include "config/widgets/selectionlistpage.h"

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationUsersWidget;
}

namespace olma::config {

class Users;

// The "Пользователи" page: the 255 users (those without password or key greyed) beside the page
// of the selected user, or of all selected users at once; users are copied with the context menu.
class ConfigurationUsersWidget : public SelectionListPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationUsersWidget)

public:
    ConfigurationUsersWidget(Users* users, QWidget* parent = nullptr);
    ~ConfigurationUsersWidget() override;

public slots:
    void userDescriptionChangedHandler(int num, const QString& descr);
    void userKeyOrPasswordChangedHandler(int num);

protected:
    int rowCount() const override;
    QString rowTitle(int row) const override;
    int rememberedRow() const override;
    void rememberRow(int row) override;
    QWidget* createRowPage(int row, QWidget* parent) override;
    std::unique_ptr<ConfigItem> createMulti(const QList<int>& rows) override;
    void paste(int source, int target) override;
    // The first line of the description beside the name; users without password or key greyed.
    void decorateRow(QTreeWidgetItem* item, int row) override;

private:
    std::unique_ptr<Ui::ConfigurationUsersWidget> _ui;
    Users* _users = nullptr;
};

} // namespace olma::config
