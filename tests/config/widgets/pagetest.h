#pragma once

#include "config/configuration.h"
#include "config/imagemap.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <vector>

// What the page tests share: a configuration over its own image, a page shown in a window, and the
// moves of a user (clicks, key presses, menu picks).
namespace pagetest {

// A configuration of one model over a zeroed image, as a new configuration starts.
struct Config
{
    explicit Config(int deviceType = 0) : root(image.data(), deviceType) { root.loadFromImage(); }

    unsigned char byte(int offset) const { return image[size_t(offset)]; }
    std::vector<unsigned char> bytes(int offset, int count) const
    {
        return std::vector<unsigned char>(image.begin() + offset, image.begin() + offset + count);
    }

    std::vector<unsigned char> image = std::vector<unsigned char>(size_t(olma::config::kImageSize), 0);
    olma::config::Configuration root;
};

// A page in a window of a laptop's size, shown, so that clicks land where a user's would.
inline std::unique_ptr<QWidget> show(QWidget* page)
{
    std::unique_ptr<QWidget> owned(page);
    owned->resize(1180, 700);
    owned->show();
    if (!QTest::qWaitForWindowExposed(owned.get()))
        qWarning("page not exposed");
    return owned;
}

template <typename T> T* child(const QObject* parent, const char* name)
{
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

// Types text as a keyboard does, Cyrillic included (QTest::keyClicks knows only Latin-1 keys).
inline void type(QWidget* widget, const QString& text)
{
    for (QChar ch : text) {
        const ushort u = ch.unicode();
        const auto key = u < 0x80 ? Qt::Key(QChar(u).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(ch), Qt::NoModifier);
    }
}

inline void click(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

// Picks an item the way a mouse user does: opens the list and clicks the item.
inline void choose(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        qWarning("combo list not shown");
    const QRect rect = view->visualRect(combo->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

// Empties a line edit as a user does: select all, delete.
inline void clear(QLineEdit* edit)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
}

inline void clickRow(QTreeWidget* tree, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, modifiers, rect.center());
}

// The context menu of a list as the user sees it: the text of each entry, in parentheses when it is
// disabled; `pick`, when not empty, is chosen with the keyboard.
inline QStringList contextMenu(QTreeWidget* tree, int row, const QString& pick = QString())
{
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            seen.append(action->isEnabled() ? action->text() : '(' + action->text() + ')');
            if (action->text() == pick && action->isEnabled())
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, pick.isEmpty() || !menu->activeAction() ? Qt::Key_Escape : Qt::Key_Return);
    });
    const QPoint at = tree->visualItemRect(tree->topLevelItem(row)).center();
    emit tree->customContextMenuRequested(at);
    return seen;
}

} // namespace pagetest
