#pragma once

#include "config/usercommon.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ConfiguratorIButtonWidget;
}

namespace olma::config {

// "Код ключа iButton: " as seven hexadecimal bytes "01:23:45:67:89:AB:CD". A byte with one digit
// typed reads as that digit, an empty one as 0.
class ConfiguratorIButtonWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfiguratorIButtonWidget)

public:
    explicit ConfiguratorIButtonWidget(QWidget* parent = nullptr);
    ~ConfiguratorIButtonWidget() override;

    // Shows the key; announces nothing.
    void setKey(const IButtonKey& key);
    // The users shown hold different keys: the field is blank with a dash until typed in.
    void setDiffering(bool differing);
    IButtonKey key() const { return _key; }

signals:
    void changed();

public slots:
    void keyTextChanged(const QString& text);

private:
    std::unique_ptr<Ui::ConfiguratorIButtonWidget> _ui;
    IButtonKey _key;
};

} // namespace olma::config
