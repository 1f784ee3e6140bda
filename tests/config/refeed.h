#pragma once

#include <QMap>
#include <QString>

namespace olma::config {
class IConfigItem;
}

// Walks a configuration tree and calls every setter of every node with the value of its own
// getter, as an editor page does when it writes back what it shows. A faithful node leaves the
// image as it was. Returns how many nodes of each kind were fed, so that a test can see the walk
// reached them all. Further kinds of node get a feeder in refeed.cpp.
QMap<QString, int> refeedTree(olma::config::IConfigItem* root);
