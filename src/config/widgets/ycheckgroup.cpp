#include "config/widgets/ycheckgroup.h"

#include "config/widgets/ycheckbox.h"

#include <QGridLayout>

namespace olma::config {
namespace {

constexpr int kSpacing = 6;
constexpr int kMargin = 6;

} // namespace

YCheckGroup::YCheckGroup(QWidget* parent) : QGroupBox(parent), _layout(new QGridLayout(this))
{
    _layout->setSpacing(kSpacing);
    _layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
}

YCheckGroup::~YCheckGroup() = default;

void YCheckGroup::setCount(int count)
{
    qDeleteAll(_boxes);
    _boxes.clear();
    for (int i = 0; i < qBound(0, count, kMaxCount); ++i)
        _boxes.append(nullptr);
}

void YCheckGroup::build()
{
    for (int r = 0; r < _rows; ++r) {
        for (int c = 0; c < _columns; ++c) {
            const int i = r * _columns + c;
            if (i >= _boxes.size())
                continue;
            delete _boxes.at(i);
            auto* box = new YCheckBox(this);
            box->setNumber(i + 1);
            box->setBaseText(_baseText);
            box->setNumbered(_numbered);
            connect(box, &QCheckBox::stateChanged, this, [this, box, i](int state) {
                if (state != Qt::PartiallyChecked)
                    box->setTristate(false);
                emit bitChanged(i, state == Qt::Checked);
            });
            connect(box, &QCheckBox::stateChanged, this, &YCheckGroup::emitChanged);
            _layout->addWidget(box, r, c);
            _boxes[i] = box;
        }
    }
    // The boxes keep their natural width; the free room goes to the right.
    _layout->setColumnStretch(_columns, 1);
}

void YCheckGroup::setMask(quint32 mask)
{
    for (int i = 0; i < _boxes.size(); ++i) {
        if (_boxes.at(i)) {
            _boxes.at(i)->setTristate(false);
            _boxes.at(i)->setChecked((mask >> i) & 1u);
        }
    }
}

void YCheckGroup::setDiffering(quint32 bits)
{
    for (int i = 0; i < _boxes.size(); ++i) {
        YCheckBox* box = _boxes.at(i);
        if (!box || !((bits >> i) & 1u))
            continue;
        const QSignalBlocker blocker(box);
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    }
}

quint32 YCheckGroup::mask() const
{
    quint32 mask = 0;
    for (int i = 0; i < _boxes.size(); ++i) {
        if (_boxes.at(i) && _boxes.at(i)->checkState() == Qt::Checked)
            mask |= 1u << i;
    }
    return mask;
}

quint32 YCheckGroup::boxMask() const
{
    quint32 mask = 0;
    for (int i = 0; i < _boxes.size(); ++i) {
        if (_boxes.at(i))
            mask |= 1u << i;
    }
    return mask;
}

YCheckBox* YCheckGroup::box(int index) const
{
    return index >= 0 && index < _boxes.size() ? _boxes.at(index) : nullptr;
}

void YCheckGroup::emitChanged()
{
    emit changed();
}

} // namespace olma::config
