#include "config/iconfigitem.h"
#include "pagetest.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QSet>
#include <QTabBar>

#include <functional>
#include <typeinfo>

using namespace olma::config;
using namespace pagetest;

namespace {

// Every model: the smaller ones lack blocks, loops and programs the larger have, and pages differ.
constexpr int kDeviceTypes = 3;
// Controls whose tops differ by no more than this stand in one row.
constexpr int kRowTolerance = 8;

IConfigItem* nodeAt(IConfigItem* root, const QList<int>& path)
{
    IConfigItem* node = root;
    for (int i : path)
        node = node->children().value(i);
    return node;
}

// The control a Tab press reaches: it takes Tab, a user sees it and can use it. Inner parts of
// composite controls (the editor in a spin box or combo, the arrows of a tab bar) answer for their
// control.
bool reachable(const QWidget* w, const QWidget* page)
{
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(page) || !w->isEnabled() || w->focusProxy())
        return false;
    for (const QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QTabBar*>(p))
            return false;
    }
    return true;
}

// The controls in the order Tab visits them, from the first after the page itself.
QList<QWidget*> tabChain(QWidget* page)
{
    QList<QWidget*> chain;
    QSet<QWidget*> seen;
    for (QWidget* w = page->nextInFocusChain(); w && w != page && !seen.contains(w); w = w->nextInFocusChain()) {
        seen.insert(w);
        if (page->isAncestorOf(w) && reachable(w, page))
            chain.append(w);
    }
    return chain;
}

// The child of `ancestor` that holds `w` (or is it).
QWidget* branch(QWidget* ancestor, QWidget* w)
{
    while (w->parentWidget() != ancestor)
        w = w->parentWidget();
    return w;
}

QWidget* commonAncestor(QWidget* a, QWidget* b)
{
    for (QWidget* p = a->parentWidget(); p; p = p->parentWidget()) {
        if (p->isAncestorOf(b))
            return p;
    }
    return nullptr;
}

// Whether `b` may follow `a` when the eye reads the page: a group of controls (a box, a column, a
// tab) is read whole, so the two are compared as the parts of their nearest common container that
// hold them: a lower part comes later, and in one row a part further right.
bool readsAfter(QWidget* a, QWidget* b)
{
    if (a->isAncestorOf(b))
        return true;
    QWidget* common = commonAncestor(a, b);
    if (!common)
        return false;
    const QRect ra = branch(common, a)->geometry();
    const QRect rb = branch(common, b)->geometry();
    if (qAbs(ra.top() - rb.top()) <= kRowTolerance)
        return rb.left() >= ra.left();
    return rb.top() > ra.top();
}

QString describe(const QWidget* w)
{
    QString name = w->objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); name.isEmpty() && button)
        name = QLatin1Char('"') + button->text() + QLatin1Char('"');
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), name);
}

} // namespace

class TestTabOrder : public QObject
{
    Q_OBJECT

private slots:
    void tabFollowsTheEye_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<QList<int>>("path");
        // One row per kind of page and model: the first node of its kind stands for the rest.
        for (int type = 0; type < kDeviceTypes; ++type) {
            Config config(type);
            QSet<QString> kinds;
            std::function<void(IConfigItem*, QList<int>)> visit = [&](IConfigItem* node, const QList<int>& path) {
                const QString kind = QString::fromLatin1(typeid(*node).name());
                if (!kinds.contains(kind)) {
                    kinds.insert(kind);
                    if (std::unique_ptr<QWidget> page(node->createWidget(nullptr)); page)
                        QTest::addRow("%d %s", type, page->metaObject()->className()) << type << path;
                }
                const QList<IConfigItem*> children = node->children();
                for (int i = 0; i < children.size(); ++i)
                    visit(children.at(i), QList<int>(path) << i);
            };
            visit(&config.root, {});
        }
    }

    void tabFollowsTheEye()
    {
        QFETCH(int, deviceType);
        QFETCH(QList<int>, path);
        Config config(deviceType);
        IConfigItem* node = nodeAt(&config.root, path);
        QVERIFY(node);
        auto page = show(node->createWidget(nullptr));
        const QList<QWidget*> chain = tabChain(page.get());
        QVERIFY2(!chain.isEmpty(), "no control takes Tab");
        for (int i = 1; i < chain.size(); ++i) {
            QVERIFY2(
                readsAfter(chain.at(i - 1), chain.at(i)),
                qPrintable(
                    QStringLiteral("Tab goes from %1 to %2").arg(describe(chain.at(i - 1)), describe(chain.at(i)))));
        }
    }
};

OLMA_TEST_MAIN(TestTabOrder)
#include "tst_taborder.moc"
