#pragma once

#include "config/configitem.h"
#include "config/user.h"

#include <QObject>

#include <memory>
#include <vector>

namespace olma::config {

// "Пользователи": the 255 users, and the signals the user pages follow to refresh their lists.
class Users : public QObject, public ConfigItem
{
    Q_OBJECT
    Q_DISABLE_COPY(Users)

public:
    Users(unsigned char* image, int deviceType, int reserved);

    // The "Пользователи" page.
    QWidget* createWidget(QWidget* parent) override;
    ~Users() override;

    using ConfigItem::children;

    int count() const { return int(_users.size()); }
    // User by record index 0..254; null outside.
    User* user(int index) const;

    // The row the users page showed last, so it can show it again.
    int currentUser() const { return _currentUser; }
    void setCurrentUser(int index) { _currentUser = index; }

    // Builds the users anew over the image and decodes them.
    void loadFromImage() override;
    // The section heading, then every user the panel can recognise.
    QString exportText(int format) const override;
    // The same as its pieces, heading first: with 255 users in RTF the section runs to megabytes,
    // and the document is better off without joining it twice.
    QStringList exportPieces(int format) const;

signals:
    void userDescriptionChanged(int num, QString descr);
    void userKeyOrPasswordChanged(int num);

public slots:
    void userDescriptionChangedHandler(int num, QString descr);
    void userKeyOrPasswordChangedHandler(int num);

private:
    void buildUsers();

    std::vector<std::unique_ptr<User>> _users;
    int _currentUser = 0;
};

} // namespace olma::config
