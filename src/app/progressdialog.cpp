#include "app/progressdialog.h"
#include "ui_progressdialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

ProgressDialog::ProgressDialog(QWidget* parent) : QDialog(parent), _ui(std::make_unique<Ui::ProgressDialog>())
{
    _ui->setupUi(this);
}

ProgressDialog::~ProgressDialog() = default;

bool ProgressDialog::progress(unsigned done, unsigned total, bool)
{
    if (_cancelled)
        return false;
    // The engine asks for the next block only when this returns, so nothing here may take long:
    // the bar follows the transfer a few times a second (and always at its start and end), and
    // is painted later, while the line carries the next reply, instead of at once as a progress
    // bar does whenever it moves by a pixel.
    QProgressBar* bar = _ui->_progressBar;
    const bool newRange = bar->maximum() != int(total);
    if (!newRange && done < total && _sinceShown.isValid() && _sinceShown.elapsed() < kRefreshMs)
        return true;
    bar->setUpdatesEnabled(false);
    // The bar holds ints; byte counts of a transfer stay far below that.
    bar->setRange(0, int(total));
    bar->setValue(int(done));
    bar->setUpdatesEnabled(true);
    _sinceShown.start();
    return true;
}

void ProgressDialog::on__button_clicked()
{
    cancel();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape must not close the dialog under a running transfer: it only marks the cancel,
    // which the engine picks up at the next reply. No other key does anything: the button is not
    // the dialog's default (the form turns autoDefault off), so Enter and Return end up here too.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space)
        cancel();
    event->accept();
}

void ProgressDialog::closeEvent(QCloseEvent* event)
{
    cancel();
    QDialog::closeEvent(event);
}

void ProgressDialog::cancel()
{
    _cancelled = true;
    _goOn = false;
}
