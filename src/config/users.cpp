#include "config/users.h"

#include "common/pagefactory.h"
#include "config/configtexts.h"
#include "config/exportmarkup.h"
#include "config/imagemap.h"

namespace olma::config {

Users::Users(unsigned char* image, int deviceType, int reserved) : ConfigItem(image, deviceType, reserved)
{
    _name = texts::usersName();
    buildUsers();
}

QWidget* Users::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

Users::~Users()
{
    clearChildren();
}

User* Users::user(int index) const
{
    return index >= 0 && index < count() ? _users[size_t(index)].get() : nullptr;
}

void Users::loadFromImage()
{
    // Each new user decodes its record as it is built.
    buildUsers();
}

QString Users::exportText(int format) const
{
    return exportPieces(format).join(QString());
}

QStringList Users::exportPieces(int format) const
{
    // Users the panel cannot recognise write nothing, so the heading may stand alone.
    QStringList pieces;
    pieces.reserve(count() + 1);
    pieces.append(exportmarkup::sectionHeading(_name, format));
    for (const auto& user : _users)
        pieces.append(user->exportText(format));
    return pieces;
}

void Users::userDescriptionChangedHandler(int num, QString descr)
{
    emit userDescriptionChanged(num, descr);
}

void Users::userKeyOrPasswordChangedHandler(int num)
{
    emit userKeyOrPasswordChanged(num);
}

void Users::buildUsers()
{
    clearChildren();
    _users.clear();
    _users.reserve(kUserCount);
    for (int i = 0; i < kUserCount; ++i) {
        auto user = std::make_unique<User>(_image, _deviceType, i);
        connect(user.get(), &User::descriptionChanged, this, &Users::userDescriptionChangedHandler);
        connect(user.get(), &User::keyOrPasswordChanged, this, &Users::userKeyOrPasswordChangedHandler);
        adoptChild(user.get());
        _users.push_back(std::move(user));
    }
}

} // namespace olma::config
