#pragma once

#include <QList>
#include <QPoint>
#include <QWidget>

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ConfigurationTailsWidget;
}

namespace olma::config {

class MultiTail;
class Tails;

// The "Шлейфы сигнализации" page: the loops of the model beside the page of the selected loop, or
// of all selected loops at once; loops are copied with the context menu.
class ConfigurationTailsWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationTailsWidget)

public:
    ConfigurationTailsWidget(Tails* tails, QWidget* parent = nullptr);
    ~ConfigurationTailsWidget() override;

public slots:
    void showTailWidget();
    void showTailWidget(QTreeWidgetItem* item, int column);
    void showTailWidget(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void showPopupMenu(const QPoint& pos);

private:
    void fillList();
    // Shows the page of the selection; an unchanged selection keeps its page unless forced.
    void showSelection(bool force);
    void copy();
    void paste();

    std::unique_ptr<Ui::ConfigurationTailsWidget> _ui;
    Tails* _tails = nullptr;
    std::unique_ptr<MultiTail> _multiTail;
    QWidget* _page = nullptr;
    QList<int> _shownSelection;
    int _shownCurrent = -1;
    int _clipboard = -1;
};

} // namespace olma::config
