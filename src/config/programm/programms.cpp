#include "config/programm/programms.h"

#include "common/pagefactory.h"
#include "config/configtexts.h"
#include "config/programm/programmrecord.h"

namespace olma::config {
namespace {

// The section heading; the HTML document has none of its own.
QString sectionHeading(int format)
{
    const QString title = texts::programmsPageTitle();
    switch (format) {
    case ExportText:
        return title + QStringLiteral(":\r\n");
    case ExportCsv:
        return title + QStringLiteral("\r\n");
    case ExportRtf:
        return QStringLiteral("{\\pard\\qc{") + title + QStringLiteral(":}\n\\par}\n");
    }
    return QString();
}

QString programmHeading(int format, const QString& title)
{
    switch (format) {
    case ExportText:
    case ExportCsv:
        return QStringLiteral("\r\n") + title + QStringLiteral("\r\n");
    case ExportHtml:
        return QStringLiteral("\r\n<br><b>") + title + QStringLiteral("</b>\r\n");
    case ExportRtf:
        return QStringLiteral("{\\pard\\qc{") + title + QStringLiteral("}\n\\par}\n");
    }
    return QString();
}

} // namespace

Programms::Programms(unsigned char* image, int deviceType, int reserved) : ConfigItem(image, deviceType, reserved)
{
    _name = texts::programmsPageTitle();
    buildProgramms();
}

Programms::~Programms()
{
    clearChildren();
}

Programm* Programms::programm(int row) const
{
    return row >= 0 && row < count() ? _programms[size_t(row)].get() : nullptr;
}

Programm* Programms::programmByIndex(unsigned index) const
{
    for (const auto& p : _programms) {
        if (p->index() == index)
            return p.get();
    }
    return nullptr;
}

void Programms::loadFromImage()
{
    // Each new program decodes its record as it is built.
    buildProgramms();
}

void Programms::setImage(unsigned char* image)
{
    _image = image;
    loadFromImage();
}

QString Programms::exportText(int format) const
{
    QString text = sectionHeading(format);
    for (const auto& p : _programms)
        text += programmHeading(format, p->title()) + p->exportText(format);
    return text;
}

void Programms::buildProgramms()
{
    clearChildren();
    _programms.clear();
    _programms.reserve(size_t(kProgrammCount));
    for (unsigned index = 0; index < unsigned(kProgrammCount); ++index) {
        if (!programm::programmExists(index, _deviceType))
            continue;
        auto p = std::make_unique<Programm>(_image, _deviceType, index);
        adoptChild(p.get());
        _programms.push_back(std::move(p));
    }
}

QWidget* Programms::createWidget(QWidget* parent)
{
    return olma::pages::create(*this, parent);
}

} // namespace olma::config
