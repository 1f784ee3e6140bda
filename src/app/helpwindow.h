#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The user manual inside the program: its text with the headings as contents on the left, a
// search line that finds the next place a word stands, and a button that opens the typeset PDF
// in the desktop's viewer.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    using DocumentOpener = std::function<bool(const QUrl&)>;

    // `markdown`: the manual's source; `pdf`: the typeset manual, offered when it exists.
    HelpWindow(const QString& markdown, const QString& pdf, DocumentOpener opener, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return _browser; }
    QTreeWidget* contents() const { return _contents; }
    QLineEdit* searchLine() const { return _search; }

    // Selects the next place the text stands after the current one, from the top again past
    // the end; false when it stands nowhere.
    bool find(const QString& text);

private:
    void fillContents();
    void showHeading(QTreeWidgetItem* item);
    void openPdf();

    QTextBrowser* _browser;
    QTreeWidget* _contents;
    QLineEdit* _search;
    QLabel* _notFound;
    QString _pdf;
    DocumentOpener _openDocument;
};
