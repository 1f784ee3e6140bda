#include "app/aboutdilog.h"
#include "ui_aboutdilog.h"

#include "app/version.h"
#include "common/text.h"

AboutDilog::AboutDilog(QWidget* parent) : QDialog(parent), _ui(std::make_unique<Ui::AboutDilog>())
{
    _ui->setupUi(this);
    _ui->_textLabel->setText(aboutText());
    connect(_ui->_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutDilog::~AboutDilog() = default;

QString AboutDilog::aboutText()
{
    return OLMA_TEXT("About", "<h3>Конфигуратор ППКОП Ольма-Ех</h3>"
                              "<p>Версия %1, сборка от %2</p>"
                              "<p>Программа настройки приборов приемно-контрольных охранно-пожарных "
                              "Ольма-4Ех, Ольма-8Ех и Ольма-16Ех: чтение, правка и запись конфигурации, "
                              "чтение журнала событий, контроль состояния прибора, перезапуск прибора "
                              "и обновление его встроенного ПО.</p>"
                              "<p>Свободная программа: её можно распространять и изменять на условиях "
                              "GNU General Public License версии 3 или (по вашему выбору) любой более "
                              "поздней версии. Программа распространяется без каких-либо гарантий.</p>")
        .arg(QLatin1String(olma::kVersion), QLatin1String(olma::kBuildDate));
}
