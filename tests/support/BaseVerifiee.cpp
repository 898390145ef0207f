#include "support/BaseVerifiee.h"

#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/VerificationTables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace velorin::test {

void ouvrirBaseVerifiee(DMCommun& commun, const QString& dossierDonnees)
{
    static QTemporaryDir modele;
    const QString fichierModele = modele.filePath(DMCommun::nomBase());
    const QString fichier = QDir(dossierDonnees).filePath(DMCommun::nomBase());
    if (!QFile::exists(fichierModele)) {
        commun.setDossierDonnees(dossierDonnees);
        VerificationTables(commun).VerifierTables();
        commun.base().fermer();
        QFile::copy(fichier, fichierModele);
    } else {
        QDir().mkpath(dossierDonnees);
        QFile::copy(fichierModele, fichier);
    }
    commun.setDossierDonnees(dossierDonnees);
}

} // namespace velorin::test
