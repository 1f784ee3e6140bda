#pragma once

#include <QByteArray>

#include <memory>
#include <vector>

namespace olma::config {
class Configuration;
}

namespace olma::archive {

// A configuration rebuilt from stored bytes (a snapshot or a file's contents): the image, the
// model and the description file's contents.
class StoredConfiguration
{
public:
    StoredConfiguration(const QByteArray& image, int deviceType, const QByteArray& descriptions);
    ~StoredConfiguration();
    StoredConfiguration(const StoredConfiguration&) = delete;
    StoredConfiguration& operator=(const StoredConfiguration&) = delete;

    const olma::config::Configuration& configuration() const { return *_configuration; }

    // The description file's contents for a configuration, as saving it would write them.
    static QByteArray descriptionsOf(const olma::config::Configuration& configuration);

private:
    std::vector<unsigned char> _image;
    std::unique_ptr<olma::config::Configuration> _configuration;
};

} // namespace olma::archive
