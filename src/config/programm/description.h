#pragma once

#include "config/configitem.h"

namespace olma::config::programm {

// "Описание": the user's text about what a program does. The panel never sees it; it is kept in the
// description document under "programm" with the program index as id, and it is not exported.
class Description : public ConfigItem
{
public:
    Description(unsigned char* image, int deviceType, unsigned index);

    unsigned index() const { return _index; }

    // Stores the text in the description document at once.
    void setDescription(const QString& text);
    void assign(const Description& other);

    QWidget* createWidget(QWidget* parent) override;
    QString exportText(int format) const override;

private:
    unsigned _index = 0;
};

} // namespace olma::config::programm
