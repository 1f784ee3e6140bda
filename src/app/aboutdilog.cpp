#include "app/aboutdilog.h"
#include "ui_aboutdilog.h"

#include "app/version.h"

AboutDilog::AboutDilog(QWidget* parent) : QDialog(parent), _ui(std::make_unique<Ui::AboutDilog>())
{
    _ui->setupUi(this);
    _ui->_textLabel->setText(aboutText());
    connect(_ui->_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutDilog::~AboutDilog() = default;

QString AboutDilog::aboutText()
{
    // The support lines are placeholders until the supplier's contacts are settled.
    return QStringLiteral("<h3>Конфигуратор ППКОП Ольма-Ех</h3>"
                          "<p>Версия %1</p>"
                          "<p>Программа настройки приборов приемно-контрольных охранно-пожарных "
                          "Ольма-4Ех, Ольма-8Ех и Ольма-16Ех: чтение, правка и запись конфигурации, "
                          "чтение журнала событий, контроль состояния прибора, перезапуск прибора "
                          "и обновление его встроенного ПО.</p>"
                          "<p>Служба технической поддержки: ...<br/>"
                          "Телефон: ...<br/>"
                          "Электронная почта: ...<br/>"
                          "Сайт: ...</p>")
        .arg(QLatin1String(olma::kVersion));
}
