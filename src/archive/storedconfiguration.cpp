#include "archive/storedconfiguration.h"

#include "config/configuration.h"
#include "config/descriptiondocument.h"
#include "config/imagemap.h"

#include <algorithm>

namespace olma::archive {

StoredConfiguration::StoredConfiguration(const QByteArray& image, int deviceType, const QByteArray& descriptions)
    : _image(olma::config::kImageSize, 0)
{
    _configuration = std::make_unique<olma::config::Configuration>(_image.data(), deviceType);
    std::fill(_image.begin(), _image.end(), 0);
    std::copy_n(image.constData(), std::min<qsizetype>(image.size(), qsizetype(_image.size())), _image.begin());
    _configuration->setDeviceType(deviceType);
    _configuration->setImage(_image.data());
    auto document = olma::config::descriptions::parse(descriptions);
    _configuration->setDescriptionDocument(document ? *document : olma::config::descriptions::emptyDocument());
}

StoredConfiguration::~StoredConfiguration() = default;

QByteArray StoredConfiguration::descriptionsOf(const olma::config::Configuration& configuration)
{
    return olma::config::descriptions::serialize(configuration.descriptionDocument());
}

} // namespace olma::archive
