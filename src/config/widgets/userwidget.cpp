#include "config/widgets/userwidget.h"
#include "ui_userwidget.h"

#include "config/multiuser.h"
#include "config/user.h"
#include "config/widgets/mixedvalue.h"
#include "config/widgets/pagetexts.h"
#include "config/widgets/ycheckbox.h"

namespace olma::config {
namespace {

// Up to eight loop boxes in a row: one row for 4 and 8 loops, two rows for 16.
constexpr int kAccessColumns = 8;

bool isAdministrator(UserCommon* user)
{
    if (const auto* single = dynamic_cast<User*>(user))
        return single->isAdministrator();
    if (const auto* multi = dynamic_cast<MultiUser*>(user)) {
        for (UserCommon* member : multi->users()) {
            if (isAdministrator(member))
                return true;
        }
    }
    return false;
}

QString descriptionOf(UserCommon* user)
{
    const auto* item = dynamic_cast<IConfigItem*>(user);
    return item ? item->description() : QString();
}

} // namespace

UserWidget::UserWidget(UserCommon* user, QWidget* parent)
    : QWidget(parent), _ui(std::make_unique<Ui::UserWidget>()), _user(user)
{
    _ui->setupUi(this);
    if (!_user)
        return;
    fill();
    connectControls();
}

UserWidget::~UserWidget() = default;

void UserWidget::fill()
{
    const auto* multi = dynamic_cast<const MultiUser*>(_user);
    const auto differs = [multi](MultiUser::Field field) { return multi && multi->differs(field); };
    _ui->_passwordWidget->setAdministrator(isAdministrator(_user));
    _ui->_passwordWidget->setPassword(_user->password());
    _ui->_passwordWidget->setDiffering(differs(MultiUser::Field::Password));
    _ui->_iButtonWidget->setKey(_user->key());
    _ui->_iButtonWidget->setDiffering(differs(MultiUser::Field::Key));
    mixed::showFlag(_ui->_tailOffCheckBox, _user->tailOff(), differs(MultiUser::Field::TailOff));
    mixed::showFlag(_ui->_tailOnCheckBox, _user->tailOn(), differs(MultiUser::Field::TailOn));
    mixed::showFlag(_ui->_partialTailOnOffCheckBox, _user->partialTailOnOff(),
                    differs(MultiUser::Field::PartialTailOnOff));
    mixed::showFlag(_ui->_tailDropCheckBox, _user->tailDrop(), differs(MultiUser::Field::TailDrop));
    buildAccessGroup(_user->loopCount());
    _ui->_accessGroup->setMask(_user->accessMask());
    if (multi)
        _ui->_accessGroup->setDiffering(multi->differingAccess());
    _ui->_descrTextEdit->setPlainText(descriptionOf(_user));
    _ui->_descrTextEdit->setPlaceholderText(differs(MultiUser::Field::Description) ? mixed::kPlaceholder : QString());
}

void UserWidget::buildAccessGroup(int loops)
{
    YCheckGroup* group = _ui->_accessGroup;
    group->setCount(loops);
    group->setColumns(qMin(loops, kAccessColumns));
    group->setRows((loops + kAccessColumns - 1) / kAccessColumns);
    group->setBaseText(pagetexts::kAccessGroupBase);
    group->setNumbered(true);
    group->build();
    // The loop boxes, made after the form, come in the tab order where they stand: after the
    // rights, before the description.
    QWidget* previous = _ui->_tailDropCheckBox;
    for (int i = 0; i < group->count(); ++i) {
        if (YCheckBox* box = group->box(i)) {
            setTabOrder(previous, box);
            previous = box;
        }
    }
    setTabOrder(previous, _ui->_descrTextEdit);
}

void UserWidget::connectControls()
{
    connect(_ui->_passwordWidget, &ConfigurationCipherPasswordWidget::changed, this, &UserWidget::passwordChanged);
    connect(_ui->_iButtonWidget, &ConfiguratorIButtonWidget::changed, this, &UserWidget::iButtonChanged);
    connect(_ui->_accessGroup, &YCheckGroup::bitChanged, this, &UserWidget::accessChanged);
    connect(_ui->_tailOffCheckBox, &QCheckBox::stateChanged, this, &UserWidget::tailOffChanged);
    connect(_ui->_tailOnCheckBox, &QCheckBox::stateChanged, this, &UserWidget::tailOnChanged);
    connect(_ui->_partialTailOnOffCheckBox, &QCheckBox::stateChanged, this, &UserWidget::partialTailOnOffChanged);
    connect(_ui->_tailDropCheckBox, &QCheckBox::stateChanged, this, &UserWidget::tailDropChanged);
    connect(_ui->_descrTextEdit, &QTextEdit::textChanged, this, &UserWidget::descrChanged);
}

void UserWidget::passwordChanged()
{
    _user->setPassword(_ui->_passwordWidget->password());
}

// Bits of loops the model does not show are kept, so that a configuration opened for a smaller
// panel by mistake loses nothing.
void UserWidget::accessMaskChanged()
{
    const quint32 shown = _ui->_accessGroup->boxMask();
    const quint32 mask = (_user->accessMask() & ~shown) | _ui->_accessGroup->mask();
    _user->setAccessMask(static_cast<quint16>(mask));
}

void UserWidget::accessChanged(int loop, bool on)
{
    _user->setAccess(loop, on);
}

void UserWidget::iButtonChanged()
{
    _user->setKey(_ui->_iButtonWidget->key());
}

void UserWidget::tailOffChanged(int state)
{
    mixed::settleFlag(_ui->_tailOffCheckBox);
    _user->setTailOff(checked(state));
}

void UserWidget::tailOnChanged(int state)
{
    mixed::settleFlag(_ui->_tailOnCheckBox);
    _user->setTailOn(checked(state));
}

void UserWidget::partialTailOnOffChanged(int state)
{
    mixed::settleFlag(_ui->_partialTailOnOffCheckBox);
    _user->setPartialTailOnOff(checked(state));
}

void UserWidget::tailDropChanged(int state)
{
    mixed::settleFlag(_ui->_tailDropCheckBox);
    _user->setTailDrop(checked(state));
}

void UserWidget::descrChanged()
{
    _user->setDescription(_ui->_descrTextEdit->toPlainText());
}

} // namespace olma::config
