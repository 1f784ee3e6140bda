#pragma once

#include "common/iguiitem.h"

#include <QList>
#include <QString>

#include <vector>

class QDomDocument;

namespace olma::config {

// The public face of every node of the configuration tree.
class IConfigItem : public olma::IGuiItem
{
public:
    // A copy of the child list, in order.
    virtual QList<IConfigItem*> children() const = 0;
    // The node's short label, e.g. "ШС" for a loop.
    virtual QString name() const = 0;
    // The user's free text for the node; the panel never sees it.
    virtual QString description() const = 0;
    // Factory defaults for the node's own fields and image bytes, then for every child.
    virtual void setDefault() = 0;
    // A copy of the whole image; empty when the node is not attached to one.
    virtual std::vector<unsigned char> image() const = 0;
    // A null child is ignored.
    virtual void addChild(IConfigItem* child) = 0;
    // Removes every occurrence of the pointer; destroys nothing.
    virtual void removeChild(IConfigItem* child) = 0;
    // Empties the list; destroys nothing.
    virtual void clearChildren() = 0;
    // 0, 1, 2 for the 4-, 8- and 16-loop panels.
    virtual int deviceType() const = 0;
    // Recursive; nodes whose number of children follows the model rebuild at the next loadFromImage().
    virtual void setDeviceType(const int& deviceType) = 0;
    // The node's number within its parent; the "id" attribute of its description element.
    virtual int id() const = 0;
    // Adopts the description document (a shared copy) and reads the node's description from it; recursive.
    virtual void setDescriptionDocument(const QDomDocument& document) = 0;
};

// The framework's own face of a node: attaching the image, decoding, export, storing the description.
// Nodes are never destroyed through it.
class IConfigItemPriv
{
public:
    // Decodes the node's fields from its image bytes.
    virtual void loadFromImage() = 0;
    virtual void setDefault() = 0;
    // Attaches the subtree to an image and decodes it.
    virtual void setImage(unsigned char* image) = 0;
    // The node's rendering for export: 0 plain text, 1 RTF, 2 HTML, 3 CSV.
    virtual QString exportText(int format) const = 0;
    // Writes the node's description into the description document; does not recurse.
    virtual void storeDescription() = 0;

protected:
    ~IConfigItemPriv() = default;
};

// Export format codes of exportText().
enum ExportFormat
{
    ExportText = 0,
    ExportRtf = 1,
    ExportHtml = 2,
    ExportCsv = 3,
};

} // namespace olma::config
