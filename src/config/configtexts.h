#pragma once

#include "common/text.h"

#include <QString>

// Every text of the configuration model that a user sees: page titles, node names, block kinds,
// loop types and the messages of the configuration-file commands.
namespace olma::config::texts {

// Page buttons of the configuration, in display order.
olma::Text paramsPageTitle();
olma::Text contentPageTitle();
olma::Text usersPageTitle();
olma::Text tailsPageTitle();
olma::Text programmsPageTitle();

// Node names.
olma::Text contentName();
olma::Text usersName();
olma::Text tailsName();
olma::Text administratorName();
olma::Text userName();
olma::Text tailName();

// Short name, full name and description-file tag of a connected-block kind (0..6).
olma::Text blockKindName(int kind);
QString blockKindFullName(int kind);
QString blockKindXmlTag(int kind);

// Loop types as the editor lists them and as exports write them; the export has no word for type 7.
QString tailTypeName(int type);
QString tailTypeExportName(int type);

// The configuration-file commands of the window (and the command-line tool).
QString readFileTitle();
QString writeFileTitle();
QString binaryFileFilter();
QString fileNotFound(const QString& fileName);
QString fileWrongSize(const QString& fileName);
QString readSizeMismatch();
// Why a description file beside a configuration was passed over; the image loads without it.
QString descriptionNotRegular(const QString& fileName);
QString descriptionTooLarge(const QString& fileName, qint64 size);
QString descriptionUnreadable(const QString& fileName, const QString& reason);

} // namespace olma::config::texts
