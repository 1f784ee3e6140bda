#include "config/configitem.h"

#include "config/descriptiondocument.h"
#include "config/imagemap.h"

namespace olma::config {

ConfigItem::ConfigItem(unsigned char* image, int deviceType, int /*reserved*/) : _image(image), _deviceType(deviceType)
{
    // A new node has no children to attach yet; concrete nodes build them and then decode themselves.
}

ConfigItem::~ConfigItem() = default;

QWidget* ConfigItem::createWidget(QWidget* /*parent*/)
{
    return nullptr;
}

QList<IConfigItem*> ConfigItem::children() const
{
    return _children;
}

QString ConfigItem::name() const
{
    return _name;
}

QString ConfigItem::description() const
{
    return _description;
}

void ConfigItem::setDefault()
{
    for (IConfigItem* child : _children)
        child->setDefault();
}

std::vector<unsigned char> ConfigItem::image() const
{
    if (!_image)
        return {};
    return std::vector<unsigned char>(_image, _image + kImageSize);
}

void ConfigItem::addChild(IConfigItem* child)
{
    if (child)
        _children.append(child);
}

void ConfigItem::removeChild(IConfigItem* child)
{
    _children.removeAll(child);
}

void ConfigItem::clearChildren()
{
    _children.clear();
}

int ConfigItem::deviceType() const
{
    return _deviceType;
}

void ConfigItem::setDeviceType(const int& deviceType)
{
    _deviceType = deviceType;
    for (IConfigItem* child : _children)
        child->setDeviceType(deviceType);
}

int ConfigItem::id() const
{
    return _itemId;
}

void ConfigItem::setDescriptionDocument(const QDomDocument& document)
{
    _document = document;
    for (IConfigItem* child : _children)
        child->setDescriptionDocument(document);
    // The document is the whole truth about descriptions: a node it does not describe has none.
    if (!_xmlTag.isEmpty())
        _description = descriptions::read(_document, _xmlTag, _itemId).value_or(QString());
}

void ConfigItem::loadFromImage()
{
    for (IConfigItem* child : _children) {
        if (IConfigItemPriv* p = priv(child))
            p->loadFromImage();
    }
}

void ConfigItem::setImage(unsigned char* image)
{
    _image = image;
    for (IConfigItem* child : _children) {
        if (IConfigItemPriv* p = priv(child))
            p->setImage(image);
    }
    loadFromImage();
}

QString ConfigItem::exportText(int format) const
{
    return exportChildren(format, QString());
}

QString ConfigItem::exportChildren(int format, const QString& heading) const
{
    // A section of 255 users runs to megabytes in RTF: the pieces are joined in one allocation
    // rather than grown into one string step by step.
    QStringList pieces;
    pieces.reserve(_children.size() + 1);
    pieces.append(heading);
    for (const IConfigItem* child : _children) {
        if (const IConfigItemPriv* p = priv(child))
            pieces.append(p->exportText(format));
    }
    return pieces.join(QString());
}

void ConfigItem::restoreDescription(const QString& text)
{
    if (text == _description)
        return;
    _description = text;
    storeDescription();
}

void ConfigItem::storeDescription()
{
    if (_xmlTag.isEmpty())
        return;
    descriptions::write(ensureDocument(), _xmlTag, _itemId, _description);
}

void ConfigItem::adoptChild(IConfigItem* child)
{
    if (!child)
        return;
    addChild(child);
    if (!_document.isNull())
        child->setDescriptionDocument(_document);
}

QDomDocument& ConfigItem::ensureDocument()
{
    if (_document.isNull()) {
        const QDomDocument document = descriptions::emptyDocument();
        for (IConfigItem* child : _children)
            child->setDescriptionDocument(document);
        _document = document;
    }
    return _document;
}

IConfigItemPriv* ConfigItem::priv(IConfigItem* item)
{
    return dynamic_cast<IConfigItemPriv*>(item);
}

const IConfigItemPriv* ConfigItem::priv(const IConfigItem* item)
{
    return dynamic_cast<const IConfigItemPriv*>(item);
}

} // namespace olma::config
