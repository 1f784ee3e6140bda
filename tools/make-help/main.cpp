// make-help [--lang ru|en] SOURCE.md OUTPUT.pdf
//
// Typesets the user manual (Markdown, UTF-8) as an A4 PDF with DejaVu fonts: a title page with
// the table of contents, then the chapters, page numbers at the foot of every page. A paragraph
// that reads exactly "@toc" marks where the contents go. The manual is Russian unless --lang says it
// is English: the word over the contents and the document's title follow. Runs headless
// (QT_QPA_PLATFORM=offscreen).

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kResolution = 300; // dots per inch of the layout and the PDF
constexpr qreal kMarginMm = 20;
constexpr qreal kFooterMm = 12; // room for the page number below the text
constexpr qreal kBodyPt = 10.5;
const QString kTocMarker = QStringLiteral("@toc");
const QString kSansFamily = QStringLiteral("DejaVu Sans");
const QString kMonoFamily = QStringLiteral("DejaVu Sans Mono");

// What the typesetter itself writes into the manual, in the manual's language.
struct ManualWords
{
    QString contents;
    QString title;
};

const ManualWords kRussianWords{QStringLiteral("Содержание"),
                                QStringLiteral("Конфигуратор ППКОП Ольма-Ех. Руководство пользователя")};
const ManualWords kEnglishWords{QStringLiteral("Contents"),
                                QStringLiteral("Olma-Ex Control Panel Configurator. User Manual")};

// The text layout takes its margins, paddings and borders in units of a 96 dpi screen and scales
// them to the device itself; page sizes, positions and the painter are in device pixels.
constexpr qreal kLayoutDpi = 96;

qreal mmToLayout(qreal mm)
{
    return mm / 25.4 * kLayoutDpi;
}

qreal ptToLayout(qreal pt)
{
    return pt / 72 * kLayoutDpi;
}

qreal mmToDevice(qreal mm)
{
    return mm / 25.4 * kResolution;
}

struct Heading
{
    QTextBlock block;
    int level;
};

std::vector<Heading> headings(const QTextDocument& document, int deepest)
{
    std::vector<Heading> result;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level >= 2 && level <= deepest)
            result.push_back({b, level});
    }
    return result;
}

// Fixed-pitch text (code spans and blocks) in DejaVu Sans Mono, everything else in DejaVu Sans;
// paragraph and heading spacing in print measures.
void applyFonts(QTextDocument& document)
{
    QFont body(kSansFamily);
    body.setPointSizeF(kBodyPt);
    document.setDefaultFont(body);

    struct Run
    {
        int position;
        int length;
        QTextCharFormat format;
    };
    std::vector<Run> runs;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const bool mono = format.fontFixedPitch() || b.blockFormat().nonBreakableLines();
            format.setFontFamilies(QStringList{mono ? kMonoFamily : kSansFamily});
            if (mono)
                format.setFontPointSize(kBodyPt * 0.92); // the system's fixed font comes smaller
            runs.push_back({fragment.position(), fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Run& run : runs) {
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }

    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat format = b.blockFormat();
        const int level = format.headingLevel();
        if (level > 0) {
            format.setTopMargin(ptToLayout(level <= 2 ? 16 : 10));
            format.setBottomMargin(ptToLayout(5));
        } else if (format.nonBreakableLines()) {
            format.setBottomMargin(0); // a code block is one block per line
            format.setLeftMargin(ptToLayout(12));
        } else if (!QTextCursor(b).currentTable()) {
            format.setBottomMargin(ptToLayout(b.textList() ? 2 : 5));
        }
        QTextCursor(b).setBlockFormat(format);
    }
}

// Every table with a thin single frame round each cell and some room inside.
void frameTables(QTextDocument& document)
{
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        QTextCursor cursor(b);
        QTextTable* table = cursor.currentTable();
        if (!table || table->firstPosition() != b.position())
            continue; // not a table, or a table already handled at its first block
        QTextTableFormat format = table->format();
        format.setBorder(ptToLayout(0.5));
        format.setBorderBrush(QColor(0x80, 0x80, 0x80));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellPadding(ptToLayout(3));
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(format);
    }
}

// Replaces the marker paragraph by a two-column table (title, page) with a row per chapter and
// section; the page cells are filled in once the pages are known. The contents end their page.
QTextTable* insertContents(QTextDocument& document, const std::vector<Heading>& entries, const QString& word)
{
    QTextBlock marker;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (b.text().trimmed() == kTocMarker) {
            marker = b;
            break;
        }
    }
    if (!marker.isValid() || entries.empty())
        return nullptr;

    // The heading takes the marker's place; the table follows it.
    QTextCursor cursor(marker);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat title;
    title.setFontWeight(QFont::Bold);
    title.setFontPointSize(kBodyPt * 1.3);
    cursor.insertText(word, title);

    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(ptToLayout(1.5));
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 90), QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable* table = cursor.insertTable(int(entries.size()), 2, format);
    for (size_t i = 0; i < entries.size(); ++i) {
        QTextCharFormat text;
        text.setFontWeight(entries[i].level == 2 ? QFont::Bold : QFont::Normal);
        QTextCursor cell = table->cellAt(int(i), 0).firstCursorPosition();
        QTextBlockFormat indent;
        indent.setLeftMargin(entries[i].level == 2 ? 0 : ptToLayout(14));
        cell.setBlockFormat(indent);
        cell.insertText(entries[i].block.text(), text);
        QTextCursor page = table->cellAt(int(i), 1).firstCursorPosition();
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        page.setBlockFormat(right);
        page.insertText(QStringLiteral("0"), text);
    }
    // The first chapter starts a new page.
    QTextBlockFormat first = entries.front().block.blockFormat();
    first.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(entries.front().block).setBlockFormat(first);
    return table;
}

// A fresh layout of the document as it stands, on the PDF's pages. Measuring and printing always
// go through a new one: a layout that has seen the document change may leave blocks unplaced.
std::unique_ptr<QTextDocument> layOut(const QTextDocument& source, QPaintDevice* device, const QSizeF& page)
{
    std::unique_ptr<QTextDocument> document(source.clone());
    document->documentLayout()->setPaintDevice(device);
    document->setDefaultFont(source.defaultFont());
    document->setPageSize(page);
    QTextFrameFormat root = document->rootFrame()->frameFormat();
    root.setLeftMargin(mmToLayout(kMarginMm));
    root.setRightMargin(mmToLayout(kMarginMm));
    root.setTopMargin(mmToLayout(kMarginMm));
    root.setBottomMargin(mmToLayout(kMarginMm + kFooterMm));
    document->rootFrame()->setFrameFormat(root);
    document->pageCount(); // lays out the whole document
    return document;
}

int pageOf(const QTextDocument& laidOut, int blockNumber)
{
    const QRectF rect = laidOut.documentLayout()->blockBoundingRect(laidOut.findBlockByNumber(blockNumber));
    return int(rect.top() / laidOut.pageSize().height());
}

// A heading in the last few lines of a page goes to the next one instead, with its text.
void keepHeadingsWithText(QTextDocument& source, QPaintDevice* device, const QSizeF& page)
{
    const qreal bottomMargin = mmToDevice(kMarginMm + kFooterMm);
    const qreal minimumRoom = QFontMetricsF(source.defaultFont(), device).lineSpacing() * 4;
    for (int pass = 0; pass < 100; ++pass) {
        const auto laidOut = layOut(source, device, page);
        bool moved = false;
        for (const Heading& h : headings(*laidOut, 4)) {
            const QRectF rect = laidOut->documentLayout()->blockBoundingRect(h.block);
            const qreal pageBottom = (int(rect.top() / page.height()) + 1) * page.height() - bottomMargin;
            if (pageBottom - rect.bottom() < minimumRoom &&
                h.block.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_AlwaysBefore) {
                const QTextBlock block = source.findBlockByNumber(h.block.blockNumber());
                QTextBlockFormat format = block.blockFormat();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(block).setBlockFormat(format);
                moved = true;
                break; // the pages after it have moved; measure again
            }
        }
        if (!moved)
            return;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const ManualWords* words = &kRussianWords;
    if (arguments.size() == 4 && arguments[0] == QLatin1String("--lang")) {
        if (arguments[1] == QLatin1String("en"))
            words = &kEnglishWords;
        else if (arguments[1] != QLatin1String("ru"))
            arguments.clear(); // a language without words: the usage below
        arguments = arguments.mid(2);
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: make-help [--lang ru|en] SOURCE.md OUTPUT.pdf\n");
        return 2;
    }
    const QString sourcePath = arguments[0];
    const QString outputPath = arguments[1];

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-help: cannot read %s\n", qPrintable(sourcePath));
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());

    // The PDF goes to a temporary file first, so a failed run leaves the previous manual.
    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "make-help: cannot write %s\n", qPrintable(outputPath));
        return 1;
    }
    QPdfWriter writer(&output);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(words->title);
    writer.setCreator(QStringLiteral("make-help"));

    QTextDocument document;
    document.setMarkdown(markdown);
    applyFonts(document);
    frameTables(document);
    const QSizeF page(writer.width(), writer.height());

    QTextTable* contents = insertContents(document, headings(document, 3), words->contents);
    keepHeadingsWithText(document, &writer, page);
    if (contents) {
        // Page numbers have the same height whatever their digits, so filling them in moves nothing.
        const auto laidOut = layOut(document, &writer, page);
        const std::vector<Heading> entries = headings(document, 3);
        for (int row = 0; row < contents->rows() && row < int(entries.size()); ++row) {
            QTextCursor cell = contents->cellAt(row, 1).firstCursorPosition();
            cell.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cell.insertText(QString::number(pageOf(*laidOut, entries[size_t(row)].block.blockNumber()) + 1));
        }
    }

    const auto laidOut = layOut(document, &writer, page);
    QPainter painter(&writer);
    QFont footer(kSansFamily);
    footer.setPointSizeF(kBodyPt * 0.85);
    const int pages = laidOut->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        laidOut->drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
        painter.restore();
        if (i > 0) {
            painter.setFont(footer);
            painter.setPen(Qt::darkGray);
            const QRectF foot(0, page.height() - mmToDevice(kMarginMm), page.width(), mmToDevice(kFooterMm));
            painter.drawText(foot, Qt::AlignHCenter | Qt::AlignTop, QString::number(i + 1));
        }
    }
    if (!painter.end() || !output.commit()) {
        std::fprintf(stderr, "make-help: cannot write %s\n", qPrintable(outputPath));
        return 1;
    }
    return 0;
}
