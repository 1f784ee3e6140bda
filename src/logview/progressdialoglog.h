#pragma once

#include "app/progressdialog.h"
#include "link/iprotocolcallback.h"

namespace olma::logview {

// The progress dialog of a log read: it also hands each record on as it arrives.
class ProgressDialogLog : public ProgressDialog, public IProtocolLogCallback
{
    Q_OBJECT
    Q_DISABLE_COPY(ProgressDialogLog)

public:
    explicit ProgressDialogLog(QWidget* parent = nullptr);
    ~ProgressDialogLog() override;

    bool progress(unsigned done, unsigned total, bool finished) override;
    void logRecord(unsigned block, const unsigned char* record) override;

signals:
    // `msg` points at the 8 record bytes and is valid only while the signal is delivered.
    void messageBlockReady(uint no, const unsigned char* msg);
};

} // namespace olma::logview
