#pragma once

#include <QTabWidget>

namespace olma::style {

// A tab widget whose tab bar is reachable from outside (tests click tabs as a user does) and
// whose tabs keep their full titles instead of eliding them.
class TabWidget : public QTabWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TabWidget)

public:
    explicit TabWidget(QWidget* parent = nullptr);

    QTabBar* tabBar() const { return QTabWidget::tabBar(); }
};

} // namespace olma::style
