#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DescriptionWidget;
}

namespace olma::config::programm {

class Description;

// "Описание": the user's free text about what a program does; every edit is kept at once.
class DescriptionWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(DescriptionWidget)

public:
    DescriptionWidget(Description* description, QWidget* parent = nullptr);
    ~DescriptionWidget() override;

public slots:
    void descrChanged();

private:
    std::unique_ptr<Ui::DescriptionWidget> _ui;
    Description* _description = nullptr;
};

} // namespace olma::config::programm
