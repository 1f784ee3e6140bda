#include "app/edithistory.h"
#include "app/mainwindow.h"
#include "common/dialogs.h"
#include "common/text.h"
#include "config/configuration.h"
#include "config/widgets/selectionlistpage.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QUndoStack>

// Editing the configuration: the undo history, the "Правка" menu, the window title with its
// "changed" mark and the question before changes would be lost.

namespace {

constexpr olma::Text kEditMenu = OLMA_TEXT("MainWindow", "&Правка");
constexpr olma::Text kUndo = OLMA_TEXT("MainWindow", "Отменить");
constexpr olma::Text kRedo = OLMA_TEXT("MainWindow", "Повторить");
constexpr olma::Text kCopy = OLMA_TEXT("MainWindow", "Копировать");
constexpr olma::Text kPaste = OLMA_TEXT("MainWindow", "Вставить");
constexpr olma::Text kProgramTitle = OLMA_TEXT("MainWindow", "Конфигуратор ППКОП Ольма-Ех");
constexpr olma::Text kNewConfiguration = OLMA_TEXT("MainWindow", "Новая конфигурация");
// "name[*] — model — program": Qt shows the "*" while the window is marked modified.
const QString kTitle = QStringLiteral("%1[*] — %2 — %3");
constexpr olma::Text kSaveQuestion = OLMA_TEXT("MainWindow", "Сохранить изменения в конфигурации?");
constexpr olma::Text kSave = OLMA_TEXT("MainWindow", "Сохранить");
constexpr olma::Text kDiscard = OLMA_TEXT("MainWindow", "Не сохранять");
constexpr olma::Text kCancel = OLMA_TEXT("MainWindow", "Отмена");

QString modelName(int deviceType)
{
    switch (deviceType) {
    case 2:
        return OLMA_TEXT("MainWindow", "Ольма-16Ех");
    case 1:
        return OLMA_TEXT("MainWindow", "Ольма-8Ех");
    default:
        return OLMA_TEXT("MainWindow", "Ольма-4Ех");
    }
}

} // namespace

void MainWindow::setupEditing()
{
    _history = new olma::app::EditHistory(_image, *_configuration, this);
    // The configuration page shown goes before an undo or redo and is made again after it.
    connect(_history, &olma::app::EditHistory::aboutToApply, this, [this] {
        _pageAfterUndo = currentPage() && _configurationButtons.contains(_currentButton) ? _currentButton : nullptr;
        QWidget* focus = QApplication::focusWidget();
        _focusAfterUndo = _pageAfterUndo && currentPage()->isAncestorOf(focus) ? focus->objectName() : QString();
        if (_pageAfterUndo)
            closePage();
    });
    connect(_history, &olma::app::EditHistory::applied, this, &MainWindow::refreshConfigurationPage);
    connect(_history, &olma::app::EditHistory::modifiedChanged, this, &MainWindow::updateTitle);
    _history->takeUndoKeys(this);

    auto* menu = new QMenu(kEditMenu, this);
    menu->setObjectName(QStringLiteral("menuEdit"));
    menuBar()->insertMenu(_ui->menuLog->menuAction(), menu);
    QAction* undo = menu->addAction(kUndo);
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, _history, &olma::app::EditHistory::undo);
    connect(_history->stack(), &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QAction* redo = menu->addAction(kRedo);
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setEnabled(false);
    connect(redo, &QAction::triggered, _history, &olma::app::EditHistory::redo);
    connect(_history->stack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

    // The lists' "Копировать"/"Вставить": the list holding the focus, or the page's own list.
    menu->addSeparator();
    QAction* copy = menu->addAction(kCopy);
    copy->setObjectName(QStringLiteral("copyAction"));
    QAction* paste = menu->addAction(kPaste);
    paste->setObjectName(QStringLiteral("pasteAction"));
    connect(copy, &QAction::triggered, this, [this] {
        if (auto* list = focusedList())
            list->copySelection();
    });
    connect(paste, &QAction::triggered, this, [this] {
        if (auto* list = focusedList())
            list->pasteSelection();
    });
    connect(menu, &QMenu::aboutToShow, this, [this, copy, paste] {
        _history->checkpoint();
        auto* list = focusedList();
        copy->setEnabled(list && list->canCopy());
        paste->setEnabled(list && list->canPaste());
    });

    _ui->makeNewConf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    _ui->readConfFromFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    _ui->writeConfToFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    updateTitle();
}

olma::config::SelectionListPage* MainWindow::focusedList() const
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (auto* list = qobject_cast<olma::config::SelectionListPage*>(w))
            return list;
    }
    QWidget* page = currentPage();
    if (!page)
        return nullptr;
    if (auto* list = qobject_cast<olma::config::SelectionListPage*>(page))
        return list;
    return page->findChild<olma::config::SelectionListPage*>();
}

void MainWindow::refreshConfigurationPage()
{
    if (_pageAfterUndo)
        toolButtonClick(_pageAfterUndo);
    _pageAfterUndo = nullptr;
    // The field the engineer was in keeps the focus on the page made again, its text as restored.
    const QList<QWidget*> focus = _focusAfterUndo.isEmpty() || !currentPage()
                                      ? QList<QWidget*>()
                                      : currentPage()->findChildren<QWidget*>(_focusAfterUndo);
    if (focus.size() == 1) {
        focus.first()->setFocus(Qt::OtherFocusReason);
        if (auto* text = qobject_cast<QTextEdit*>(focus.first()))
            text->moveCursor(QTextCursor::End);
    }
    _focusAfterUndo.clear();
}

void MainWindow::configurationLoaded(const QString& file)
{
    _configurationFile = file;
    if (_history)
        _history->reset();
    updateTitle();
}

void MainWindow::updateTitle()
{
    const QString name = _configurationFile.isEmpty() ? kNewConfiguration : QFileInfo(_configurationFile).fileName();
    setWindowTitle(kTitle.arg(name, modelName(_configuration->deviceType()), kProgramTitle));
    setWindowModified(_history && _history->isModified());
}

bool MainWindow::maybeSave()
{
    if (!_history)
        return true;
    _history->checkpoint();
    if (!_history->isModified())
        return true;
    QMessageBox box(QMessageBox::Question, kProgramTitle, kSaveQuestion,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("saveQuestion"));
    box.button(QMessageBox::Save)->setText(kSave);
    box.button(QMessageBox::Discard)->setText(kDiscard);
    box.button(QMessageBox::Cancel)->setText(kCancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (olma::dialogs::exec(&box)) {
    case QMessageBox::Discard:
        return true;
    case QMessageBox::Save:
        // A configuration with a file behind it goes back to that file; a new one asks for a name.
        if (_configurationFile.isEmpty())
            on_writeConfToFile_activated();
        else
            saveConfiguration(_configurationFile);
        // A cancelled or failed save leaves the changes, and the question's answer is "stay".
        return !_history->isModified();
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
