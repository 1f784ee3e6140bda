#pragma once

#include "config/configitem.h"

#include <QStringList>

#include <vector>

namespace olma::config {

// One kind of addressable block on the panel's line: which addresses are connected (a 16-bit mask
// in the image) and the user's description of each block.
class BlockGroup : public ConfigItem
{
public:
    enum Kind
    {
        Keyboards = 0,        // "Ольма-КВ"
        IndicationBlocks = 1, // "БВИ-А"
        RelayBlocks = 2,      // "БРВ-А"
        ArmingDevices = 3,    // "УПС-А(Ех)"
        OutputBlocks = 4,     // "БКВ-А"
        PowerBlocks = 5,      // "БП-А"
        PowerOutputs = 6,     // "ИП": known to the panel, never a group of its own
    };

    BlockGroup(unsigned char* image, int deviceType, int kind);

    // The table of the group's blocks.
    QWidget* createWidget(QWidget* parent) override;

    // Number of block addresses of the kind.
    int count() const { return _count; }
    int kind() const { return _kind; }

    // `index` is 0-based; address index + 1. Out-of-range indexes read false and write nothing.
    bool isConnected(int index) const;
    void setConnected(int index, bool on);

    QString blockDescription(int index) const;
    // Stores the text and writes it into the description document at once.
    void setBlockDescription(const int& index, const QString& text);

    void setDefault() override;
    void loadFromImage() override;
    // One line or row per block address, numbered from 1; block descriptions stay out.
    QString exportText(int format) const override;
    // Reads one description per block (element id = 0-based block index); the group's own
    // description stays its full name.
    void setDescriptionDocument(const QDomDocument& document) override;
    // Writes every block's description that has text or already an element.
    void storeDescription() override;

private:
    // Image offset of the kind's mask, or -1 for a kind without one.
    static int maskOffset(int kind);
    static int blockCount(int kind);

    unsigned char* _mask = nullptr;
    int _count = 0;
    std::vector<bool> _connected;
    QStringList _blockDescriptions;
    int _kind = Keyboards;
};

} // namespace olma::config
