#pragma once

#include "config/cipherpassword.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationCipherPasswordWidget;
}

namespace olma::config {

// "Редактор паролей": a digit password typed twice, with the verdict beside it. Only an accepted
// password (or both fields cleared) is taken and announced with changed().
class ConfigurationCipherPasswordWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationCipherPasswordWidget)

public:
    // Password lengths a panel accepts: administrators need at least four digits.
    static constexpr int kUserMinLength = 2;
    static constexpr int kAdministratorMinLength = 4;
    static constexpr int kMaxLength = CipherPassword::kMaxDigits;

    explicit ConfigurationCipherPasswordWidget(QWidget* parent = nullptr);
    ~ConfigurationCipherPasswordWidget() override;

    void setLimits(int minLength, int maxLength);
    void setAdministrator(bool administrator);
    int minLength() const { return _minLength; }
    int maxLength() const { return _maxLength; }

    // Shows the password in both fields and clears the verdict; announces nothing.
    void setPassword(const CipherPassword& password);
    // The users shown hold different passwords: the fields stay blank with a dash until typed in.
    void setDiffering(bool differing);
    CipherPassword password() const { return _password; }

signals:
    void changed();

public slots:
    void passwordEdited();

private:
    std::unique_ptr<Ui::ConfigurationCipherPasswordWidget> _ui;
    CipherPassword _password;
    int _minLength = kUserMinLength;
    int _maxLength = kMaxLength;
};

} // namespace olma::config
