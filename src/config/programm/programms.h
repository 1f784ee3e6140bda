#pragma once

#include "config/configitem.h"
#include "config/programm/programm.h"

#include <memory>
#include <vector>

namespace olma::config {

// "Активация реле (выходов)": the relay-activation programs, one per relay or output of the panel
// and its blocks (up to 114). The ИП programs the model lacks are not built; their records stay as
// they are and still go to the panel.
class Programms : public ConfigItem
{
public:
    Programms(unsigned char* image, int deviceType, int reserved);
    ~Programms() override;

    // 108, 110 or 114 programs for the 4-, 8- and 16-loop panels.
    int count() const { return int(_programms.size()); }
    // Program by list position; null outside the list.
    Programm* programm(int row) const;
    // Program by slot index 0..113; null for a slot without a program on this model.
    Programm* programmByIndex(unsigned index) const;

    // Builds the programs of the current model anew and decodes them.
    void loadFromImage() override;
    void setImage(unsigned char* image) override;
    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

private:
    void buildProgramms();

    std::vector<std::unique_ptr<Programm>> _programms;
};

} // namespace olma::config
