#include "style/tabwidget.h"

#include <QTabBar>

namespace olma::style {

TabWidget::TabWidget(QWidget* parent) : QTabWidget(parent)
{
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    setDocumentMode(false);
}

} // namespace olma::style
