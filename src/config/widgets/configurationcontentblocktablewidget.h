#pragma once

#include <QWidget>

#include <memory>

class QTableWidgetItem;

namespace Ui {
class ConfigurationContentBlockTableWidget;
}

namespace olma::config {

class BlockGroup;

// The blocks of one kind: which addresses are connected, and the description of the selected one.
class ConfigurationContentBlockTableWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationContentBlockTableWidget)

public:
    ConfigurationContentBlockTableWidget(BlockGroup* group, QWidget* parent = nullptr);
    ~ConfigurationContentBlockTableWidget() override;

public slots:
    void connectionChanged(QTableWidgetItem* item);
    void blockChanged(int row);
    void descrChanged();

private:
    std::unique_ptr<Ui::ConfigurationContentBlockTableWidget> _ui;
    BlockGroup* _group = nullptr;
    int _block = -1;
};

} // namespace olma::config
