#pragma once

#include <QCheckBox>

namespace olma::config {

// A check box for one bit of a mask, labelled with a base text and, when numbered, its number
// ("ШС-3").
class YCheckBox : public QCheckBox
{
    Q_OBJECT
    Q_DISABLE_COPY(YCheckBox)

public:
    explicit YCheckBox(QWidget* parent = nullptr);

    void setNumber(int number);
    int number() const { return _number; }
    void setNumbered(bool numbered);
    bool numbered() const { return _numbered; }
    void setBaseText(const QString& text);
    QString baseText() const { return _baseText; }

private:
    void relabel();

    int _number = 0;
    bool _numbered = false;
    QString _baseText;
};

} // namespace olma::config
