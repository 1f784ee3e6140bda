#pragma once

#include "common/blockrecord.h"
#include "common/iguisetup.h"
#include "config/configitem.h"

#include <memory>
#include <vector>

namespace olma::config {

class Content;
class Params;
class Programms;
class Tails;
class Users;

// How reading a configuration file ended; configurationFileMessage() gives the text to show.
enum class FileReadResult
{
    Loaded,
    NotFound,         // no such file
    WrongSize,        // neither 10098 nor 10066 bytes long
    ReadSizeMismatch, // the file could not be read whole
};

// The message for a result of Configuration::readFromFile(); empty for Loaded.
QString fileReadMessage(FileReadResult result, const QString& fileName);

// The root of the configuration tree over the 10098-byte image the panel stores: the five
// sections, the transfer block table, the binary and description files.
class Configuration : public olma::IGuiSetup, public ConfigItem
{
public:
    // The image belongs to the caller (10098 bytes) and is written in place. A new root writes the
    // factory defaults into it.
    Configuration(unsigned char* image, int deviceType);
    ~Configuration() override;

    Params* params() const { return _params.get(); }
    Content* content() const { return _content.get(); }
    Users* users() const { return _users.get(); }
    Tails* tails() const { return _tails.get(); }
    Programms* programms() const { return _programms.get(); }

    const std::vector<BlockRecord>& blockTable() const { return _blocks; }
    // A copy of the image (empty when the root has none) and of the block table, for a transfer.
    void blocks(std::vector<unsigned char>& image, std::vector<BlockRecord>& table) const;

    // Reads a raw 10098-byte image (the default configuration); false, with the image unchanged,
    // when the file cannot be read or is shorter.
    bool loadFromFile(const QString& path);

    // Writes the raw image to `path` and the descriptions to `path` + ".xml". True only when both
    // were written; otherwise the files that were there stay as they were and `reason` names the
    // file and says why ("No space left on device", a target that is a folder or a device...).
    bool saveToFile(const QString& path, QString* reason = nullptr) const;

    // The "open a configuration file" command: size checks, the older 10066-byte layout (without
    // the user messages), the model chosen by the user and the ".xml" description file. Anything
    // but Loaded leaves the image and the tree untouched. A description file that is not a regular
    // file or is larger than 4 MiB is not read: the image loads without descriptions and
    // descriptionWarning() says why.
    FileReadResult readFromFile(const QString& path, int deviceType);

    // Why the description file of the last readFromFile() was passed over; empty when it was
    // read or simply absent.
    QString descriptionWarning() const { return _descriptionWarning; }

    // The whole export document in a format (ExportFormat): the sections parameters, blocks,
    // users, loops and relay programs in their frame.
    QString exportText(int format) const override;

    // Writes the export document for a file type ("txt", "text", "log", "rtf", "htm", "html",
    // "csv") in Windows-1251. False, with nothing written, for any other type or when the file
    // cannot be written; a file that was there stays as it was then, and `reason` says why.
    bool exportToFile(const QString& path, const QString& suffix, QString* reason = nullptr) const;

    // A fresh configuration: the default file, or the factory defaults without it; no descriptions.
    void newConfiguration(int deviceType);

    // Gives the tree an empty description document, which clears every description.
    void resetDescriptions();

    // IGuiSetup: "Параметры", "Состав", "Пользователи", "Шлейфы сигнализации",
    // "Активация реле (выходов)".
    QList<GuiEntry> guiItems() override;
    bool guiEnabled() const override { return _guiEnabled; }
    void setGuiEnabled(bool) override {}

    // The description file that goes with a configuration file.
    static QString descriptionFileName(const QString& path);

private:
    // The export document in order: the frame's pieces and the sections' texts.
    QStringList documentPieces(int format) const;

    std::unique_ptr<Params> _params;
    std::unique_ptr<Content> _content;
    std::unique_ptr<Users> _users;
    std::unique_ptr<Tails> _tails;
    std::unique_ptr<Programms> _programms;
    std::vector<BlockRecord> _blocks;
    bool _guiEnabled = true;
    QString _descriptionWarning;
};

} // namespace olma::config
