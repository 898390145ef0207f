#pragma once

#include <QString>
#include <QStringList>

namespace velorin {

// The document languages: the sub-folders of the data folder's Langues folder (names not
// beginning with a full stop), sorted; empty when there is no such folder.
QStringList languesDocuments(const QString& dossierDonnees);

} // namespace velorin
