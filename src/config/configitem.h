#pragma once

#include "common/text.h"
#include "config/iconfigitem.h"

#include <QDomDocument>
#include <QStringList>
#include <QtGlobal>

namespace olma::config {

// The common implementation of a configuration node: the child list, name, description, the
// description document and the recursive operations over the subtree.
class ConfigItem : public IConfigItem, public IConfigItemPriv
{
    Q_DISABLE_COPY(ConfigItem)

public:
    // `reserved` is kept for the constructors of all nodes to look alike; it has no meaning.
    ConfigItem(unsigned char* image, int deviceType, int reserved);
    ~ConfigItem() override;

    // IGuiItem: nodes without a page of their own answer null.
    QWidget* createWidget(QWidget* parent) override;

    // IConfigItem
    QList<IConfigItem*> children() const override;
    QString name() const override;
    QString description() const override;
    void setDefault() override;
    std::vector<unsigned char> image() const override;
    void addChild(IConfigItem* child) override;
    void removeChild(IConfigItem* child) override;
    void clearChildren() override;
    int deviceType() const override;
    void setDeviceType(const int& deviceType) override;
    int id() const override;
    void setDescriptionDocument(const QDomDocument& document) override;

    // IConfigItemPriv
    void loadFromImage() override;
    void setImage(unsigned char* image) override;
    QString exportText(int format) const override;
    void storeDescription() override;

    // The element name of the node's description; empty for nodes without one.
    QString xmlTag() const { return _xmlTag; }
    // The node's own description text, and putting one back (an undone edit) without telling anyone.
    QString ownDescription() const { return _description; }
    void restoreDescription(const QString& text);

    // The document the node keeps its description in (null before the node has one).
    QDomDocument descriptionDocument() const { return _document; }

protected:
    bool isAttached() const { return _image != nullptr; }

    // Appends a child built after the tree got its description document, and hands it the
    // document so that it reads its description and later stores into the same one.
    void adoptChild(IConfigItem* child);

    // The document, created empty on first need and handed to the children.
    QDomDocument& ensureDocument();

    // `heading` followed by the children's export texts, in child order.
    QString exportChildren(int format, const QString& heading) const;

    // The framework face of a child; null when the child has none.
    static IConfigItemPriv* priv(IConfigItem* item);
    static const IConfigItemPriv* priv(const IConfigItem* item);

    unsigned char* _image = nullptr;
    int _deviceType = 0;
    olma::Text _name; // in the language of the moment: the window's, or Russian in a document
    QString _description;
    int _itemId = 0;
    QString _xmlTag;
    QDomDocument _document;

private:
    QList<IConfigItem*> _children;
};

} // namespace olma::config
