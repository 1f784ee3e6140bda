#pragma once

#include "link/iprotocolcallback.h"

#include <QDialog>
#include <QElapsedTimer>

#include <memory>

namespace Ui {
class ProgressDialog;
}

// Modal progress of a panel operation; Escape, Space, "Отменить" or closing the window cancel it.
class ProgressDialog : public QDialog, public IProtocolCallback
{
    Q_OBJECT
    Q_DISABLE_COPY(ProgressDialog)

public:
    explicit ProgressDialog(QWidget* parent = nullptr);
    ~ProgressDialog() override;

    bool progress(unsigned done, unsigned total, bool finished) override;

    bool isCancelled() const { return _cancelled; }
    // False once the user has cancelled; a write that ends with goOn() false counts as failed.
    bool goOn() const { return _goOn; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on__button_clicked();

private:
    void cancel();

    std::unique_ptr<Ui::ProgressDialog> _ui;
    static constexpr int kRefreshMs = 40;

    bool _cancelled = false;
    bool _goOn = true;
    QElapsedTimer _sinceShown;
};
