#include "app/helpwindow.h"

#include "common/dialogs.h"
#include "common/text.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr olma::Text kHelpTitle = OLMA_TEXT("HelpWindow", "Помощь");
constexpr olma::Text kSearchHint = OLMA_TEXT("HelpWindow", "Поиск по руководству");
constexpr olma::Text kFind = OLMA_TEXT("HelpWindow", "Найти");
constexpr olma::Text kPdf = OLMA_TEXT("HelpWindow", "Открыть PDF");
constexpr olma::Text kNotFound = OLMA_TEXT("HelpWindow", "Не найдено");
constexpr olma::Text kNoViewer = OLMA_TEXT("HelpWindow", "Не удалось открыть руководство в формате PDF: нет программы "
                                                         "просмотра PDF.\nФайл руководства: %1");
constexpr int kBlockRole = Qt::UserRole;
} // namespace

HelpWindow::HelpWindow(const QString& markdown, const QString& pdf, DocumentOpener opener, QWidget* parent)
    : QWidget(parent, Qt::Window), _browser(new QTextBrowser), _contents(new QTreeWidget), _search(new QLineEdit),
      _notFound(new QLabel(kNotFound)), _pdf(pdf), _openDocument(std::move(opener))
{
    setWindowTitle(kHelpTitle);
    resize(1000, 700);

    _browser->setOpenExternalLinks(true);
    // The typesetter's contents marker has no place here: the contents are the tree beside.
    QString text = markdown;
    text.remove(QRegularExpression(QStringLiteral("^@toc[ \\t]*$"), QRegularExpression::MultilineOption));
    _browser->setMarkdown(text);
    _contents->header()->hide();
    _contents->setColumnCount(1);
    fillContents();
    connect(_contents, &QTreeWidget::itemActivated, this, &HelpWindow::showHeading);
    connect(_contents, &QTreeWidget::itemClicked, this, &HelpWindow::showHeading);

    _search->setPlaceholderText(kSearchHint);
    _search->setClearButtonEnabled(true);
    auto* findButton = new QPushButton(kFind);
    auto* pdfButton = new QPushButton(kPdf);
    pdfButton->setObjectName(QStringLiteral("_pdfButton"));
    pdfButton->setEnabled(QFileInfo(_pdf).isFile());
    _notFound->hide();
    connect(_search, &QLineEdit::returnPressed, this, [this] { find(_search->text()); });
    connect(_search, &QLineEdit::textChanged, _notFound, &QWidget::hide);
    connect(findButton, &QPushButton::clicked, this, [this] { find(_search->text()); });
    connect(pdfButton, &QPushButton::clicked, this, &HelpWindow::openPdf);
    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, [this] {
        _search->setFocus();
        _search->selectAll();
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(_search, 1);
    bar->addWidget(findButton);
    bar->addWidget(_notFound);
    bar->addStretch();
    bar->addWidget(pdfButton);

    auto* splitter = new QSplitter;
    splitter->addWidget(_contents);
    splitter->addWidget(_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 740});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
}

bool HelpWindow::find(const QString& text)
{
    if (text.isEmpty())
        return false;
    bool found = _browser->find(text);
    if (!found) {
        // Past the last place: from the top again.
        _browser->moveCursor(QTextCursor::Start);
        found = _browser->find(text);
    }
    _notFound->setVisible(!found);
    return found;
}

// The headings of the manual as a tree: a level-2 heading under the level-1 one before it, and so on.
void HelpWindow::fillContents()
{
    QList<QTreeWidgetItem*> parents;
    for (QTextBlock block = _browser->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level <= 0)
            continue;
        while (parents.size() >= level)
            parents.removeLast();
        auto* item =
            parents.isEmpty() || !parents.last() ? new QTreeWidgetItem(_contents) : new QTreeWidgetItem(parents.last());
        item->setText(0, block.text());
        item->setData(0, kBlockRole, block.position());
        while (parents.size() < level - 1)
            parents.append(parents.isEmpty() ? nullptr : parents.last());
        parents.append(item);
    }
    _contents->expandToDepth(0);
}

void HelpWindow::showHeading(QTreeWidgetItem* item)
{
    if (!item)
        return;
    QTextCursor cursor(_browser->document());
    cursor.setPosition(item->data(0, kBlockRole).toInt());
    // The heading at the top of the view: first to the end, then back to it.
    _browser->moveCursor(QTextCursor::End);
    _browser->setTextCursor(cursor);
    _browser->ensureCursorVisible();
}

void HelpWindow::openPdf()
{
    if (!_openDocument || !_openDocument(QUrl::fromLocalFile(_pdf)))
        olma::dialogs::warning(this, kHelpTitle, kNoViewer.arg(QDir::toNativeSeparators(_pdf)));
}
