#pragma once

#include "logview/logfilter.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class SortOrderWidget;
}

namespace olma::logview {

// Sort keys of the log viewer: five checkable entries the user puts in order with "Вверх"/"Вниз".
class SortOrderWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SortOrderWidget)

public:
    // Key numbers, carried by the entries as their item type.
    using Key = SortKey;

    explicit SortOrderWidget(QWidget* parent = nullptr);
    ~SortOrderWidget() override;

    // The key numbers of the checked entries, top to bottom.
    std::vector<int> sortKeys() const;

signals:
    // A key was ticked or unticked, or an entry moved.
    void keysChanged();

private slots:
    void on_upToolButton_clicked();
    void on_downToolButton_clicked();

private:
    void moveCurrent(int step);

    std::unique_ptr<Ui::SortOrderWidget> _ui;
};

} // namespace olma::logview
