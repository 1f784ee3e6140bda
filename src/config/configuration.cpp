#include "config/configuration.h"

#include "common/cp1251.h"
#include "common/datadir.h"
#include "common/safefile.h"
#include "common/text.h"
#include "config/configexport.h"
#include "config/configtexts.h"
#include "config/content.h"
#include "config/descriptiondocument.h"
#include "config/exporttexts.h"
#include "config/imagemap.h"
#include "config/params.h"
#include "config/programm/programms.h"
#include "config/tails.h"
#include "config/users.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace olma::config {
namespace {

const QString kDefaultFile = QStringLiteral("config/default.bin");
const QString kDescriptionSuffix = QStringLiteral(".xml");

// Files of the older layout hold no user messages; whatever lies there is not a message.
constexpr int kShortLayoutClearFrom = 14;
constexpr int kShortLayoutClearTo = 45;

// Reads until `size` bytes are in or the file ends; the count read, or -1 on a read error.
qint64 readFully(QFile& file, unsigned char* data, qint64 size)
{
    qint64 total = 0;
    while (total < size) {
        const qint64 n = file.read(reinterpret_cast<char*>(data) + total, size - total);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
    }
    return total;
}

// A description file is a few hundred kilobytes for the largest panel; anything much larger was
// not written by the program and is not worth the memory.
constexpr qint64 kMaxDescriptionSize = 4 * 1024 * 1024;

// "file: reason", for the messages of the commands that write files.
void setReason(QString* reason, const olma::files::SafeWriter& writer)
{
    if (reason)
        *reason = QStringLiteral("%1: %2").arg(writer.fileName(), writer.errorString());
}

} // namespace

QString fileReadMessage(FileReadResult result, const QString& fileName)
{
    switch (result) {
    case FileReadResult::Loaded:
        return QString();
    case FileReadResult::NotFound:
        return texts::fileNotFound(fileName);
    case FileReadResult::WrongSize:
        return texts::fileWrongSize(fileName);
    case FileReadResult::ReadSizeMismatch:
        return texts::readSizeMismatch();
    }
    return QString();
}

Configuration::Configuration(unsigned char* image, int deviceType) : ConfigItem(image, deviceType, 0)
{
    _params = std::make_unique<Params>(image, deviceType, 0);
    _content = std::make_unique<Content>(image, deviceType, 0);
    _users = std::make_unique<Users>(image, deviceType, 0);
    _tails = std::make_unique<Tails>(image, deviceType, 0);
    _programms = std::make_unique<Programms>(image, deviceType, 0);

    // Pages and exports list the sections in this order.
    addChild(_params.get());
    addChild(_content.get());
    addChild(_tails.get());
    addChild(_programms.get());
    addChild(_users.get());

    _blocks = config::blockTable();
    resetDescriptions();
    ConfigItem::setDefault();
}

Configuration::~Configuration()
{
    clearChildren();
}

void Configuration::blocks(std::vector<unsigned char>& image, std::vector<BlockRecord>& table) const
{
    image = this->image();
    table = _blocks;
}

bool Configuration::loadFromFile(const QString& path)
{
    if (!_image || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::vector<unsigned char> bytes(kImageSize, 0);
    if (readFully(file, bytes.data(), kImageSize) != kImageSize)
        return false;
    std::copy(bytes.begin(), bytes.end(), _image);
    setImage(_image);
    return true;
}

bool Configuration::saveToFile(const QString& path, QString* reason) const
{
    if (!_image)
        return false;

    // Both files are written and flushed before either replaces its predecessor, so that a
    // failure (a full disk shows only at the flush) leaves the previous pair of files as it was.
    olma::files::SafeWriter binary(path);
    olma::files::SafeWriter description(descriptionFileName(path));
    const QByteArray imageBytes(reinterpret_cast<const char*>(_image), kImageSize);
    const QByteArray xml = descriptions::serialize(_document);
    for (olma::files::SafeWriter* writer : {&binary, &description}) {
        const QByteArray& bytes = writer == &binary ? imageBytes : xml;
        if (!writer->open() || !writer->write(bytes) || !writer->flush()) {
            setReason(reason, *writer);
            return false;
        }
    }
    if (!description.commit()) {
        setReason(reason, description);
        return false;
    }
    if (!binary.commit()) {
        setReason(reason, binary);
        return false;
    }
    return true;
}

FileReadResult Configuration::readFromFile(const QString& path, int deviceType)
{
    QByteArray contents;
    const olma::files::ReadResult read = olma::files::readFile(path, kShortImageSize, kImageSize, &contents);
    switch (read.status) {
    case olma::files::ReadStatus::Missing:
    case olma::files::ReadStatus::NotRegular:
        return FileReadResult::NotFound;
    case olma::files::ReadStatus::WrongSize:
        return FileReadResult::WrongSize;
    case olma::files::ReadStatus::Unreadable:
        return FileReadResult::ReadSizeMismatch;
    case olma::files::ReadStatus::Read:
        break;
    }
    const qint64 count = contents.size();
    if (count != kImageSize && count != kShortImageSize)
        return FileReadResult::WrongSize;
    if (!_image)
        return FileReadResult::ReadSizeMismatch;
    // The image changes only once the whole file is in, so a failed read loses nothing.
    std::vector<unsigned char> bytes(kImageSize, 0);
    std::copy(contents.begin(), contents.end(), bytes.begin());
    if (count == kShortImageSize)
        std::fill(bytes.begin() + kShortLayoutClearFrom, bytes.begin() + kShortLayoutClearTo + 1, 0);

    std::copy(bytes.begin(), bytes.end(), _image);
    // The nodes rebuilt for the new image look for their descriptions in the document they hold;
    // the old one is about to go, and a large one would make every node search it in vain.
    resetDescriptions();
    setDeviceType(deviceType);
    setImage(_image);

    // A missing, unreadable or malformed description file leaves the descriptions empty. One
    // that is not a regular file (a FIFO would block the read forever) or is too large is not
    // opened at all.
    _descriptionWarning.clear();
    QDomDocument document = descriptions::emptyDocument();
    const QString xmlName = descriptionFileName(path);
    QByteArray xml;
    const olma::files::ReadResult xmlRead = olma::files::readFile(xmlName, 0, kMaxDescriptionSize, &xml);
    switch (xmlRead.status) {
    case olma::files::ReadStatus::Read:
        if (auto parsed = descriptions::parse(xml))
            document = *parsed;
        break;
    case olma::files::ReadStatus::Missing:
        break;
    case olma::files::ReadStatus::NotRegular:
        _descriptionWarning = texts::descriptionNotRegular(xmlName);
        break;
    case olma::files::ReadStatus::WrongSize:
        _descriptionWarning = texts::descriptionTooLarge(xmlName, xmlRead.size);
        break;
    case olma::files::ReadStatus::Unreadable:
        _descriptionWarning = texts::descriptionUnreadable(xmlName, xmlRead.reason);
        break;
    }
    setDescriptionDocument(document);
    return FileReadResult::Loaded;
}

QString Configuration::exportText(int format) const
{
    return documentPieces(format).join(QString());
}

QStringList Configuration::documentPieces(int format) const
{
    // The document reads the same whatever language the window speaks.
    const olma::RussianTexts russian;
    namespace t = exporttexts;
    // Parameters, blocks, users, loops, relay programs.
    const QString names[] = {t::kParamsSection, t::kContentSection, t::kUsersSection, t::kTailsSection,
                             t::kProgrammsSection};
    constexpr size_t kSections = std::size(names);
    QStringList pieces;
    const auto appendSection = [&](size_t i) {
        switch (i) {
        case 0:
            pieces << _params->exportText(format);
            break;
        case 1:
            pieces << _content->exportText(format);
            break;
        case 2:
            pieces << _users->exportPieces(format);
            break;
        case 3:
            pieces << _tails->exportText(format);
            break;
        default:
            pieces << _programms->exportText(format);
            break;
        }
    };

    switch (format) {
    case ExportText:
        for (size_t i = 0; i < kSections; ++i) {
            pieces << QStringLiteral("\r\n") + names[i] + QStringLiteral(": \r\n");
            appendSection(i);
        }
        break;
    case ExportCsv:
        for (size_t i = 0; i < kSections; ++i) {
            if (i > 0)
                pieces << QStringLiteral("\r\n");
            appendSection(i);
        }
        break;
    case ExportRtf:
        pieces << QStringLiteral("{\\rtf1\\ansi\\ansicpg1251\\margl576\n");
        for (size_t i = 0; i < kSections; ++i)
            appendSection(i);
        pieces << QStringLiteral("}\n");
        break;
    case ExportHtml:
        pieces << QStringLiteral("<html>\n<head>\n<meta http-equiv=\"Content-Type\" Content=\"text/html; "
                                 "charset=windows-1251\"><title>") +
                      t::kHtmlTitle + QStringLiteral("</title></head><body>\n");
        for (size_t i = 0; i < kSections; ++i) {
            pieces << QStringLiteral("<br><b>") + names[i] + QStringLiteral(":</b>\n");
            appendSection(i);
        }
        pieces << QStringLiteral("</body>\n</html>\n");
        break;
    default:
        break;
    }
    return pieces;
}

bool Configuration::exportToFile(const QString& path, const QString& suffix, QString* reason) const
{
    const int format = exportFormat(suffix);
    if (format < 0)
        return false;
    // Written piece by piece: the document of a full configuration runs to megabytes in RTF.
    olma::files::SafeWriter file(path);
    bool written = file.open();
    for (const QString& piece : documentPieces(format)) {
        if (!written)
            break;
        written = file.write(cp1251::encode(piece));
    }
    if (written && file.commit())
        return true;
    setReason(reason, file);
    return false;
}

void Configuration::newConfiguration(int deviceType)
{
    if (_image)
        std::fill(_image, _image + kImageSize, 0);
    resetDescriptions();
    if (!loadFromFile(olma::dataFile(kDefaultFile)))
        setDefault();
    setDeviceType(deviceType);
    loadFromImage();
}

void Configuration::resetDescriptions()
{
    setDescriptionDocument(descriptions::emptyDocument());
}

QList<GuiEntry> Configuration::guiItems()
{
    return {
        {texts::paramsPageTitle(), QString(), _params.get()},
        {texts::contentPageTitle(), QString(), _content.get()},
        {texts::usersPageTitle(), QString(), _users.get()},
        {texts::tailsPageTitle(), QString(), _tails.get()},
        {texts::programmsPageTitle(), QString(), _programms.get()},
    };
}

QString Configuration::descriptionFileName(const QString& path)
{
    return path + kDescriptionSuffix;
}

} // namespace olma::config
