#pragma once

#include <QWidget>

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationContentWidget;
}

namespace olma::config {

class Content;

// The "Состав" page: the six kinds of addressable block beside the table of the chosen kind.
class ConfigurationContentWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationContentWidget)

public:
    ConfigurationContentWidget(Content* content, QWidget* parent = nullptr);
    ~ConfigurationContentWidget() override;

public slots:
    void showBlockTable(QTreeWidgetItem* item);

private:
    std::unique_ptr<Ui::ConfigurationContentWidget> _ui;
    Content* _content = nullptr;
    QWidget* _page = nullptr;
    int _shownGroup = -1;
};

} // namespace olma::config
