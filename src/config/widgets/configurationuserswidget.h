#pragma once

#include <QList>
#include <QPoint>
#include <QWidget>

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationUsersWidget;
}

namespace olma::config {

class MultiUser;
class User;
class Users;

// The "Пользователи" page: the 255 users (those without password or key greyed) beside the page
// of the selected user, or of all selected users at once; users are copied with the context menu.
class ConfigurationUsersWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationUsersWidget)

public:
    ConfigurationUsersWidget(Users* users, QWidget* parent = nullptr);
    ~ConfigurationUsersWidget() override;

public slots:
    void showUserWidget();
    void showUserWidget(QTreeWidgetItem* item, int column);
    void showUserWidget(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void showPopupMenu(const QPoint& pos);
    void userDescriptionChangedHandler(int num, const QString& descr);
    void userKeyOrPasswordChangedHandler(int num);

private:
    void fillList();
    void colourRow(QTreeWidgetItem* item, const User* user);
    QTreeWidgetItem* rowOf(int num) const;
    // Shows the page of the selection; an unchanged selection keeps its page unless forced.
    void showSelection(bool force);
    void copy();
    void paste();

    std::unique_ptr<Ui::ConfigurationUsersWidget> _ui;
    Users* _users = nullptr;
    std::unique_ptr<MultiUser> _multiUser;
    QWidget* _page = nullptr;
    // The users the page shows, and which of them was current.
    QList<int> _shownSelection;
    int _shownCurrent = -1;
    int _clipboard = -1;
};

} // namespace olma::config
