#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class UserWidget;
}

namespace olma::config {

class UserCommon;

// The page of one user, or of several selected users at once: password, iButton key, rights,
// the loops the user may act on, and the description.
class UserWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(UserWidget)

public:
    // Administrators (users 1 and 255, or a selection holding one) need longer passwords.
    UserWidget(UserCommon* user, QWidget* parent = nullptr);
    ~UserWidget() override;

public slots:
    void passwordChanged();
    void accessMaskChanged();
    // One loop box set: that bit of every user shown, and no other.
    void accessChanged(int loop, bool on);
    void iButtonChanged();
    void tailOffChanged(int state);
    void tailOnChanged(int state);
    void partialTailOnOffChanged(int state);
    void tailDropChanged(int state);
    void descrChanged();

private:
    void fill();
    void buildAccessGroup(int loops);
    void connectControls();

    std::unique_ptr<Ui::UserWidget> _ui;
    UserCommon* _user = nullptr;
};

} // namespace olma::config
