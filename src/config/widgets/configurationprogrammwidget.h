#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ConfigurationProgrammWidget;
}

namespace olma::config {

class IConfigItem;
class MultiProgramm;
class Programm;
class ProgrammCommon;

// The editor of one program, or of several selected programs at once: one tab per part of the
// program ("Параметры", "Состояние ШС", ..., and "Описание" for a single program). A program driving
// an intrinsically safe power source is switched by nothing else, so its trigger tabs are disabled.
class ConfigurationProgrammWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfigurationProgrammWidget)

public:
    ConfigurationProgrammWidget(Programm* programm, QWidget* parent = nullptr);
    ConfigurationProgrammWidget(MultiProgramm* programms, QWidget* parent = nullptr);
    ~ConfigurationProgrammWidget() override;

public slots:
    void tabChangeHandler(int index);
    // The program changed as a whole (fire safety, a reset): every tab is built again.
    void programmChangedHandler(Programm* programm);

private:
    ConfigurationProgrammWidget(IConfigItem* item, ProgrammCommon* common, Programm* single, QWidget* parent);
    void buildTabs();
    // Makes the page of tab `index` when it has none yet.
    void fillTab(int index);
    void clearTabs();

    std::unique_ptr<Ui::ConfigurationProgrammWidget> _ui;
    IConfigItem* _item = nullptr;
    ProgrammCommon* _common = nullptr;
    // The program edited alone; null for a selection.
    Programm* _programm = nullptr;
};

} // namespace olma::config
