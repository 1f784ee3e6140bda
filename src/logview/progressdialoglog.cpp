#include "logview/progressdialoglog.h"

#include "logview/logtexts.h"

namespace olma::logview {

ProgressDialogLog::ProgressDialogLog(QWidget* parent) : ProgressDialog(parent)
{
    setWindowTitle(texts::kReadTitle);
}

ProgressDialogLog::~ProgressDialogLog() = default;

bool ProgressDialogLog::progress(unsigned done, unsigned total, bool finished)
{
    return ProgressDialog::progress(done, total, finished);
}

void ProgressDialogLog::logRecord(unsigned block, const unsigned char* record)
{
    emit messageBlockReady(block, record);
}

} // namespace olma::logview
