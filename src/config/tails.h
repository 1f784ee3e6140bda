#pragma once

#include "config/configitem.h"
#include "config/tail.h"

#include <memory>
#include <vector>

namespace olma::config {

// "Шлейфы сигнализации": one loop per loop of the model (4, 8 or 16). The slots above the model's
// count have no node; their bytes stay as they are and still go to the panel.
class Tails : public ConfigItem
{
public:
    Tails(unsigned char* image, int deviceType, int reserved);

    // The "Шлейфы сигнализации" page.
    QWidget* createWidget(QWidget* parent) override;
    ~Tails() override;

    int count() const { return int(_tails.size()); }
    // Loop by index; null outside the model's count.
    Tail* tail(int index) const;

    // The row the loops page showed last.
    int currentTail() const { return _currentTail; }
    void setCurrentTail(int index) { _currentTail = index; }

    // Leaves the loops and their bytes alone: a reset of the whole configuration starts from a
    // zeroed image, where the loop bytes already hold the defaults.
    void setDefault() override;
    // Builds the loops of the current model anew and decodes them.
    void loadFromImage() override;
    // The section heading, then the loops of the model.
    QString exportText(int format) const override;

private:
    void buildTails();

    std::vector<std::unique_ptr<Tail>> _tails;
    int _currentTail = 0;
};

} // namespace olma::config
