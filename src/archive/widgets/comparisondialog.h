#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace olma::archive {

// Two configurations compared: what was compared with what, and the differences one a line in
// the words of the text export, or "Конфигурации совпадают".
class ComparisonDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(ComparisonDialog)

public:
    ComparisonDialog(const QString& before, const QString& after, const QStringList& differences,
                     QWidget* parent = nullptr);

    // The lines shown, for tests and tools.
    QString text() const;

private:
    QPlainTextEdit* _text = nullptr;
};

} // namespace olma::archive
