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
    // The bar holds ints; byte counts of a transfer stay far below that.
    _ui->_progressBar->setRange(0, int(total));
    _ui->_progressBar->setValue(int(done));
    return true;
}

void ProgressDialog::on__button_clicked()
{
    cancel();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape must not close the dialog under a running transfer: it only marks the cancel,
    // which the engine picks up at the next reply. No other key does anything.
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
