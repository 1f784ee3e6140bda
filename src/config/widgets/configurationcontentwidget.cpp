#include "config/widgets/configurationcontentwidget.h"
#include "ui_configurationcontentwidget.h"

#include "config/content.h"
#include "config/widgets/listpage.h"

namespace olma::config {
namespace {

// Initial split: the kind names are short, the table gets the rest.
constexpr int kContentListWidth = 180;
constexpr int kContentPageWidth = 1000;

} // namespace

ConfigurationContentWidget::ConfigurationContentWidget(Content* content, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::ConfigurationContentWidget>()), _content(content)
{
    _ui->setupUi(this);
    _ui->_splitter->setSizes({kContentListWidth, kContentPageWidth});
    if (!_content)
        return;
    QTreeWidget* tree = _ui->_blockTypesTreeWidget;
    const auto groups = _content->groups();
    for (size_t i = 0; i < groups.size(); ++i) {
        auto* item = new QTreeWidgetItem(tree, QStringList{groups[i]->name()});
        item->setToolTip(0, groups[i]->description());
        item->setData(0, listpage::kIndexRole, int(i));
    }

    auto show = [this](QTreeWidgetItem* item) { showBlockTable(item); };
    connect(tree, &QTreeWidget::itemClicked, this, show);
    connect(tree, &QTreeWidget::itemActivated, this, show);
    connect(tree, &QTreeWidget::currentItemChanged, this, show);
    connect(tree, &QTreeWidget::itemEntered, this, show);
    connect(tree, &QTreeWidget::itemPressed, this, show);
    tree->setCurrentItem(tree->topLevelItem(0));
}

ConfigurationContentWidget::~ConfigurationContentWidget() = default;

void ConfigurationContentWidget::showBlockTable(QTreeWidgetItem* item)
{
    const int index = listpage::indexOf(item);
    const auto groups = _content->groups();
    if (index < 0 || index >= int(groups.size()) || index == _shownGroup)
        return;
    _shownGroup = index;
    QStackedWidget* stack = _ui->_blockTableStack;
    listpage::replacePage(stack, _page, nullptr);
    listpage::replacePage(stack, _page, groups[size_t(index)]->createWidget(stack));
}

} // namespace olma::config
