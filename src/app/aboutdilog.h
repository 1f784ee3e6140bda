#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDilog;
}

// The About box: program name, version, what it is for and whom to call. The caller sets the title.
class AboutDilog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(AboutDilog)

public:
    explicit AboutDilog(QWidget* parent = nullptr);
    ~AboutDilog() override;

    // The text shown, as rich text.
    static QString aboutText();

private:
    std::unique_ptr<Ui::AboutDilog> _ui;
};
